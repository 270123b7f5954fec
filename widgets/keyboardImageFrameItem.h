#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <QString>
#include <QWidget>

class QFrame;

// Bottom layer of the keyboard view: the model's picture, stretched to the frame 10 pixels
// inside the layer.
class keyboardImageFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyboardImageFrameItem(QWidget *parent = nullptr);

    void setDeviceInfo(const hidStu &info);
    // Modes 0 to 2 show the mode pictures; any other mode the normal picture.
    void setKeyboardMode(int mode);

    static QString picturePath(const QString &model, int mode);
    QString getPicturePath() const { return m_picturePath; }

private:
    void showPicture(const QString &path);

    QFrame *m_frame = nullptr;
    QString m_modelName;
    QString m_picturePath;
};
