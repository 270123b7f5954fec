#include "widgets/DVirtualKeyboardTool.h"
#include "ui_DVirtualKeyboardTool.h"

#include "app/DDataManager.h"
#include "widgets/DSoftKeyboardPage.h"
#include "widgets/ThemeColorText.h"

DVirtualKeyboardTool::DVirtualKeyboardTool(int mode, QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::DVirtualKeyboardTool>())
{
    m_ui->setupUi(this);
    m_ui->label->setText(tr("Virtual Keyboard"));
    m_page = new DSoftKeyboardPage(m_ui->frame_SoftKeyboard);
    m_page->setMode(mode);
    connect(m_page, &DSoftKeyboardPage::sigSoftKeyboardClicked, this, &DVirtualKeyboardTool::onSoftKeyboardClicked);
    // The layout number does not depend on the model name.
    m_page->loadKeyboardInfo(QStringLiteral("US"));
    m_ui->horizontalLayout_2->addWidget(m_page);
}

DVirtualKeyboardTool::~DVirtualKeyboardTool() = default;

void DVirtualKeyboardTool::onSoftKeyboardClicked(int keyDec, QString keyCharacter)
{
    Q_UNUSED(keyCharacter);
    emit sigSoftKeyboardClicked_VirtualKB(keyDec);
}

void DVirtualKeyboardTool::setSelectEnabled(bool on)
{
    m_page->setSelectEnabled(on);
}

void DVirtualKeyboardTool::deselectKey(int keyDec)
{
    m_page->deselectKey(keyDec);
}

void DVirtualKeyboardTool::clearSelectedKeys()
{
    m_page->clearSelectedKeys();
}

void DVirtualKeyboardTool::retranslate()
{
    m_ui->retranslateUi(this);
    m_ui->label->setText(tr("Virtual Keyboard"));
}

void DVirtualKeyboardTool::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_ui->frame_255->setStyleSheet(QStringLiteral("QFrame#frame_255{border:0px; border-bottom:2px solid %1;}")
                                       .arg(themeCssColor(theme.DeviceBorderColor)));
    QFont titleFont = DDataManager::instance()->getFont(1);
    titleFont.setPointSize(12);
    m_ui->label->setFont(titleFont);
    m_ui->label->setStyleSheet(QStringLiteral("color:rgb(%1);").arg(theme.TextCheckedColor));
    m_page->applyTheme();
}
