#pragma once

#include "sdk/protocol/VorlanHidRecords.h"
#include "widgets/KeyLayout.h"
#include "widgets/KeyLayoutItem.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class ArrowWidget;
class DCustomEventTipExplain;
class keyboardButCustom;
class sideLightButtonCustom;

// Top layer of the keyboard view: one key cap per layout entry and one LED segment per side-LED
// entry of the current model, kept in the 6 x 22 key matrix, a map by key code and plain lists.
class keySelectFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr int LedShift = 10;
    static constexpr int KeyShift = 10; // the margin between the frame's edge and the picture

    explicit keySelectFrame(QWidget *parent = nullptr);
    ~keySelectFrame() override;

    void setDeviceInfo(const hidStu &info);
    void loadKeyboardInfo(const QString &model);
    void parseKeyboardInfo(const char *text);

    QMap<int, keyboardButCustom *> getKeyButtonMap() const { return m_keyButtonMap; }
    QList<keyboardButCustom *> getKeyButtonList() const { return m_keyButtonList; }
    QList<KeyLayoutItem> getKeyLayoutList() const { return m_keyLayoutList; }
    QList<KeyLayoutItem> getSideLightLayoutList() const { return m_sideLightLayoutList; }
    QMap<int, sideLightButtonCustom *> getSideLightButtonMap() const { return m_sideLightButtonMap; }
    QList<sideLightButtonCustom *> getSideLightButtonList() const { return m_sideLightButtonList; }
    keyboardButCustom *keyAt(int row, int column) const;
    bool hasSideLight() const { return m_sideLight; }
    bool hasSpecialEnterKey() const { return m_specialEnterKey; }
    int getHidDeviceType() const { return m_hidDeviceType; }
    QString getModelName() const { return m_modelName; }
    keyboardButCustom *getCurrentKey() const { return m_currentKey; }

    void setKeysState(bool lightEditMode, bool hoverEnabled);
    void setKeysHoverEnabled(bool enabled);
    void setLightEditMode(bool on);
    void setKeysCalibrationMode(bool on);
    void setSideLightVisible(bool show);
    // Forgets the current key without repainting it and closes the key tip.
    void clearCurrentKeyAndTip();

    // "r,g,b[,a]" of a theme colour; the alpha section is ignored.
    static QColor themeColor(const QString &text);
    // The caption a key is named by in clicks and tips.
    static QString keyCaption(const keyboardButCustom *cap);

signals:
    void sigKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum);
    void onArrowWidgetMouseEnter();
    void ontheArrowWillHide();

private:
    void clearLayout();
    void createSideLights(const KeyLayout &layout);
    void createKeys(const KeyLayout &layout);

    bool m_sideLight = false;
    bool m_specialEnterKey = false;
    int m_specialEnterKeyShape = 0;
    int m_hidDeviceType = 1;
    int m_ledShiftX = LedShift;
    int m_ledShiftY = LedShift;
    QString m_modelName;
    QList<sideLightButtonCustom *> m_sideLightButtonList;
    QMap<int, sideLightButtonCustom *> m_sideLightButtonMap;
    QList<KeyLayoutItem> m_sideLightLayoutList;
    QMap<int, keyboardButCustom *> m_keyButtonMap;
    QList<keyboardButCustom *> m_keyButtonList;
    QList<KeyLayoutItem> m_keyLayoutList;
    keyboardButCustom *m_keyMatrix[KeyLayout::Rows][KeyLayout::Columns] = {};
    ArrowWidget *m_arrowWidget = nullptr;
    DCustomEventTipExplain *m_tipExplain = nullptr;
    keyboardButCustom *m_currentKey = nullptr;
};
