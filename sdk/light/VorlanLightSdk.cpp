#include "sdk/light/VorlanLightSdk.h"

namespace {

LightEffectState &effects()
{
    static LightEffectState state;
    return state;
}

} // namespace

int CVorlanHid_SetKeyboardColorInfoDataStu(colorInfoData info, int keyCount, const char *modelName, bool hasSideLight)
{
    return effects().setKeyboard(info, keyCount, modelName ? modelName : "", hasSideLight);
}

int CVorlanHid_SetSideColorInfoDataStu(colorInfoData info, int count, std::vector<int> validFlags)
{
    return effects().setSide(info, count, validFlags);
}

int CVorlanHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData info)
{
    return effects().keyboardChanged(info);
}

int CVorlanHid_SetSideColorInfoDataStuHaveChanged(colorInfoData info)
{
    return effects().sideChanged(info);
}

void CVorlanHid_keyboardLightColorRuning(LightFrameCallback callback)
{
    LightCellStu frame[kLightKeyCells];
    effects().stepKeyboard(frame);
    if (callback)
        callback(frame, kLightKeyCells);
}

void CVorlanHid_sideLightColorRuning(LightFrameCallback callback)
{
    LightCellStu frame[kLightSideCells];
    effects().stepSide(frame);
    if (callback)
        callback(frame, kLightSideCells);
}

void CVorlanHid_lightColorMix(int row, int column, int *red, int *green, int *blue)
{
    int r, g, b;
    effects().colorMix(row, column, r, g, b);
    if (red && green && blue) {
        *red = r;
        *green = g;
        *blue = b;
    }
}

void CVorlanHid_GetCurrentRippleLightColor(int *red, int *green, int *blue)
{
    int r, g, b;
    effects().rippleColor(r, g, b);
    if (red && green && blue) {
        *red = r;
        *green = g;
        *blue = b;
    }
}

void CVorlanHid_GetCurrentAutoRippleLightConfig(int *values)
{
    if (!values)
        return;
    const auto config = effects().autoRippleConfig();
    for (size_t i = 0; i < config.size(); ++i)
        values[i] = config[i];
}

void CVorlanHid_GetSideCollisionLightRuningConfig(int32_t *value, uint8_t *byte)
{
    int32_t v;
    uint8_t b;
    effects().sideCollisionConfig(v, b);
    if (value)
        *value = v;
    if (byte)
        *byte = b;
}

void CVorlanHid_keyClickedSendXY(int row, int column)
{
    effects().keyClicked(row, column);
}

void CVorlanLight_Seed(uint32_t seed)
{
    effects().seed(seed);
}
