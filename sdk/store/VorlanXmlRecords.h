#pragma once

// Records the XML store exchanges with the program. Layouts are fixed: callers copy them by
// value and read fields at fixed offsets, so every size is checked below.

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <utility>
#include <vector>

// One key's stored operation in a profile. Texts are NUL-terminated within their field.
struct KeyOperateInfo
{
    char keyIndex[16];
    char keyName[64];
    char operateType[8];
    char count[8];
    char mode[8];
    char value[5120];
};

// One macro event; marks pair the down and the up of one press.
struct MacroEvent
{
    char mark[64];
    char delay[16];
    char type[16];
    char keyCode[16];
    char codeName[64];
    char operateExplain[64];
};

// One advanced key of the advanced-key file.
struct SeniorKeyInfoStu
{
    int32_t id;
    char name[256];
    int32_t type;
    char key1[16];
    char key2[16];
    char key3[16];
    char key4[16];
    int32_t dks[16];
    int32_t travel[4];
    int32_t holdMs;
    int32_t tglSet;
};

// One custom-light set of a profile.
struct CustomLightNodeStu
{
    char index[16];
    char name[64];
    char isUsing[16];
    int32_t usingFlagIndex;
};

// One lit key of a custom-light set.
struct CustomLightItemStu
{
    char keyCode[16];
    char codeName[64];
    int32_t indexX;
    int32_t indexY;
    int32_t colorR;
    int32_t colorG;
    int32_t colorB;
    int32_t transparentNum;
};

// A profile node; callers read the UTF-8 name from byte 8.
struct ProfileNodeInfo
{
    char index[8];
    char name[640];
};

// The program's light record of one area and mode.
struct colorInfoData
{
    int32_t area;
    int32_t lightMode;
    int32_t brightness;
    int32_t speed;
    int32_t colorR;
    int32_t colorG;
    int32_t colorB;
    int32_t bgColorR;
    int32_t bgColorG;
    int32_t bgColorB;
    int32_t direction;
    int32_t fullColor;
    int32_t reserved12;
    int32_t reserved13;
};

// The four key-lock texts of a profile, "1" = on.
struct ProFileFunctionInfo
{
    char altTab[8];
    char altF4[8];
    char shiftTab[8];
    char winKey[8];
};

// (index text, name) pairs in file order.
using ProfileNodeList = std::vector<std::pair<std::string, std::string>>;
using MacroNode = std::vector<std::pair<std::string, std::string>>;

static_assert(sizeof(KeyOperateInfo) == 5224, "KeyOperateInfo layout");
static_assert(sizeof(MacroEvent) == 240, "MacroEvent layout");
static_assert(sizeof(SeniorKeyInfoStu) == 416, "SeniorKeyInfoStu layout");
static_assert(offsetof(SeniorKeyInfoStu, type) == 260 && offsetof(SeniorKeyInfoStu, dks) == 328
                  && offsetof(SeniorKeyInfoStu, travel) == 392 && offsetof(SeniorKeyInfoStu, tglSet) == 412,
              "SeniorKeyInfoStu offsets");
static_assert(offsetof(SeniorKeyInfoStu, id) == 0 && offsetof(SeniorKeyInfoStu, name) == 4
                  && offsetof(SeniorKeyInfoStu, key1) == 264 && offsetof(SeniorKeyInfoStu, key2) == 280
                  && offsetof(SeniorKeyInfoStu, key3) == 296 && offsetof(SeniorKeyInfoStu, key4) == 312
                  && offsetof(SeniorKeyInfoStu, holdMs) == 408,
              "SeniorKeyInfoStu offsets");
static_assert(sizeof(CustomLightNodeStu) == 100, "CustomLightNodeStu layout");
static_assert(sizeof(CustomLightItemStu) == 104, "CustomLightItemStu layout");
static_assert(sizeof(ProfileNodeInfo) == 648 && offsetof(ProfileNodeInfo, name) == 8, "ProfileNodeInfo layout");
static_assert(sizeof(colorInfoData) == 14 * sizeof(int32_t), "colorInfoData layout");
static_assert(sizeof(ProFileFunctionInfo) == 32, "ProFileFunctionInfo layout");
