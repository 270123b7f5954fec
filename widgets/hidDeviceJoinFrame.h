#pragma once

#include "sdk/protocol/VorlanHidRecords.h"
#include "widgets/KeyLayoutItem.h"

#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>

class QFrame;
class keyboardButCustom;
class keyboardImageFrameItem;
class keyColorRgbFrameItem;
class keySelectFrame;

// The keyboard view of the device page: the model's picture, an empty colour layer and the key
// frame on top, scaled at any zoom; keeps the selection made with the selection area.
class hidDeviceJoinFrame : public QWidget
{
    Q_OBJECT

public:
    explicit hidDeviceJoinFrame(QWidget *parent = nullptr);

    void setDeviceInfo(const hidStu &info);
    void setKeyboardScale(float scale);
    // The model's picture, unscaled.
    QSize pictureSize() const;
    void setKeyboardMode(int mode);

    // Coordinates are the view's own (the selection area lies on the same place).
    void selectKeysInRect(int x1, int y1, int x2, int y2);
    void hoverKeyAt(int x, int y, int mode);
    void toggleHoveredKey(bool pressed);
    void setLightEditMode(bool on);
    void exitLightEditMode() { setLightEditMode(false); }
    QList<keyboardButCustom *> getDragSelection() const { return m_dragSelection; }

    keySelectFrame *getKeySelectFrame() const { return m_keySelectFrame; }
    keyboardImageFrameItem *getImageFrame() const { return m_imageFrame; }
    QFrame *getKeyboardContainer() const { return m_frameHidSpace; }
    float getScale() const { return m_scale; }

signals:
    void sigDragAreaMoveOneKey(bool isSelectedOneKey);
    void sigTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);

public slots:
    void onKeyboardAlreadyLoad();

private:
    void buildForm();
    QPoint containerOrigin() const;
    keyboardButCustom *capOfRecord(int index) const;

    QFrame *m_frameBg666 = nullptr;
    QFrame *m_frameHidSpace = nullptr;
    keySelectFrame *m_keySelectFrame = nullptr;
    keyColorRgbFrameItem *m_colorFrame = nullptr;
    keyboardImageFrameItem *m_imageFrame = nullptr;
    QWidget *m_holder = nullptr;
    int m_containerWidth = 0;
    int m_containerHeight = 0;
    float m_scale = 1.0f;
    bool m_pressed = false;
    QList<keyboardButCustom *> m_dragSelection;
    keyboardButCustom *m_hoveredKey = nullptr;
    QVector<KeyLayoutItem> m_keyRecords; // the key frame's records, row-major, 22 per row
    QList<KeyLayoutItem> m_rowHeads;
    QString m_modelName;
};
