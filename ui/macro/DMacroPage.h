#pragma once

#include "platform/WindowsTypes.h"

#include <QString>
#include <QWidget>

class QPushButton;

// The macro editor: a frameless dialog that deletes itself when it closes.
class DMacroPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);

    void setMacroXmlPath(const char *path);
    QString macroXmlPath() const { return QString::fromLocal8Bit(m_macroXmlPath); }

public slots:
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam);

signals:
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);
    void sigMacroPageClose();

private slots:
    void on_pushButton_Close_clicked();

private:
    char m_macroXmlPath[256] = {};
};
