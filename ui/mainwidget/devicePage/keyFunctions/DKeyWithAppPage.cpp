#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"

#include "app/DDataManager.h"
#include "app/KeyOperateValue.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateType.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyPageSheets.h"
#include "ui/mainwidget/devicePage/profileOps/QtProfileDialogProvider.h"
#include "ui_DKeyWithAppPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent)
    : DKeyFunctionPage(KEY_OPERATE_APPLICATION, KEY_OPERATE_APPLICATION, parent)
    , m_ui(new Ui_DKeyWithAppPage)
    , m_ownDialogs(std::make_unique<QtProfileDialogProvider>())
    , m_dialogs(m_ownDialogs.get())
{
    m_ui->setupUi(this);
    setOwnTexts();
}

DKeyWithAppPage::~DKeyWithAppPage()
{
    delete m_ui;
}

void DKeyWithAppPage::setDialogProvider(ProfileDialogProvider *dialogs)
{
    m_dialogs = dialogs ? dialogs : m_ownDialogs.get();
}

void DKeyWithAppPage::setOwnTexts()
{
    m_ui->label_10->setText(QObject::tr("Select App"));
    m_ui->textEdit_appPath->setPlaceholderText(QObject::tr("Please select the path where your app is located"));
    m_ui->pushButton_selectAppPath->setText(QObject::tr("Select application"));
}

void DKeyWithAppPage::retranslate()
{
    m_ui->retranslateUi(this);
    setOwnTexts();
}

void DKeyWithAppPage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    QFont font = data->getFont(1);
    font.setPointSize(12);
    m_ui->label_10->setStyleSheet(QString("QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor));
    m_ui->label_10->setFont(font);
    m_ui->pushButton_selectAppPath->setStyleSheet(KeyPageSheets::button(theme));
    m_ui->pushButton_selectAppPath->setFont(font);
    m_ui->textEdit_appPath->setStyleSheet(KeyPageSheets::textBox(theme));
}

void DKeyWithAppPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    m_ui->textEdit_appPath->clear();
    if (KeyOperateStore::storedType(readEntry()) != KEY_OPERATE_APPLICATION)
        return;
    // Shown as stored, whether or not the file is still there.
    m_ui->textEdit_appPath->setPlainText(
        QString::fromUtf8(KeyOperateValue::readWhole(m_profileXmlPath, m_profileIndex, m_keyDec)));
}

QString DKeyWithAppPage::startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists())
        return desktop;
    return QDir::homePath();
}

void DKeyWithAppPage::on_pushButton_selectAppPath_clicked()
{
    // Every program here, not only ".exe" files.
    const QString path = m_dialogs->openFileName(this, QCoreApplication::translate("DKeyWithAppPage", "Select App"),
                                                 startFolder(), "App(*)");
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    m_chosenPath = path;
    m_chosenFile = QFileInfo(path);
    m_ui->textEdit_appPath->clear();
    m_ui->textEdit_appPath->setPlainText(path);
    saveKeyOperate();
}

void DKeyWithAppPage::saveKeyOperate()
{
    m_chosenFile.refresh();
    if (!m_chosenFile.exists())
        return;
    storeKeyOperate(KEY_OPERATE_APPLICATION, "1", "1", m_chosenPath.toUtf8());
}
