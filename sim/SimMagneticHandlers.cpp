#include "sim/SimMagneticHandlers.h"

#include "sim/SimKeyboard.h"
#include "sim/SimStandardHandlers.h"

namespace SimMagneticHandlers {

namespace {

constexpr size_t kBitmapStart = 7;
constexpr uint8_t kCalibrationSuccessful = 0;
constexpr uint8_t kCalibrationRunning = 1;
constexpr uint8_t kCalibrationFailed = 2;
constexpr uint8_t kAllRows = (1u << SimMagneticMemory::rows) - 1;

SimReport magneticReply(uint8_t subCommand)
{
    SimReport out = SimStandardHandlers::reply(CMD_MAGNETIC_REPLY);
    out[6] = subCommand;
    return out;
}

bool isMatrixKey(int row, int column)
{
    return row < SimMagneticMemory::rows && column < SimMagneticMemory::columns;
}

// All-keys calibration progress: status plus the keys calibrated so far, one byte per column.
SimReport calibrationProgress(uint8_t status, int calibratedColumns)
{
    SimReport out = magneticReply(8);
    out[7] = status;
    for (int column = 0; column < calibratedColumns; ++column)
        out[8 + column] = kAllRows;
    return out;
}

} // namespace

void install(SimHandlerTable &table)
{
    for (uint8_t mode : {0, 1, 12, 13})
        table.setMagneticHandler(mode, applyTriggers);
    table.setMagneticHandler(2, selectKeys);
    table.setMagneticHandler(3, leaveTriggerTab);
    table.setMagneticHandler(5, queryKey);
    table.setMagneticHandler(6, restoreDefaults);
    table.setMagneticHandler(7, calibrateKey);
    table.setMagneticHandler(8, calibrateAllKeys);
}

SimReport liveTravel(uint8_t row, uint8_t column, uint8_t value)
{
    SimReport out = magneticReply(1);
    out[7] = row;
    out[8] = column;
    out[9] = value;
    return out;
}

void applyTriggers(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    SimMagneticMemory &memory = keyboard.memory().magnetic;
    for (int column = 0; column < SimMagneticMemory::columns; ++column) {
        for (int row = 0; row < SimMagneticMemory::rows; ++row) {
            if (report[kBitmapStart + column] & (1u << row))
                memory.triggers[row * SimMagneticMemory::columns + column] =
                    SimKeyTrigger{report[6], report[29], report[30], report[31], report[32]};
        }
    }
}

void selectKeys(SimKeyboard &keyboard, const SimReport &report, SimReplies &)
{
    std::copy(report.begin() + kBitmapStart, report.begin() + kBitmapStart + SimMagneticMemory::columns,
              keyboard.memory().magnetic.selection.begin());
}

void leaveTriggerTab(SimKeyboard &keyboard, const SimReport &, SimReplies &)
{
    keyboard.memory().magnetic.selection.fill(0);
}

void queryKey(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)
{
    if (!isMatrixKey(report[7], report[8]))
        return;
    const auto &triggers = keyboard.memory().magnetic.triggers;
    const auto it = triggers.find(report[7] * SimMagneticMemory::columns + report[8]);
    const SimKeyTrigger trigger = it == triggers.end() ? SimKeyTrigger{} : it->second;
    SimReport out = magneticReply(5);
    out[7] = trigger.type;
    out[8] = trigger.actuation;
    out[9] = trigger.release;
    out[10] = trigger.rapidPress;
    out[11] = trigger.rapidRelease;
    replies.push_back(out);
}

void restoreDefaults(SimKeyboard &keyboard, const SimReport &, SimReplies &)
{
    keyboard.memory().magnetic.triggers.clear();
}

void calibrateKey(SimKeyboard &, const SimReport &report, SimReplies &replies)
{
    SimReport running = magneticReply(7);
    running[7] = kCalibrationRunning;
    SimReport result = magneticReply(7);
    result[7] = isMatrixKey(report[7], report[8]) ? kCalibrationSuccessful : kCalibrationFailed;
    replies.push_back(running);
    replies.push_back(result);
}

void calibrateAllKeys(SimKeyboard &keyboard, const SimReport &report, SimReplies &replies)
{
    // Byte 7 = 1 stops a calibration; this keyboard finishes at once, so a stop has nothing to end.
    if (report[7] != 0)
        return;
    replies.push_back(calibrationProgress(kCalibrationRunning, SimMagneticMemory::columns / 2));
    replies.push_back(calibrationProgress(kCalibrationSuccessful, SimMagneticMemory::columns));
    keyboard.memory().magnetic.calibratedKeys = SimMagneticMemory::rows * SimMagneticMemory::columns;
}

} // namespace SimMagneticHandlers
