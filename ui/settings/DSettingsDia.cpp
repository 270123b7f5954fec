#include "ui/settings/DSettingsDia.h"

#include "app/DDataManager.h"
#include "app/LanguageInstaller.h"
#include "platform/XdgAutostart.h"
#include "ui/firmware/DFirwareInfoShow.h"
#include "ui/settings/AboutInfo.h"
#include "ui/settings/SettingsLanguages.h"
#include "ui_DSettingsDia.h"
#include "widgets/CbNotice.h"
#include "widgets/WindowShapeMask.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSettings>
#include <QUrl>

namespace {

constexpr int kThemeCount = 5;

// The autostart entry is named after the executable, as the main window's first start names it.
QString autostartName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).baseName();
}

} // namespace

DSettingsDia::DSettingsDia(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::DSettingsDia)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(700, 500);
    WindowShapeMask::followRoundedFrame(m_ui->frame_16, 12);

    setCodeTexts();
    m_ui->frame_15->hide();
    m_ui->frame_18->hide();
    m_ui->frame_19->hide();
    m_ui->checkBox_UsingBgImage->hide();
    m_ui->frame_6->hide();

    auto *pages = new QButtonGroup(this);
    pages->addButton(m_ui->pushButton_General, 0);
    pages->addButton(m_ui->pushButton_About, 1);
    connect(pages, &QButtonGroup::idClicked, this, &DSettingsDia::onCurIndexChanged);

    m_notice = new CbNotice(this);
    m_notice->setPixelSize(16);

    m_configFilePath = DDataManager::instance()->getUserConfigDir() + "/VorlanConfig.ini";
    m_settings = new QSettings(m_configFilePath, QSettings::IniFormat, this);

    m_ui->checkBox_AutoStart->setChecked(m_settings->value("AutoStart/isAutoStart", false).toBool());
    m_ui->checkBox_Close->setChecked(m_settings->value("CloseToTray/isCloseToTray", false).toBool());

    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Settings);
    m_ui->pushButton_General->setChecked(true);

    // Filling and choosing the lists must not reach their slots: opening the dialog writes nothing.
    m_ui->comboBox_Language->blockSignals(true);
    m_ui->comboBox_Theme->blockSignals(true);
    m_ui->comboBox_Language->addItems(SettingsLanguages::rowNames());
    m_themeIndex = m_settings->value("Theme/selectThemeIndex", 0).toInt();
    fillThemeList();
    m_ui->comboBox_Language->setCurrentText(
        SettingsLanguages::nameOfIndex(m_settings->value("Language/selectLanguageIndex", -1).toInt()));
    m_ui->comboBox_Language->blockSignals(false);
    m_ui->comboBox_Theme->blockSignals(false);

    m_ui->checkBox_UsingBgImage->setChecked(DDataManager::instance()->isBgImageUsing());
    loadAppInfo();

    connect(m_ui->label_Link, &QLabel::linkActivated, this, &DSettingsDia::onLickActivited, Qt::DirectConnection);
    m_ui->frame_LogoSet->installEventFilter(this);
    applyTheme();
}

DSettingsDia::~DSettingsDia()
{
    delete m_ui;
}

void DSettingsDia::setCodeTexts()
{
    m_ui->label_Title->setText(QObject::tr("Settings"));
    m_ui->pushButton_General->setText(QObject::tr("General"));
    m_ui->pushButton_About->setText(QObject::tr("About"));
    m_ui->label->setText(QObject::tr("Language"));
    m_ui->label_2->setText(QObject::tr("Theme"));
    m_ui->checkBox_UsingBgImage->setText(QObject::tr("Background image"));
    m_ui->label_3->setText(QObject::tr("Auto start"));
    m_ui->checkBox_AutoStart->setText(QObject::tr("Launch applications when the system starts (Minimized)"));
    m_ui->checkBox_Close->setText(QObject::tr("Close startup to tray"));
    m_ui->label_4->setText(QObject::tr("Upgrade"));
    m_ui->pushButton_UpgradeCheck->setText(QObject::tr("Firmware upgrade check"));
}

QStringList DSettingsDia::themeNames()
{
    return {DSettingsDia::tr("Dark"), DSettingsDia::tr("Light"), DSettingsDia::tr("Blue"), DSettingsDia::tr("Pink"),
            DSettingsDia::tr("Other")};
}

// Rebuilds the theme names in the current language, "Other" only with a user theme, and selects
// the theme in use. A theme the list does not offer leaves the first row selected.
void DSettingsDia::fillThemeList()
{
    const QStringList names = themeNames();
    m_ui->comboBox_Theme->clear();
    m_ui->comboBox_Theme->addItems(names.mid(0, DDataManager::instance()->isUserConfig() ? kThemeCount : 4));
    m_ui->comboBox_Theme->setCurrentText(m_themeIndex >= 0 && m_themeIndex < kThemeCount ? names.at(m_themeIndex)
                                                                                         : names.first());
}

void DSettingsDia::showNotice(const QString &text)
{
    m_notice->showNotice(text, rect().center());
}

void DSettingsDia::showNoUpgradeableDevices()
{
    showNotice(QObject::tr("No upgradeable devices found"));
}

void DSettingsDia::loadAppInfo()
{
    const AboutInfo info = AboutInfo::read();
    m_ui->label_AppVersion->setText(info.version);
    m_ui->label_AppName->setText(info.companyName);
    m_ui->label_Copyright->setText(info.copyright);
    m_companyLink = info.companyLink;
    m_ui->label_Link->setVisible(info.showLink);
    m_companyName = info.companyName;

    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_ui->label_Link->setText(linkText(theme));
    m_ui->label_Link->setAlignment(Qt::AlignCenter);
}

QString DSettingsDia::linkText(const ThemeColorInfo &theme) const
{
    return DSettingsDia::tr("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span><a "
                            "href=\"Company|%1|\"><span style=\"font-size:12pt; text-decoration:underline; "
                            "color:rgb(%2);\">%1</span>")
        .arg(m_companyName, theme.TextCheckedColor, theme.TextFont);
}

void DSettingsDia::showFirmwareInfo()
{
    // Stays a hidden child once closed, and goes with the dialog.
    auto *firmwareInfo = new DFirwareInfoShow(this);
    firmwareInfo->exec();
}

bool DSettingsDia::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->frame_LogoSet && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        showFirmwareInfo();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Every way of closing tells the main window once, so its overlay never outlives the dialog.
void DSettingsDia::notifyClosed()
{
    if (m_closeNotified)
        return;
    m_closeNotified = true;
    emit sigSettingsWindowClose();
}

void DSettingsDia::closeEvent(QCloseEvent *event)
{
    notifyClosed();
    event->accept();
}

void DSettingsDia::reject()
{
    notifyClosed();
    close();
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    notifyClosed();
    close();
}

void DSettingsDia::onCurIndexChanged(int selIndex)
{
    if (selIndex == 0) {
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_Settings);
        return;
    }
    loadAppInfo();
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_TipInfo);
}

void DSettingsDia::onLickActivited(QString str)
{
    Q_UNUSED(str); // the target only names the company; the configured link is opened
    QDesktopServices::openUrl(QUrl(m_companyLink, QUrl::TolerantMode));
}

void DSettingsDia::on_checkBox_AutoStart_clicked()
{
    const bool on = m_ui->checkBox_AutoStart->isChecked();
    m_settings->setValue("AutoStart/isAutoStart", on);
    m_settings->sync();
    if (on)
        XdgAutostart::writeEntry(autostartName(), QCoreApplication::applicationFilePath());
    else
        XdgAutostart::removeEntry(autostartName());
    showNotice(QObject::tr("Set config success"));
}

void DSettingsDia::on_checkBox_Close_clicked()
{
    m_settings->setValue("CloseToTray/isCloseToTray", m_ui->checkBox_Close->isChecked());
    m_settings->sync();
    showNotice(QObject::tr("Set config success"));
}

void DSettingsDia::on_comboBox_Language_currentIndexChanged(QString text)
{
    const int index = SettingsLanguages::indexOfSelection(text);
    m_settings->setValue("Language/selectLanguageIndex", index);
    m_settings->sync();

    LanguageInstaller *installer = LanguageInstaller::instance();
    if (!installer || !installer->setLanguageIndex(index)) {
        qDebug() << "Settings: language" << index << "could not be installed";
        return;
    }
    m_ui->comboBox_Theme->blockSignals(true);
    m_ui->retranslateUi(this);
    fillThemeList();
    setCodeTexts();
    emit sigUpdataAllUI();
    m_ui->comboBox_Theme->blockSignals(false);
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(QString text)
{
    const QStringList names = themeNames();
    int index = 0;
    for (int i = 0; i < names.size(); ++i) {
        if (text.contains(names.at(i), Qt::CaseSensitive)) {
            index = i;
            break;
        }
    }
    m_settings->setValue("Theme/selectThemeIndex", index);
    m_settings->sync();
    m_themeIndex = index;
    DDataManager::instance()->loadTheme(m_themeIndex);
    applyTheme();
    emit sigChangAppTheme(m_themeIndex);
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked()
{
    const bool on = m_ui->checkBox_UsingBgImage->isChecked();
    m_settings->setValue("ThemeBgImage/BgImageIsUsing", on);
    m_settings->sync();
    DDataManager::instance()->setBgImageUsing(on);
    DDataManager::instance()->loadTheme(m_themeIndex);
    applyTheme();
    emit sigChangAppTheme(m_themeIndex);
}

void DSettingsDia::on_pushButton_UpgradeCheck_clicked()
{
    emit sigFirmwareUpgradeCheck();
}

void DSettingsDia::on_pushButton_CheckAppUpdate_clicked()
{
    emit sigUpdateApp();
}
