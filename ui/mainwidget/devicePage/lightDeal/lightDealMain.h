#pragma once

#include "device/HidCmdReport.h"
#include "device/LightModeSupport.h"
#include "device/MainHidInterFace.h"
#include "device/hidStructInfoAll.h"
#include "sdk/light/LightCellStu.h"
#include "sdk/store/VorlanXmlRecords.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencyLevels.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarLayout.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicPathTrace.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <memory>

class AudioOutputList;
class DSoundCardAudioCapture;
class LoopbackCapture;
class QTimer;
class SpectrumAnalyser;
class keyboardButCustom;
class sideLightButtonCustom;
class updateLightMainThread;
class updateLightMainThreadSide;
class updateLightMainThreadUI;
class sendLightUpdataThread;

// The light engine: lets the SDK compute the running keyboard and side-light effects, turns each
// frame into preview colours for the keyboard picture and, while synchronisation is on, streams
// the same colours to the keyboard. Everything runs in the GUI thread; the tickers only emit.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    explicit lightDealMain(QObject *parent = nullptr);
    ~lightDealMain() override;

    bool isKeyTickerRuning() const { return m_keyTickerOn; }
    bool isSideTickerRuning() const { return m_sideTickerOn; }
    void setLightPreviewEnabled(bool enabled) { m_previewEnabled = enabled; }
    bool isLightPreviewEnabled() const { return m_previewEnabled; }
    bool isLightSynchronous() const { return m_isSynchronous; }

    // The key caps and side-light segments of the picture, copied before each start.
    void setKeyCaps(keyboardButCustom *const matrix[6][22]);
    void setSideLeds(const QList<sideLightButtonCustom *> &segments);

    void loadProfileLightConfig();
    void sendCustomLed(int mode, int slot);
    void setDeviceInfo(hidStructInfoAll deviceInfo);
    hidStructInfoAll deviceInfo() const { return m_deviceInfo; }
    QString hidName() const { return m_modelName; }
    void setHidInterface(MainHidInterFace *hidInterface) { m_hidInterface = hidInterface; }
    MainHidInterFace *hidInterface() const { return m_hidInterface.data(); }
    void setInteractLightsPointXY(int row, int column);
    int setKeyboardColorInfoDataStu(colorInfoData info);
    int setSideColorInfoDataStu(colorInfoData info);
    int setKeyboardColorInfoDataStuHaveChanged(colorInfoData info);
    int setSideColorInfoDataStuHaveChanged(colorInfoData info);
    colorInfoData keyboardColorInfo() const { return m_keyboardInfo; }
    colorInfoData sideColorInfo() const { return m_sideInfo; }
    void setLightSynchronous(bool on);
    void setLightTickerRuning(bool on);
    void setLightModeSupport(LightModeSupport keyboard, LightModeSupport side);
    bool hasSideLight() const { return m_hasSideLight; }

    // Preview colours as computed by the last tick (after darkening).
    QColor keyColor(int row, int column) const { return m_keyColors[row * 22 + column]; }
    QColor sideColor(int index) const { return m_sideColors.value(index); }
    int keyTickPeriod() const;
    int sideTickPeriod() const;

    // Music rhythm.
    void setMusicalRhythmParams(int keyCount, int numBars, double lowFreq, double highFreq);
    void setMusicalRhythmRuning(bool on);
    void prepareMusicGrid();
    void renderMusicFrame();
    bool isMusicRuning() const { return m_musicRuning; }
    DSoundCardAudioCapture *audioCapture() const { return m_capture.get(); }
    QVector<int> columnLevels() const { return m_columnLevels; }
    QVector<int> columnIntensities() const { return m_columnIntensities; }
    QVector<int> columnsPerBar() const { return m_columnsPerBar; }
    // Replaces the sound server's capture and output list (tests hand in fakes).
    void setMusicPlatform(std::unique_ptr<LoopbackCapture> capture, std::unique_ptr<AudioOutputList> outputs);

public slots:
    void onSendLightSynchronize0x17Cmd();
    void onDviceUpdateAllKeyColor();
    void onDviceUpdateAllSideLightColor();
    void onDviceUpdateAllKeyColorUI();
    void onDviceUpdateAllSideLightColorUI();
    void onDviceUpdateAllKeyColorSendKeyboardHid();
    void onSendCaptureAudioData(const QByteArray &pcm);
    void onSpectrumChanged(const FrequencySpectrum &spectrum);
    void onAudioOutputDevListChanging();

private:
    // SDK frame callbacks; they reach the engine through the process-wide pointer.
    static void keyboardFrameCallback(const LightCellStu *cells, int count);
    static void sideFrameCallback(const LightCellStu *cells, int count);

    void startTickers();
    void stopTickers();
    void deriveKeyboardValues();
    void deriveSideValues();
    void clearKeyColors();
    void clearSideColors();
    void applyKeyboardFrame(const LightCellStu *cells);
    void applySideFrame(const LightCellStu *cells, int count);
    void applyCustomCells();
    void streamColorsUsb();
    void sendStreamReport(const HidCmdReport &report);
    void sendCompactLightState();
    void sendCustomLightReports();
    int darkenFactor(bool side) const;
    void setMusicCapture(std::unique_ptr<DSoundCardAudioCapture> capture);
    void setAllKeyColors(const QColor &color);

    // Guarded: a picture rebuilt under the engine leaves null caps, which are skipped.
    QPointer<keyboardButCustom> m_keyCaps[6][22];
    QList<QPointer<sideLightButtonCustom>> m_sideLeds;
    int m_profileIndex = 1;
    QString m_profileXmlPath;
    // Guarded: a device gone with a tick queued sends nothing.
    QPointer<MainHidInterFace> m_hidInterface;
    hidStructInfoAll m_deviceInfo = {};
    QString m_modelName;
    // The side-light LEDs of the model's colour stream (at most 60).
    int m_sideStreamLeds = 33;
    QTimer *m_syncTimer = nullptr;
    bool m_isSynchronous = false;
    bool m_hasSideLight = false;
    bool m_keyTickerOn = false;
    bool m_sideTickerOn = false;
    updateLightMainThread *m_keyTicker = nullptr;
    updateLightMainThreadSide *m_sideTicker = nullptr;
    std::unique_ptr<updateLightMainThreadUI> m_uiTicker;
    std::unique_ptr<sendLightUpdataThread> m_sendTicker;
    LightModeSupport m_keyboardSupport;
    LightModeSupport m_sideSupport;
    QVector<QColor> m_keyColors;
    QVector<QColor> m_sideColors;
    LightCellStu m_keyCells[kLightKeyCells] = {};
    LightCellStu m_sideCells[kLightSideCells] = {};
    QVector<int> m_sideLedValid;
    bool m_usbStreamBusy = false;
    bool m_streamReportBusy = false;
    bool m_previewEnabled = false;
    int m_keyboardSpeedSteps = 0;
    int m_keyboardBrightnessSteps = 1;
    int m_sideSpeedSteps = 0;
    int m_sideBrightnessSteps = 1;
    QMap<int, int> m_keyboardBrightnessMap;
    QMap<int, int> m_sideBrightnessMap;
    int m_keyboardDimStep = 22;
    int m_sideDimStep = 22;
    colorInfoData m_keyboardInfo = {};
    int m_keyboardMode = 0;
    int m_keyboardBrightness = 0;
    int m_keyboardSpeedIndex = 0;
    QColor m_keyboardColor1;
    QColor m_keyboardColor2;
    bool m_keyboardFullColor = false;
    colorInfoData m_sideInfo = {};
    int m_sideMode = 0;
    int m_sideBrightness = 0;
    int m_sideSpeedIndex = 0;
    QColor m_sideColor1;
    QColor m_sideColor2;
    bool m_sideFullColor = false;
    // Music rhythm: per-column levels and intensities of the last music frame, columns per bar.
    QVector<int> m_columnLevels;
    QVector<int> m_columnIntensities;
    QVector<int> m_columnsPerBar;
    bool m_musicRuning = false;
    QByteArray m_audioBuffer;
    QAudioFormat m_audioFormat;
    std::unique_ptr<DSoundCardAudioCapture> m_capture;
    SpectrumAnalyser *m_analyser = nullptr;
    QVector<MusicBar> m_bars;
    double m_lowFrequency = 30.0;
    double m_highFrequency = 930.0;
    FrequencySpectrum m_lastSpectrum;
    QMap<int, int> m_columnBar;
    QTimer *m_outputWatchTimer = nullptr;
    QString m_outputDeviceName;
    // Made on the first watch: the list keeps a connection to the sound server.
    std::unique_ptr<AudioOutputList> m_outputList;
    // Counts packets past the analysis threshold; never reset.
    int m_musicBlockCounter = 0;
    MusicPathTrace m_musicTrace;
    int m_interactX = -1;
    int m_interactY = -1;
    int m_rippleRed = -1;
    int m_rippleGreen = -1;
    int m_rippleBlue = -1;
    QMap<int, int> m_speedRespondMap;
};
