#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "widgets/FramelessScreenShell.h"

DMacroPage::DMacroPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName("DMacroPage");
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    buildFramelessScreenShell(this, QSize(1100, 660), "frame_MacroBg",
                              QString("QFrame#frame_MacroBg{background-color: rgb(%1); border: 1px solid rgb(%2);}")
                                  .arg(theme.MacroCenterBgColor, theme.MacroBorderColor));
    QMetaObject::connectSlotsByName(this);

    // Direct: both run inside the hook procedure; the mouse record is valid only during the call.
    DDataManager *data = DDataManager::instance();
    connect(data, &DDataManager::sigRecviveStreamEX_MacroKeyboard, this, &DMacroPage::onKeyboardRecviveStream,
            Qt::DirectConnection);
    connect(data, &DDataManager::sigRecviveStreamEX_MacroMouse, this, &DMacroPage::onMouseRecviveStream,
            Qt::DirectConnection);
}

void DMacroPage::setMacroXmlPath(const char *path)
{
    qstrncpy(m_macroXmlPath, path ? path : "", sizeof m_macroXmlPath);
}

void DMacroPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(keyCode);
    Q_UNUSED(scCode);
    Q_UNUSED(flag);
    Q_UNUSED(hookFlag);
    // Recording comes with the macro editor's event list.
}

void DMacroPage::onMouseRecviveStream(int nCode, WPARAM wParam, LPARAM lParam)
{
    Q_UNUSED(nCode);
    Q_UNUSED(wParam);
    Q_UNUSED(lParam);
}

void DMacroPage::on_pushButton_Close_clicked()
{
    DDataManager::instance()->requestMacroRecordHook(false);
    emit sigMacroPageClose();
    close();
}
