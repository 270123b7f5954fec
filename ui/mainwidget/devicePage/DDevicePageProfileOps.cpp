// The device page's profile menu and operations, and its sleep times.
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"
#include "ui/mainwidget/devicePage/profileOps/DProfileMenuToolWidget.h"
#include "ui/mainwidget/devicePage/profileOps/MagneticCommands.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileOperations.h"
#include "ui/mainwidget/devicePage/profileOps/QtProfileDialogProvider.h"
#include "ui/mainwidget/devicePage/profileOps/SleepTimeSettings.h"
#include "ui_DDevicePage.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"
#include "widgets/keyboardButCustom.h"

#include <QComboBox>
#include <QDebug>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace {

// The layout's device type of keyboards with magnetic switches.
constexpr int kMagneticDeviceType = 4;

} // namespace

void DDevicePage::createProfileTools()
{
    m_profileDialogs = std::make_unique<QtProfileDialogProvider>();
    m_profileOperations = new ProfileOperations(m_profileDialogs.get(), this, this);
    m_sleepTimeSettings = new SleepTimeSettings(this);
    m_magneticCommands = new MagneticCommands(this);
    connect(m_profileOperations, &ProfileOperations::sigNotice, this, [this](const QString &text, bool atPageCentre) {
        if (atPageCentre)
            m_pageToast->showNotice(text, rect().center());
        else
            onEveryPageBackTip(text);
    });
    connect(m_profileOperations, &ProfileOperations::sigProfileListChanged, this, &DDevicePage::refreshProfileList);
    // The operations keep the index in the layer file; loading reads it back from there.
    m_profileOperations->setProfileLoader([this] { loadCurrentProfile(); });
    m_profileOperations->setProfileDefaultsWriter([this](const QByteArray &, int index) {
        addDefaultLightInfo(index);
        addDefaultCustomLights(index);
    });
    connect(m_sleepTimeSettings, &SleepTimeSettings::sigNotice, this, &DDevicePage::onEveryPageBackTip);
    connect(m_magneticCommands, &MagneticCommands::sigNotice, this, &DDevicePage::onEveryPageBackTip);
}

void DDevicePage::syncProfileTools()
{
    const QByteArray path(m_profileXmlPath);
    m_profileOperations->setProfile(path, m_profileIndex);
    m_profileOperations->setDeviceLink(m_roster->currentLink());
    const bool magnetic = DDataManager::instance()->getHidDeviceType() == kMagneticDeviceType;
    m_profileOperations->setMagneticCommands(magnetic ? m_magneticCommands : nullptr);
    m_sleepTimeSettings->setDeviceLink(m_roster->currentLink());
    m_sleepTimeSettings->setProfile(path, m_profileIndex);
    m_magneticCommands->setHidInterface(m_roster->currentHidInterface());
}

// ---- Profiles ----

void DDevicePage::on_pushButton_ProfileOperate_clicked()
{
    auto *menu = new DProfileMenuToolWidget(this);
    menu->setWindowOpacity(1.0);
    connect(menu, &DProfileMenuToolWidget::sigCloseMenuWidow, this, &DDevicePage::onCloseMenuWidow);
    connect(menu, &DProfileMenuToolWidget::sigProfileCreate, this, &DDevicePage::onProfileCreate);
    connect(menu, &DProfileMenuToolWidget::sigProfileDelete, this, &DDevicePage::onProfileDelete);
    connect(menu, &DProfileMenuToolWidget::sigProfileExport, this, &DDevicePage::onProfileExport);
    connect(menu, &DProfileMenuToolWidget::sigProfileImport, this, &DDevicePage::onProfileImport);
    connect(menu, &DProfileMenuToolWidget::sigProfileModifyName, this, &DDevicePage::onProfileModifyName);

    // A replaced pop-up the page no longer points to would never be deleted.
    if (m_profileMenuPopup) {
        m_profileMenuPopup->hide();
        m_profileMenuPopup->deleteLater();
    }
    auto *popup = new ArrowWidget(ArrowWidget::ArrowBottom, this);
    m_profileMenuPopup = popup;
    popup->setWidgetSize(167, 180);
    popup->setArrowPosition(120);
    popup->setCenterWidget(menu);
    const QPushButton *button = m_ui->pushButton_ProfileOperate;
    popup->move(button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6)) - QPoint(127, 200));
    popup->show();
    popup->activateWindow();
}

void DDevicePage::onProfileCreate()
{
    syncProfileTools();
    m_profileOperations->createProfile();
}

void DDevicePage::onProfileDelete()
{
    syncProfileTools();
    m_profileOperations->deleteProfile();
}

void DDevicePage::onProfileExport()
{
    syncProfileTools();
    m_profileOperations->exportProfile();
}

void DDevicePage::onProfileImport()
{
    syncProfileTools();
    m_profileOperations->importProfile();
}

void DDevicePage::onProfileModifyName()
{
    syncProfileTools();
    const std::optional<QString> name = m_profileOperations->currentProfileName();
    if (!name)
        return;
    m_ui->lineEdit_profileName->setText(*name);
    m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_ModifyName);
}

void DDevicePage::on_pushButton_Save_clicked()
{
    syncProfileTools();
    if (m_profileOperations->renameProfile(m_ui->lineEdit_profileName->text()))
        m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_ProfileList);
}

void DDevicePage::on_pushButton_Cancel_clicked()
{
    m_ui->lineEdit_profileName->clear();
    m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_ProfileList);
}

void DDevicePage::on_comboBox_profileList_currentIndexChanged(const QString &)
{
    syncProfileTools();
    m_profileOperations->switchProfile(m_ui->comboBox_profileList->currentData().toInt());
    m_lightEngine->setKeyCaps(m_keyMatrix);
    m_lightsPage->loadProfileLightMode();
    for (keyboardButCustom *cap : DDataManager::instance()->getKeyInfoList()) {
        if (!cap)
            continue;
        cap->setLightPreviewEnabled(false);
        cap->setHoverEnabled(true);
    }
    if (DDataManager::instance()->isSideLightModesReported()) {
        // A profile without a side-light record for the mode in use leaves the keyboard's as it is.
        colorInfoData record{};
        const QByteArray index = QByteArray::number(m_profileIndex);
        if (CVorlanXML_SelectProfileColorDataInfo(m_profileXmlPath, index.constData(), 1, m_sideLightTypeInUse,
                                                  &record)) {
            m_lightEngine->setSideColorInfoDataStu(record);
            m_lightsPage->sendSideLightConfig(record);
        }
    }
    qDebug().noquote() << "Over profileList_currentIndexChanged";
}

void DDevicePage::on_pushButton_Reset_clicked()
{
    syncProfileTools();
    m_profileOperations->resetWithQuestion();
    if (DDataManager::instance()->getHidDeviceType() == kMagneticDeviceType)
        m_triggerPage->loadInitData();
}

void DDevicePage::onResetoreCurrentProfile()
{
    syncProfileTools();
    m_profileOperations->restoreCurrentProfile();
}

void DDevicePage::onLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus)
{
    syncProfileTools();
    m_sleepTimeSettings->request(lightSleepTime, keyboardSleepTime, prohibitSleepStatus);
}
