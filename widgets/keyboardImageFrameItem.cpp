#include "widgets/keyboardImageFrameItem.h"

#include "app/DDataManager.h"
#include "widgets/KeyboardModelLook.h"

#include <QFrame>
#include <QHBoxLayout>

keyboardImageFrameItem::keyboardImageFrameItem(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("keyboardImageFrameItem"));
    resize(661, 301);
    auto *horizontalLayout = new QHBoxLayout(this);
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    horizontalLayout->setSpacing(0);
    horizontalLayout->setContentsMargins(10, 10, 10, 10);
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("frame"));
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_frame->setFrameShadow(QFrame::Raised);
    auto *horizontalLayout_2 = new QHBoxLayout(m_frame);
    horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
    horizontalLayout_2->setSpacing(0);
    horizontalLayout_2->setContentsMargins(0, 0, 0, 0);
    horizontalLayout->addWidget(m_frame);
}

QString keyboardImageFrameItem::picturePath(const QString &model, int mode)
{
    QString path = DDataManager::getApplicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_") + model;
    if (mode >= 0 && mode <= 2)
        path += QStringLiteral("_%1").arg(mode);
    return path + QStringLiteral(".png");
}

void keyboardImageFrameItem::setDeviceInfo(const hidStu &info)
{
    m_modelName = KeyboardModelLook::modelName(info);
    showPicture(picturePath(m_modelName, -1));
}

void keyboardImageFrameItem::setKeyboardMode(int mode)
{
    showPicture(picturePath(m_modelName, mode));
}

void keyboardImageFrameItem::showPicture(const QString &path)
{
    m_picturePath = path;
    // Quoted, so blanks and parentheses in the program's folder do not end the url.
    QString quoted = path;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    m_frame->setStyleSheet(QStringLiteral("QFrame#frame{border-image: url(\"%1\");}").arg(quoted));
}
