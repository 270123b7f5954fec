#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "app/DDataManager.h"
#include "device/LightReports.h"
#include "device/LightTypes.h"
#include "platform/AudioOutputList.h"
#include "platform/LoopbackCapture.h"
#include "platform/PulseAudioOutputList.h"
#include "sdk/light/VorlanLightSdk.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicFrame.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicPathTrace.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/AudioAnalyser.h"
#include "ui/mainwidget/devicePage/lightDeal/LightPreviewRules.h"
#include "ui/mainwidget/devicePage/lightDeal/LightStreamReports.h"
#include "ui/mainwidget/devicePage/lightDeal/LightTickRule.h"
#include "ui/mainwidget/devicePage/lightDeal/sendLightUpdataThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThread.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadSide.h"
#include "ui/mainwidget/devicePage/lightDeal/updateLightMainThreadUI.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/sideLightButtonCustom.h"

#include <QDateTime>
#include <QDebug>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kCustomMode = 10;
constexpr int kMusicMode = 100;
constexpr int kSyncIntervalMs = 3000;
constexpr int kAnalysisBytes = 16384;
constexpr int kAnalysisEvery = 10;
constexpr int kOutputWatchMs = 1000;

// The SDK's frame callbacks reach the engine only through this pointer.
lightDealMain *g_lightEngine = nullptr;

LightPreviewRules::Rgb rgbOf(const QColor &color)
{
    return {color.red(), color.green(), color.blue()};
}

QColor clearedColor()
{
    return QColor(0, 0, 0, 255);
}

} // namespace

lightDealMain::lightDealMain(QObject *parent)
    : QObject(parent)
    , m_keyColors(kLightKeyCells, clearedColor())
    , m_sideColors(kLightSideCells, clearedColor())
{
    m_syncTimer = new QTimer(this);
    m_syncTimer->setInterval(kSyncIntervalMs);
    connect(m_syncTimer, &QTimer::timeout, this, &lightDealMain::onSendLightSynchronize0x17Cmd);

    m_keyTicker = new updateLightMainThread(this);
    m_sideTicker = new updateLightMainThreadSide(this);
    m_uiTicker = std::make_unique<updateLightMainThreadUI>();
    m_sendTicker = std::make_unique<sendLightUpdataThread>();
    // The threads take these names, so a per-thread CPU listing tells the tickers apart.
    m_keyTicker->setObjectName(QStringLiteral("lightKeyTicker"));
    m_sideTicker->setObjectName(QStringLiteral("lightSideTicker"));
    m_uiTicker->setObjectName(QStringLiteral("lightUiTicker"));
    m_sendTicker->setObjectName(QStringLiteral("lightSendTicker"));
    connect(m_keyTicker, &updateLightMainThread::sigDviceUpdateAllKeyColor, this,
            &lightDealMain::onDviceUpdateAllKeyColor);
    connect(m_sideTicker, &updateLightMainThreadSide::sigDviceUpdateAllKeyColorSide, this,
            &lightDealMain::onDviceUpdateAllSideLightColor);
    connect(m_uiTicker.get(), &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this,
            &lightDealMain::onDviceUpdateAllKeyColorUI);
    connect(m_uiTicker.get(), &updateLightMainThreadUI::sigDviceUpdateAllKeyColorUI, this,
            &lightDealMain::onDviceUpdateAllSideLightColorUI);
    connect(m_sendTicker.get(), &sendLightUpdataThread::sigDviceUpdateAllKeyColorSendKeyboardHid, this,
            &lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid);

    m_keyboardBrightnessMap = LightPreviewRules::brightnessMap(1);
    m_sideBrightnessMap = LightPreviewRules::brightnessMap(1);

    // Music rhythm: the capture, the analyser and the output watch.
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    m_audioFormat = DSoundCardAudioCapture::pcmFormat();
    m_analyser = new SpectrumAnalyser(this);
    if (!connect(m_analyser, &SpectrumAnalyser::spectrumChanged, this, &lightDealMain::onSpectrumChanged))
        qFatal("CHECKED_CONNECT failed");
    m_outputWatchTimer = new QTimer(this);
    m_outputWatchTimer->setInterval(kOutputWatchMs);
    connect(m_outputWatchTimer, &QTimer::timeout, this, &lightDealMain::onAudioOutputDevListChanging);
    setMusicCapture(std::make_unique<DSoundCardAudioCapture>());
    g_lightEngine = this;
}

lightDealMain::~lightDealMain()
{
    if (g_lightEngine == this)
        g_lightEngine = nullptr;
    m_syncTimer->stop();
    m_outputWatchTimer->stop();
    m_capture->stopCapture();
    m_keyTicker->stopAndWait();
    m_sideTicker->stopAndWait();
    m_uiTicker->stopAndWait();
    m_sendTicker->stopAndWait();
}

void lightDealMain::setKeyCaps(keyboardButCustom *const matrix[6][22])
{
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column)
            m_keyCaps[row][column] = matrix[row][column];
    }
}

void lightDealMain::setSideLeds(const QList<sideLightButtonCustom *> &segments)
{
    m_sideLeds.clear();
    for (sideLightButtonCustom *segment : segments)
        m_sideLeds.append(segment);
}

int lightDealMain::keyTickPeriod() const
{
    return m_keyTicker->tickPeriod();
}

int lightDealMain::sideTickPeriod() const
{
    return m_sideTicker->tickPeriod();
}

void lightDealMain::setDeviceInfo(hidStructInfoAll deviceInfo)
{
    m_deviceInfo = deviceInfo;
    m_deviceInfo.hidName[sizeof(m_deviceInfo.hidName) - 1] = '\0';
    m_modelName = QString::fromLatin1(m_deviceInfo.hidName);
    m_sideStreamLeds = std::min(ModelCatalog::sideLightLedCount(m_deviceInfo.hidName), kLightSideCells);
}

void lightDealMain::setLightModeSupport(LightModeSupport keyboard, LightModeSupport side)
{
    m_keyboardSupport = keyboard;
    m_sideSupport = side;
    m_hasSideLight = !side.modes.isEmpty();
    m_keyboardBrightnessSteps = keyboard.brightnessSteps > 0 ? keyboard.brightnessSteps : 1;
    m_keyboardBrightnessMap = LightPreviewRules::brightnessMap(m_keyboardBrightnessSteps);
    m_keyboardSpeedSteps = keyboard.speedSteps;
    m_keyboardDimStep = LightPreviewRules::dimStep(m_keyboardBrightnessSteps);
    m_sideBrightnessSteps = side.brightnessSteps > 0 ? side.brightnessSteps : 1;
    m_sideBrightnessMap = LightPreviewRules::brightnessMap(m_sideBrightnessSteps);
    m_sideSpeedSteps = side.speedSteps;
    m_sideDimStep = LightPreviewRules::dimStep(m_sideBrightnessSteps);
}

void lightDealMain::clearKeyColors()
{
    std::fill(m_keyColors.begin(), m_keyColors.end(), clearedColor());
}

void lightDealMain::clearSideColors()
{
    std::fill(m_sideColors.begin(), m_sideColors.end(), clearedColor());
}

void lightDealMain::deriveKeyboardValues()
{
    m_keyboardMode = m_keyboardInfo.lightMode;
    m_keyboardBrightness = m_keyboardInfo.brightness;
    m_keyboardSpeedIndex = m_keyboardInfo.speed - 1;
    m_keyboardColor1 = QColor(qBound(0, m_keyboardInfo.colorR, 255), qBound(0, m_keyboardInfo.colorG, 255),
                              qBound(0, m_keyboardInfo.colorB, 255));
    m_keyboardColor2 = QColor(qBound(0, m_keyboardInfo.bgColorR, 255), qBound(0, m_keyboardInfo.bgColorG, 255),
                              qBound(0, m_keyboardInfo.bgColorB, 255));
    m_keyboardFullColor = m_keyboardInfo.fullColor == 1;
    m_keyTicker->setTickPeriod(LightTickRule::keyPeriod(m_keyboardSpeedIndex, m_keyboardSpeedSteps));
    if (m_keyboardMode == kMusicMode) {
        prepareMusicGrid();
        setMusicalRhythmRuning(true);
    } else {
        setMusicalRhythmRuning(false);
    }
}

void lightDealMain::deriveSideValues()
{
    if (!m_hasSideLight)
        return;
    m_sideMode = m_sideInfo.lightMode;
    m_sideBrightness = m_sideInfo.brightness;
    m_sideSpeedIndex = m_sideInfo.speed - 1;
    m_sideColor1 =
        QColor(qBound(0, m_sideInfo.colorR, 255), qBound(0, m_sideInfo.colorG, 255), qBound(0, m_sideInfo.colorB, 255));
    m_sideColor2 = QColor(qBound(0, m_sideInfo.bgColorR, 255), qBound(0, m_sideInfo.bgColorG, 255),
                          qBound(0, m_sideInfo.bgColorB, 255));
    m_sideFullColor = m_sideInfo.fullColor == 1;
    m_sideTicker->setTickPeriod(LightTickRule::sidePeriod(m_sideSpeedIndex, m_sideSpeedSteps));
}

void lightDealMain::loadProfileLightConfig()
{
    clearKeyColors();
    clearSideColors();
    DDataManager *data = DDataManager::instance();
    char path[DDataManager::kPathBufferSize] = {};
    data->getCurrentProfileXmlPath(path);
    m_profileIndex = data->getCurrentProfileIndex();
    m_profileXmlPath = QString::fromLocal8Bit(path);
    const QByteArray index = QByteArray::number(m_profileIndex);
    for (int area = 0; area <= 1; ++area) {
        const int mode = CVorlanXML_SelectProFileMouseLightTypeUsingIndex(path, index.constData(), area);
        colorInfoData record = {};
        if (mode < 0 || !CVorlanXML_SelectProfileColorDataInfo(path, index.constData(), area, mode, &record))
            continue;
        if (area == 0) {
            m_keyboardInfo = record;
            deriveKeyboardValues();
        } else {
            m_sideInfo = record;
            deriveSideValues();
        }
    }
    CVorlanHid_SetKeyboardColorInfoDataStu(m_keyboardInfo, m_deviceInfo.keyCount, m_modelName.toLatin1().constData(),
                                           m_hasSideLight);
    if (m_hasSideLight) {
        m_sideLedValid.clear();
        // The SDK takes at most 60 segments, whatever the layout lists.
        for (const QPointer<sideLightButtonCustom> &segment : qAsConst(m_sideLeds)) {
            if (m_sideLedValid.size() == kLightSideCells)
                break;
            m_sideLedValid.append(segment ? segment->getValidStatus() : 0);
        }
        const std::vector<int> valid(m_sideLedValid.begin(), m_sideLedValid.end());
        CVorlanHid_SetSideColorInfoDataStu(m_sideInfo, int(valid.size()), valid);
    }
}

int lightDealMain::setKeyboardColorInfoDataStu(colorInfoData info)
{
    m_keyboardInfo = info;
    deriveKeyboardValues();
    return CVorlanHid_SetKeyboardColorInfoDataStu(info, m_deviceInfo.keyCount, m_modelName.toLatin1().constData(),
                                                  m_hasSideLight);
}

int lightDealMain::setSideColorInfoDataStu(colorInfoData info)
{
    m_sideInfo = info;
    deriveSideValues();
    const std::vector<int> valid(m_sideLedValid.begin(), m_sideLedValid.end());
    return CVorlanHid_SetSideColorInfoDataStu(info, int(valid.size()), valid);
}

int lightDealMain::setKeyboardColorInfoDataStuHaveChanged(colorInfoData info)
{
    clearKeyColors();
    m_keyboardInfo = info;
    deriveKeyboardValues();
    return CVorlanHid_SetKeyboardColorInfoDataStuHaveChanged(info);
}

int lightDealMain::setSideColorInfoDataStuHaveChanged(colorInfoData info)
{
    clearSideColors();
    m_sideInfo = info;
    deriveSideValues();
    return CVorlanHid_SetSideColorInfoDataStuHaveChanged(info);
}

int lightDealMain::darkenFactor(bool side) const
{
    if (side)
        return LightPreviewRules::darkenFactor(m_sideBrightnessMap, m_sideDimStep, m_sideBrightness);
    return LightPreviewRules::darkenFactor(m_keyboardBrightnessMap, m_keyboardDimStep, m_keyboardBrightness);
}

void lightDealMain::keyboardFrameCallback(const LightCellStu *cells, int count)
{
    if (g_lightEngine && cells && count >= kLightKeyCells)
        g_lightEngine->applyKeyboardFrame(cells);
}

void lightDealMain::sideFrameCallback(const LightCellStu *cells, int count)
{
    if (g_lightEngine && cells)
        g_lightEngine->applySideFrame(cells, std::min(count, kLightSideCells));
}

void lightDealMain::onDviceUpdateAllKeyColor()
{
    m_keyTicker->acknowledgeTick();
    if (m_keyboardMode == kMusicMode) {
        renderMusicFrame();
        return;
    }
    CVorlanHid_keyboardLightColorRuning(&lightDealMain::keyboardFrameCallback);
}

void lightDealMain::onDviceUpdateAllSideLightColor()
{
    m_sideTicker->acknowledgeTick();
    CVorlanHid_sideLightColorRuning(&lightDealMain::sideFrameCallback);
}

void lightDealMain::applyKeyboardFrame(const LightCellStu *cells)
{
    if (m_keyboardMode == kCustomMode) {
        applyCustomCells();
        return;
    }
    std::copy(cells, cells + kLightKeyCells, m_keyCells);
    const int mode = m_keyboardMode;
    if (mode == 13 || mode < 0 || mode > 16)
        return;
    const LightPreviewRules::Rgb c1 = rgbOf(m_keyboardColor1);
    const LightPreviewRules::Rgb c2 = rgbOf(m_keyboardColor2);
    const int factor = darkenFactor(false);
    if (mode == 12)
        m_speedRespondMap = LightPreviewRules::speedRespondLevels(m_keyCells, c2.isSet());
    for (int row = 0; row < kLightKeyRows; ++row) {
        for (int column = 0; column < kLightKeyColumns; ++column) {
            const LightCellStu &cell = m_keyCells[row * kLightKeyColumns + column];
            LightPreviewRules::Rgb mix;
            CVorlanHid_lightColorMix(row, column, &mix.red, &mix.green, &mix.blue);
            const auto preview = LightPreviewRules::keyboardPreview(mode, m_keyboardFullColor, c1, c2, cell, mix);
            m_keyColors[row * kLightKeyColumns + column] = LightPreviewRules::finalColor(preview, factor);
        }
    }
}

void lightDealMain::applyCustomCells()
{
    const int factor = darkenFactor(false);
    for (int row = 0; row < kLightKeyRows; ++row) {
        for (int column = 0; column < kLightKeyColumns; ++column) {
            const LightCellStu &cell = m_keyCells[row * kLightKeyColumns + column];
            if (keyboardButCustom *cap = m_keyCaps[row][column])
                cap->setCustomLightColor(
                    QColor(qBound(0, cell.red, 255), qBound(0, cell.green, 255), qBound(0, cell.blue, 255), 255));
            m_keyColors[row * kLightKeyColumns + column] =
                LightPreviewRules::finalColor(LightPreviewRules::customPreview(cell), factor);
        }
    }
}

void lightDealMain::applySideFrame(const LightCellStu *cells, int count)
{
    std::copy(cells, cells + count, m_sideCells);
    const int mode = m_sideMode;
    if (mode < 0 || mode > 5)
        return;
    const LightPreviewRules::Rgb c1 = rgbOf(m_sideColor1);
    const LightPreviewRules::Rgb c2 = rgbOf(m_sideColor2);
    const int factor = darkenFactor(true);
    const int segments = std::min(m_sideLedValid.size(), kLightSideCells);
    for (int i = 0; i < segments; ++i) {
        const auto preview = LightPreviewRules::sidePreview(mode, m_sideFullColor, c1, c2, m_sideCells[i]);
        m_sideColors[i] = LightPreviewRules::finalColor(preview, factor);
    }
}

void lightDealMain::sendCustomLed(int mode, int slot)
{
    for (int row = 0; row < kLightKeyRows; ++row) {
        for (int column = 0; column < kLightKeyColumns; ++column) {
            LightCellStu cell = {};
            if (keyboardButCustom *cap = m_keyCaps[row][column]) {
                const QColor color = cap->getCustomLightColor();
                cell.red = color.red();
                cell.green = color.green();
                cell.blue = color.blue();
            }
            cell.alpha = 255;
            m_keyCells[row * kLightKeyColumns + column] = cell;
        }
    }
    if (m_deviceInfo.usbOrDongle == 1 && (mode == 0 || (mode == 1 && slot == -1)))
        sendCustomLightReports();
}

void lightDealMain::sendCustomLightReports()
{
    QVector<QColor> colors(kLightKeyCells, QColor(0, 0, 0));
    for (int i = 0; i < kLightKeyCells; ++i) {
        if (keyboardButCustom *cap = m_keyCaps[i / kLightKeyColumns][i % kLightKeyColumns])
            colors[i] = cap->getCustomLightColor();
    }
    const QVector<QVector<int>> packets = LightReports::customLightPacketValues(colors);
    for (int packet = 0; packet < packets.size(); ++packet) {
        if (!m_hidInterface)
            return;
        const HidCmdReport report = LightReports::customLightPacket(2, packet, packets.at(packet));
        if (m_hidInterface->sendCommand(report.data()) < 0)
            qWarning().noquote() << "USB serial port [Write custom-Led] Failed ...";
    }
}

void lightDealMain::onDviceUpdateAllKeyColorUI()
{
    m_uiTicker->acknowledgeTick();
    if (!m_keyTickerOn || !m_previewEnabled)
        return;
    for (int row = 0; row < kLightKeyRows; ++row) {
        for (int column = 0; column < kLightKeyColumns; ++column) {
            keyboardButCustom *cap = m_keyCaps[row][column];
            const QColor &color = m_keyColors[row * kLightKeyColumns + column];
            // An unchanged cap needs no repaint.
            if (cap && cap->getLightColor() != color)
                cap->setLightColor(color);
        }
    }
}

void lightDealMain::onDviceUpdateAllSideLightColorUI()
{
    if (!m_sideTickerOn || !m_hasSideLight || !m_previewEnabled)
        return;
    const int segments = std::min(m_sideLeds.size(), kLightSideCells);
    for (int i = 0; i < segments; ++i) {
        sideLightButtonCustom *segment = m_sideLeds.at(i);
        if (segment && segment->getLightColor() != m_sideColors.at(i))
            segment->setLightColor(m_sideColors.at(i));
    }
}

void lightDealMain::setLightTickerRuning(bool on)
{
    if (on)
        startTickers();
    else
        stopTickers();
}

void lightDealMain::startTickers()
{
    // A ticker stopped a moment ago may still be in its last sleep: wait for it so that it
    // really runs again.
    if (!m_keyTicker->isRuning()) {
        m_keyTicker->wait();
        m_keyTickerOn = true;
        m_keyTicker->setRuning(true);
        m_keyTicker->start(QThread::InheritPriority);
    }
    if (!m_sideTicker->isRuning()) {
        m_sideTicker->wait();
        m_sideTickerOn = true;
        m_sideTicker->setRuning(true);
        m_sideTicker->start(QThread::InheritPriority);
    }
    if (!m_uiTicker->isRuning()) {
        m_uiTicker->wait();
        m_uiTicker->setRuning(true);
        m_uiTicker->start(QThread::InheritPriority);
    }
}

void lightDealMain::stopTickers()
{
    if (m_uiTicker->isRuning()) {
        m_uiTicker->setRuning(false);
        m_uiTicker->quit();
    }
    if (m_keyTicker->isRuning() || m_sideTicker->isRuning()) {
        m_keyTickerOn = false;
        m_keyTicker->setRuning(false);
        m_keyTicker->quit();
        m_sideTickerOn = false;
        m_sideTicker->setRuning(false);
        m_sideTicker->quit();
    }
}

void lightDealMain::setLightSynchronous(bool on)
{
    if (on) {
        if (m_sendTicker->isRuning())
            return;
        if (m_hidInterface)
            m_hidInterface->setLightStreamEnabled(true);
        m_isSynchronous = true;
        onSendLightSynchronize0x17Cmd();
        m_syncTimer->start();
        m_sendTicker->wait();
        m_sendTicker->setRuning(true);
        m_sendTicker->start(QThread::InheritPriority);
    } else {
        if (!m_sendTicker->isRuning())
            return;
        if (m_hidInterface)
            m_hidInterface->setLightStreamEnabled(false);
        m_sendTicker->setRuning(false);
        m_sendTicker->quit();
        if (m_syncTimer->isActive())
            m_syncTimer->stop();
        m_isSynchronous = false;
        onSendLightSynchronize0x17Cmd();
    }
}

void lightDealMain::onSendLightSynchronize0x17Cmd()
{
    if (!m_hidInterface)
        return;
    const HidCmdReport report = LightStreamReports::syncReport(m_isSynchronous);
    if (m_hidInterface->sendCommand(report.data()) < 0)
        qWarning().noquote() << "USB serial port [ Into Light Synchronous ] Failed ...";
}

void lightDealMain::onDviceUpdateAllKeyColorSendKeyboardHid()
{
    m_sendTicker->acknowledgeTick();
    if (m_deviceInfo.usbOrDongle == 0)
        streamColorsUsb();
    else if (m_deviceInfo.usbOrDongle == 1)
        sendCompactLightState();
}

void lightDealMain::streamColorsUsb()
{
    if (m_usbStreamBusy)
        return;
    m_usbStreamBusy = true;
    QVector<uint8_t> keys;
    keys.reserve(kLightKeyCells * 3);
    for (const QColor &color : qAsConst(m_keyColors))
        keys << uint8_t(color.red()) << uint8_t(color.green()) << uint8_t(color.blue());
    for (const HidCmdReport &report : LightStreamReports::keyStream(keys))
        sendStreamReport(report);
    // The side part goes out whether or not the keyboard has a side light.
    const int leds = m_sideStreamLeds;
    QVector<uint8_t> side;
    side.reserve(leds * 3);
    for (int i = 0; i < leds; ++i) {
        const QColor &color = m_sideColors.at(i);
        side << uint8_t(color.red()) << uint8_t(color.green()) << uint8_t(color.blue());
    }
    for (const HidCmdReport &report : LightStreamReports::sideStream(side, leds))
        sendStreamReport(report);
    m_usbStreamBusy = false;
}

void lightDealMain::sendStreamReport(const HidCmdReport &report)
{
    if (m_streamReportBusy || !m_isSynchronous)
        return;
    m_streamReportBusy = true;
    // A frame dropped while the light queue drains returns 0 or more: not an error.
    if (m_hidInterface && m_hidInterface->sendLightData(report.data()) < 0)
        qWarning().noquote() << "USB serial port [Write keyboard Color] Failed ... USB";
    m_streamReportBusy = false;
}

void lightDealMain::sendCompactLightState()
{
    LightStreamReports::CompactState state;
    state.keyboardMode = m_keyboardInfo.lightMode;
    const QColor &first = m_keyColors.at(0);
    state.firstKeyRed = first.red();
    state.firstKeyGreen = first.green();
    state.firstKeyBlue = first.blue();
    state.pressPending = m_interactX != -1 && m_interactY != -1;
    state.pressRow = m_interactX;
    state.pressColumn = m_interactY;
    state.rippleRed = m_rippleRed;
    state.rippleGreen = m_rippleGreen;
    state.rippleBlue = m_rippleBlue;
    state.speedRespondSet = !m_speedRespondMap.isEmpty();
    if (state.speedRespondSet) {
        state.speedRespondLevel = m_speedRespondMap.lastKey();
        state.speedRespondValue = m_speedRespondMap.last();
    }
    state.autoRippleRunning = m_keyCells[0].flag == 1;
    if (state.autoRippleRunning)
        CVorlanHid_GetCurrentAutoRippleLightConfig(state.autoRipple);
    state.columnLevels = m_columnLevels;
    state.columnIntensities = m_columnIntensities;
    state.columnsPerBar = m_columnsPerBar;
    state.hasSideLight = m_hasSideLight;
    state.sideMode = m_sideInfo.lightMode;
    const QColor &side = m_sideColors.at(0);
    state.sideRed = side.red();
    state.sideGreen = side.green();
    state.sideBlue = side.blue();
    if (m_hasSideLight && state.sideMode == 3)
        CVorlanHid_GetSideCollisionLightRuningConfig(&state.collisionValue, &state.collisionByte);
    bool pressSpent = false;
    const HidCmdReport report =
        LightStreamReports::compactState(state, QDateTime::currentMSecsSinceEpoch(), &pressSpent);
    if (pressSpent)
        m_interactX = m_interactY = -1;
    if (m_hidInterface && MusicPathTrace::enabled())
        m_musicTrace.stateQueued(report.data(), HidCmdReport::size);
    if (m_hidInterface && m_hidInterface->sendCommand(report.data()) < 0)
        qWarning().noquote() << "USB serial port [Write keyboard Color] Failed ... 2.4G";
}

void lightDealMain::setInteractLightsPointXY(int row, int column)
{
    if (m_deviceInfo.usbOrDongle != 1)
        return;
    m_interactX = row;
    m_interactY = column;
    CVorlanHid_GetCurrentRippleLightColor(&m_rippleRed, &m_rippleGreen, &m_rippleBlue);
}

// Music rhythm.
void lightDealMain::setMusicCapture(std::unique_ptr<DSoundCardAudioCapture> capture)
{
    if (m_capture)
        m_capture->stopCapture();
    m_capture = std::move(capture);
    m_musicTrace = MusicPathTrace();
    // Queued: the slot always runs in the GUI thread, after the capture's call returned.
    connect(m_capture.get(), &DSoundCardAudioCapture::sigSendCaptureAudioData, this,
            &lightDealMain::onSendCaptureAudioData, Qt::QueuedConnection);
}

void lightDealMain::setMusicPlatform(std::unique_ptr<LoopbackCapture> capture, std::unique_ptr<AudioOutputList> outputs)
{
    setMusicCapture(std::make_unique<DSoundCardAudioCapture>(std::move(capture)));
    m_outputList = std::move(outputs);
}

void lightDealMain::setAllKeyColors(const QColor &color)
{
    std::fill(m_keyColors.begin(), m_keyColors.end(), color);
}

void lightDealMain::setMusicalRhythmParams(int keyCount, int numBars, double lowFreq, double highFreq)
{
    m_bars = QVector<MusicBar>(qMax(numBars, 0));
    m_lowFrequency = lowFreq;
    m_highFrequency = highFreq;
    const QList<int> widths = MusicBarLayout::columnsPerBar(keyCount, numBars, m_modelName);
    m_columnsPerBar = widths.toVector();
    m_columnBar = MusicBarLayout::columnBar(widths);
}

void lightDealMain::setMusicalRhythmRuning(bool on)
{
    // Set whatever the capture does: after a failed start another mode still turns music off.
    m_musicRuning = on;
    if (on) {
        if (m_capture->isRunning())
            return;
        m_outputDeviceName.clear();
        m_outputWatchTimer->start();
        setAllKeyColors(QColor(0, 0, 0, 128));
        m_analyser->cancelPending();
        m_capture->startCapture();
    } else {
        if (!m_capture->isRunning())
            return;
        m_outputWatchTimer->stop();
        m_capture->stopCapture();
        m_analyser->cancelPending();
        setAllKeyColors(QColor(0, 0, 0, 128));
    }
}

void lightDealMain::prepareMusicGrid()
{
    const auto &palette = m_modelName == QLatin1String(LightTypes::kMusicPaletteAltModel)
                              ? LightTypes::MUSIC_PALETTE_ALT
                              : LightTypes::MUSIC_PALETTE_HUE;
    for (int row = 0; row < kLightKeyRows; ++row) {
        for (int column = 0; column < kLightKeyColumns; ++column) {
            QColor color = m_keyboardColor1;
            if (m_keyboardFullColor) {
                const int bar = m_columnBar.value(column);
                color = QColor(palette.at(bar >= 0 && bar < int(palette.size()) ? bar : 0));
            }
            LightCellStu cell = {};
            cell.red = color.red();
            cell.green = color.green();
            cell.blue = color.blue();
            m_keyCells[row * kLightKeyColumns + column] = cell;
            color.setAlpha(255);
            m_keyColors[row * kLightKeyColumns + column] = color;
            if (keyboardButCustom *cap = m_keyCaps[row][column]) {
                QColor capColor = color;
                capColor.setAlpha(180);
                cap->setLightColor(capColor);
            }
        }
    }
}

void lightDealMain::onSendCaptureAudioData(const QByteArray &pcm)
{
    if (MusicPathTrace::enabled())
        m_musicTrace.packetReceived();
    if (!m_musicRuning)
        return;
    m_audioBuffer.append(pcm);
    if (m_audioBuffer.size() <= kAnalysisBytes)
        return;
    if (m_musicBlockCounter == 0) {
        m_analyser->calculate(m_audioBuffer.left(kAnalysisBytes), m_audioFormat);
        m_audioBuffer.clear();
        if (MusicPathTrace::enabled())
            m_musicTrace.analysed();
        std::printf("-------------------------*** onSendCaptureAudioData [Runing Deal] "
                    "***-------------------------\n");
        std::fflush(stdout);
    }
    if (++m_musicBlockCounter >= kAnalysisEvery)
        m_musicBlockCounter = 0;
}

void lightDealMain::onSpectrumChanged(const FrequencySpectrum &spectrum)
{
    if (!m_musicRuning)
        return;
    m_lastSpectrum = spectrum;
    m_bars = MusicBarLayout::foldSpectrum(spectrum, m_bars.size(), m_lowFrequency, m_highFrequency);
    QVector<int> levels;
    levels.reserve(m_bars.size());
    for (const MusicBar &bar : qAsConst(m_bars))
        levels.append(MusicBarLayout::barLevel(bar.value));
    MusicFrame::fillBars(m_keyCells, levels, m_columnsPerBar.toList());
}

void lightDealMain::renderMusicFrame()
{
    MusicFrame::fall(m_keyCells, &m_columnLevels, &m_columnIntensities);
    if (MusicPathTrace::enabled())
        m_musicTrace.framed();
    const LightPreviewRules::Rgb c2 = rgbOf(m_keyboardColor2);
    const int factor = darkenFactor(false);
    for (int i = 0; i < kLightKeyCells; ++i) {
        const LightCellStu &cell = m_keyCells[i];
        const int a = cell.level == 0 ? 0 : cell.alpha;
        const LightPreviewRules::Rgb color = LightPreviewRules::mix({cell.red, cell.green, cell.blue}, a, c2);
        LightPreviewRules::Preview preview;
        preview.red = color.red;
        preview.green = color.green;
        preview.blue = color.blue;
        preview.alpha =
            c2.isSet() ? LightPreviewRules::keyAlpha : (color.isSet() ? LightPreviewRules::limit200(cell.alpha) : 0);
        preview.valid = true;
        m_keyColors[i] = LightPreviewRules::finalColor(preview, factor);
    }
}

void lightDealMain::onAudioOutputDevListChanging()
{
    if (!m_outputList)
        m_outputList = std::make_unique<PulseAudioOutputList>();
    QString name;
    for (const QString &entry : m_outputList->outputNames()) {
        if (!entry.isEmpty() && !entry.startsWith(QChar(0xFFFD))) {
            name = entry;
            break;
        }
    }
    if (name.isEmpty())
        return;
    if (!m_outputDeviceName.isEmpty() && m_outputDeviceName != name) {
        m_capture->stopCapture();
        m_analyser->cancelPending();
        m_capture->startCapture();
    }
    m_outputDeviceName = name;
}
