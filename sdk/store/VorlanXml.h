#pragma once

// The XML store of the device SDK: profile files (profiles, key operations, lights, custom lights,
// bound macro copies, sleep times, key locks), the macro file and the advanced-key file.
//
// Every call takes the file path (local 8-bit, at most 255 bytes) and, for profiles, the profile
// index as decimal text. A call reads or changes one entry; a change is written to the file at once
// and atomically. Bad input, a missing or malformed file fails the call (false, -1, or an output left
// as the caller filled it) and never changes the file. Texts are stored byte for byte; text fields of
// the records are filled bounded and stay NUL-terminated. Calls are synchronous and thread-safe.

#include "sdk/store/VorlanXmlRecords.h"

#include <cstddef>
#include <list>
#include <string>

// Batches -------------------------------------------------------------------------------------------

// An operation of several calls as one change of each file it touches: while the batch is open on
// this thread, calls change the files in memory only (other threads wait), and commit() writes each
// changed file once, atomically. A batch destroyed without commit(), or one inside it that was,
// leaves every file as it was. Batches nest; the outermost one writes.
class VorlanXmlBatch
{
public:
    VorlanXmlBatch();
    ~VorlanXmlBatch();
    VorlanXmlBatch(const VorlanXmlBatch &) = delete;
    VorlanXmlBatch &operator=(const VorlanXmlBatch &) = delete;

    // True when every file changed in the batch was written (an inner batch: when nothing discarded).
    bool commit();

private:
    bool m_open = true;
};

// Files ---------------------------------------------------------------------------------------------

// Creates an empty store file. An existing file is left as it is (true when it is a store file).
bool CVorlanXML_CreateXMLFile(const char *path);

// Profiles of a profile file --------------------------------------------------------------------------

// Adds an empty profile node; false when that index exists already.
bool CVorlanXML_CreateProFileXmlParentNode(const char *path, const char *profileIndex, const char *name, int reserved);
// Removes the profile node and everything stored under it.
bool CVorlanXML_DeleteProFileSelectedNode(const char *path, const char *profileIndex);
bool CVorlanXML_IsExistenceSelectProfileNode(const char *path, const char *profileIndex);
// Fills index and UTF-8 name (from byte 8) of the node; false when there is none.
bool CVorlanXML_SelectProfileNodeInfo(const char *path, const char *profileIndex, ProfileNodeInfo *info);
bool CVorlanXML_ModifyProfileNodeInfo(const char *path, const char *profileIndex, const char *name);
// The current profile of the file.
bool CVorlanXML_ModifyXMLFileProfileIndex(const char *path, int profileIndex);
// The current profile of the file (the first profile when none was set); -1 when the file cannot be read.
int CVorlanXML_GetCreateXMLFileProfileIndex(const char *path);
// Appends (index, name) of every profile in file order.
bool CVorlanXML_SelectProFileAllNodes(const char *path, ProfileNodeList *nodes);
// Copies the profile into the export file, replacing a node of the same index there.
bool CVorlanXML_ProFileExport(const char *path, const char *exportPath, const char *profileIndex, int reserved);
// Copies the profile of that index from the import file; it gets the largest index of path plus 1.
bool CVorlanXML_ProFileImport(const char *path, const char *importPath, const char *profileIndex);

// Key operations ------------------------------------------------------------------------------------

// Appends the key codes that have an entry in the profile, in file order.
bool CVorlanXML_ProFileKeyInfoSelectAll(const char *path, const char *profileIndex, std::list<std::string> *keyCodes);
// Fills the record from the key's entry; without an entry the record is left untouched (false).
// A value longer than the record's field is cut at a character boundary.
bool CVorlanXML_SelectProFileKeyOperateInfo(const char *path, const char *profileIndex, const char *keyCode,
                                            KeyOperateInfo *info);
// The whole value of the key's entry, for values longer than KeyOperateInfo::value: copies at most
// bufferSize - 1 bytes (cut at a character boundary) plus a NUL and returns the value's full length
// in bytes; -1 when there is no entry (the buffer is then left untouched).
long CVorlanXML_SelectProFileKeyOperateValue(const char *path, const char *profileIndex, const char *keyCode,
                                             char *buffer, std::size_t bufferSize);
// Stores the key's entry; an entry of the same key code is replaced.
bool CVorlanXML_AddProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex, const char *keyCode,
                                               const char *keyName, const char *operateType, const char *count,
                                               const char *mode, const char *value);
// Removes the key's entry, matched on the key code alone; false when there was none.
bool CVorlanXML_DeleteProFileMacroWithKeyInfoItem(const char *path, const char *profileIndex, const char *keyCode,
                                                  const char *keyName);
// Number of entries with that operation type and value; -1 when the file cannot be read.
int CVorlanXML_GetProFileValueNum(const char *path, const char *profileIndex, const char *operateType,
                                  const char *value);

// The profile's bound macro copies ---------------------------------------------------------------------

bool CVorlanXML_AddProFileBindMacroItem(const char *path, const char *profileIndex, std::list<MacroEvent> events,
                                        const char *macroIndex, const char *nodeName);
bool CVorlanXML_DeleteProFileBindMacroNode(const char *path, const char *profileIndex, const char *macroIndex,
                                           const char *nodeName);
// Appends the events of the copy of that macro index (or, with an empty index, of that node name).
bool CVorlanXML_ProFileMacroWithKeyInfoSelectAll(const char *path, const char *profileIndex, const char *macroIndex,
                                                 const char *nodeName, std::list<MacroEvent> *events);

// Light records ---------------------------------------------------------------------------------------

// Stores the record under its area and mode, replacing one stored there; the first record of an area
// also makes its mode the area's mode in use.
bool CVorlanXML_AddProFileLightInfoItem(const char *path, const char *profileIndex, colorInfoData record);
bool CVorlanXML_IsProFileAlreadyHaveLightInfo(const char *path, const char *profileIndex, int area, int mode);
// Replaces the stored record of that area and mode; false when there is none.
bool CVorlanXML_ModifyProFileLightInfoItem(const char *path, const char *profileIndex, int area, int mode,
                                           colorInfoData record);
bool CVorlanXML_SelectProfileColorDataInfo(const char *path, const char *profileIndex, int area, int mode,
                                           colorInfoData *record);
// The area's mode in use; -1 when none is set.
int CVorlanXML_SelectProFileMouseLightTypeUsingIndex(const char *path, const char *profileIndex, int area);
bool CVorlanXML_ModifyProFileMouseLightUsingIndex(const char *path, const char *profileIndex, int area, int mode);
// 0 until set.
int CVorlanXML_SelectProFileLightTypeRuningStatus(const char *path, const char *profileIndex);
int CVorlanXML_SelectProFileLightSynchronizeStatus(const char *path, const char *profileIndex);
bool CVorlanXML_ModifyProFileLightSynchronizeStatus(const char *path, const char *profileIndex, int status);

// Sleep times and key locks ----------------------------------------------------------------------------

// Light sleep in seconds, keyboard sleep in minutes.
bool CVorlanXML_SetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex, int lightSleep,
                                            int keyboardSleep);
// Fills times[0] and times[1]; left untouched when the profile has none stored.
bool CVorlanXML_GetProFileIntoSleepTimeInfo(const char *path, const char *profileIndex, int *times);
bool CVorlanXML_AddProFileFunctionInfo(const char *path, const char *profileIndex, const char *altTab,
                                       const char *altF4, const char *shiftTab, const char *winKey);
// Fills the four lock texts; left untouched when the profile has none stored.
bool CVorlanXML_GetProFileFunctionInfo(const char *path, const char *profileIndex, ProFileFunctionInfo *info);

// Custom-light sets -----------------------------------------------------------------------------------

// Adds an empty set; false when that set index exists already.
bool CVorlanXML_AddProFileCustomLightNode(const char *path, const char *profileIndex, const char *setIndex,
                                          const char *name, const char *isUsing, int usingFlagIndex);
bool CVorlanXML_AddProFileCustomLightDataInfo(const char *path, const char *profileIndex, const char *setIndex,
                                              CustomLightItemStu item);
// Removes the keys of the set; false when the set does not exist.
bool CVorlanXML_ClearProFileCustomLightNode(const char *path, const char *profileIndex, const char *setIndex);
bool CVorlanXML_ProFileCustomLightInfoSelectAll(const char *path, const char *profileIndex, const char *setIndex,
                                                std::list<CustomLightItemStu> *items);
bool CVorlanXML_SelectProFileCustomLightAllNodes(const char *path, const char *profileIndex,
                                                 std::list<CustomLightNodeStu> *nodes);
bool CVorlanXML_ModifyProFileCustomLightNodeName(const char *path, const char *profileIndex, const char *setIndex,
                                                 const char *name);
bool CVorlanXML_ModifyProFileCustomLightNodeUsingStatus(const char *path, const char *profileIndex,
                                                        const char *setIndex, const char *isUsing, int usingFlagIndex);
// Reads the keys of one set of a custom-light default file (root customLight, sets customLed, keys item).
bool CVorlanXML_XmlCustomLightInfoSelectAll(const char *path, const char *setIndex,
                                            std::list<CustomLightItemStu> *items);

// Macro file --------------------------------------------------------------------------------------------

// Adds an empty macro; false when that index exists already.
bool CVorlanXML_CreateMacroXmlParentNode(const char *path, const char *macroIndex, const char *name);
bool CVorlanXML_DeleteMacroNode(const char *path, const char *macroIndex);
bool CVorlanXML_ModifyMacroNodeName(const char *path, const char *macroIndex, const char *name);
// Appends (index, name) of every macro in file order.
bool CVorlanXML_SelectMacroAllNodes(const char *path, MacroNode *nodes);
// Appends the macro's events in stored order; false when the file or the macro cannot be read.
bool CVorlanXML_SelectAllKeyOrMouseEvent(const char *path, const char *macroIndex, std::list<MacroEvent> *events);
// Appends the events after the macro's stored events.
bool CVorlanXML_AddKeyOrMouseEventItem(const char *path, std::list<MacroEvent> events, const char *macroIndex);
// Removes every event with that mark (the down and the up of one press).
bool CVorlanXML_DeleteEventItem(const char *path, const char *macroIndex, const char *mark);
// Replaces the event of that mark; which 0 = its "down" event, 1 = its "up" event.
bool CVorlanXML_UpdateEventItem(const char *path, const char *macroIndex, const char *mark, int which,
                                MacroEvent event);
// Swaps the event of that mark and direction with the event before it (up 1) or after it (up 0).
bool CVorlanXML_MacroEventItemUpOrDownOperate(const char *path, const char *macroIndex, const char *mark, int up,
                                              int which);

// Advanced-key file -----------------------------------------------------------------------------------

bool CVorlanXML_SeniorKey_CreateXMLFile(const char *path);
bool CVorlanXML_SeniorKey_CreateProFileXmlParentNode(const char *path);
// Appends every stored record; false when the file was not read.
bool CVorlanXML_SeniorKey_SelectAllInfoItem(const char *path, std::list<SeniorKeyInfoStu> *items);
// false (file unchanged) when the id is stored already, so ids stay unique.
bool CVorlanXML_SeniorKey_AddInfoItem(const char *path, int type, SeniorKeyInfoStu record);
// false (file unchanged) when the id is not stored.
bool CVorlanXML_SeniorKey_ModifyInfoItem(const char *path, int type, SeniorKeyInfoStu record);
bool CVorlanXML_SeniorKey_DeleteInfoItem(const char *path, int type, int id);
