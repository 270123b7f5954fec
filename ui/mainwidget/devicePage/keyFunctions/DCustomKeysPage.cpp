#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"

#include "app/DDataManager.h"
#include "sdk/light/VorlanLightSdk.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangProfilePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DChangeKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DHotKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyCombinationPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyConfigFunctionPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyDisablePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyboardLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMacroCmdPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMouseKeyPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DMultimediaPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DResetDefaultPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSeniorKeysBindingPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DSideLightCustomEventPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/HookKeyRules.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyFunctionTable.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyOperateStore.h"
#include "ui_DCustomKeysPage.h"
#include "widgets/ArrowWidget.h"
#include "widgets/DToolTipExplain.h"
#include "widgets/ThemeColorText.h"
#include "widgets/keyboardButCustom.h"

#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMovie>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

namespace {

QFont sizedFont(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

} // namespace

DCustomKeysPage::DCustomKeysPage(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DCustomKeysPage)
    , m_hookInterface(nullptr)
    , m_loadingMovie(new QMovie(":/images/Loading.gif", QByteArray(), this))
{
    m_ui->setupUi(this);
    setOwnTexts();

    DDataManager *data = DDataManager::instance();
    connect(data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar, this,
            &DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar);
    connect(&m_hookInterface, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
            &DCustomKeysPage::onKeyboardRecviveStream);
    // Direct: requestMacroRecordHook reads the stored result right after the emission.
    connect(data, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
            &DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord, Qt::DirectConnection);
    connect(data, &DDataManager::sigSeniorKeysListItemHaveChanged, this,
            &DCustomKeysPage::onSeniorKeysListItemHaveChanged);

    createPages();

    m_functionGroup = new QButtonGroup(this);
    for (const KeyFunction &function : KeyFunctionTable::functions())
        m_functionGroup->addButton(m_ui->frame_2->findChild<QToolButton *>(function.buttonName), function.buttonId);
    m_ui->toolButton_Default->setChecked(true);
    connect(m_functionGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Key);
    m_ui->toolButton_SwitchProfile->hide();

    m_layerGroup = new QButtonGroup(this);
    m_layerGroup->addButton(m_ui->pushButton_DefaultLayer, 0);
    m_layerGroup->addButton(m_ui->pushButton_FnLayer, 1);
    m_ui->pushButton_DefaultLayer->setChecked(true);
    connect(m_layerGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Mode);

    QTimer::singleShot(500, this, &DCustomKeysPage::onInstallEventFilterOpen);

    m_ui->label_Loading->setMovie(m_loadingMovie);
    m_ui->label_Loading->hide();
}

DCustomKeysPage::~DCustomKeysPage()
{
    m_hookInterface.stopHook();
    delete m_tipWidget.data();
    // The pages go while the tab can still receive what they report on closing.
    delete m_ui->frame_Bg01;
    delete m_ui;
}

void DCustomKeysPage::createPages()
{
    m_defaultPage = new DResetDefaultPage(m_ui->page_Default);
    m_macroPage = new DMacroCmdPage(m_ui->page_Macro);
    m_remapPage = new DChangeKeyPage(m_ui->page_RemapKey);
    m_mousePage = new DMouseKeyPage(m_ui->page_Mouse);
    m_textPage = new DKeyWithTextPage(m_ui->page_Text);
    m_disablePage = new DKeyDisablePage(m_ui->page_Disable);
    m_multimediaPage = new DMultimediaPage(m_ui->page_Multimedia);
    m_combinationPage = new DKeyCombinationPage(m_ui->page_CombinationKey);
    m_hotKeyPage = new DHotKeyPage(m_ui->page_Shortcuts);
    m_profilePage = new DChangProfilePage(m_ui->page_SwitchProfile);
    m_appPage = new DKeyWithAppPage(m_ui->page_OpenApp);
    m_keyboardLightPage = new DKeyboardLightCustomEventPage(m_ui->page_KeyboardLightAbout);
    m_sideLightPage = new DSideLightCustomEventPage(m_ui->page_SideLightAbout);
    m_keyConfigPage = new DKeyConfigFunctionPage(m_ui->page_KeyConfigFunctionAbout);
    m_seniorKeysPage = new DSeniorKeysBindingPage(m_ui->page_SeniorKeysBind);

    DKeyFunctionPage *const pages[] = {m_defaultPage,   m_macroPage,     m_remapPage,      m_mousePage,
                                       m_textPage,      m_disablePage,   m_multimediaPage, m_combinationPage,
                                       m_hotKeyPage,    m_profilePage,   m_appPage,        m_keyboardLightPage,
                                       m_sideLightPage, m_keyConfigPage, m_seniorKeysPage};
    const QVector<KeyFunction> &functions = KeyFunctionTable::functions();
    for (int index = 0; index < functions.size(); ++index) {
        DKeyFunctionPage *page = pages[index];
        page->parentWidget()->layout()->addWidget(page);
        m_pages.append(qMakePair(functions[index].buttonId, page));
        if (page == m_defaultPage) {
            connect(m_defaultPage, &DResetDefaultPage::sigShoudUpdateKeyboard, this,
                    &DCustomKeysPage::onKeyboardAlreadyLoad);
            connect(m_defaultPage, &DResetDefaultPage::sigCustomKeyInfoSaveSuccessful, this,
                    &DCustomKeysPage::onCustomKeyInfoSaveSuccessful);
            connect(m_defaultPage, &DResetDefaultPage::sigCustomKeyInfoSaveFailed, this,
                    &DCustomKeysPage::onCustomKeyInfoSaveFailed);
            continue;
        }
        // A remap or key combination is stored without a toast.
        connectPage(page, page != m_remapPage && page != m_combinationPage);
    }
    connect(m_remapPage, &DChangeKeyPage::sigMesgStartOrStopHook, this, &DCustomKeysPage::onMesgStartOrStopHook);
    connect(m_combinationPage, &DKeyCombinationPage::sigMesgStartOrStopHook, this,
            &DCustomKeysPage::onMesgStartOrStopHook);
    connect(m_textPage, &DKeyWithTextPage::sigClickedCancel, this, &DCustomKeysPage::onClickedCancel);
    connect(m_textPage, &DKeyWithTextPage::sigCustomKeyInfoSaveFailed, this,
            &DCustomKeysPage::onCustomKeyInfoSaveFailed);
    connect(m_disablePage, &DKeyDisablePage::sigClickedCancel, this, &DCustomKeysPage::onClickedCancel);
}

void DCustomKeysPage::connectPage(DKeyFunctionPage *page, bool reportsSuccess)
{
    connect(page, &DKeyFunctionPage::sigShoudUpdateKeyboard, this, &DCustomKeysPage::onShoudUpdateKeyboard);
    if (reportsSuccess)
        connect(page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful, this,
                &DCustomKeysPage::onCustomKeyInfoSaveSuccessful);
}

void DCustomKeysPage::setProfileXmlPath(const char *path)
{
    qstrncpy(m_profileXmlPath, path ? path : "", sizeof m_profileXmlPath);
}

// ---- Function switch and key-cap clicks ----

void DCustomKeysPage::onCurIndexChanged_Key(int selIndex)
{
    if (DDataManager::instance()->getCurrentKeyDec() == -1 && !m_isSilentSwitch) {
        emit sigSomeMessageTip_CustomKeysPage(QObject::tr("Please select one Key first"));
        m_ui->toolButton_Default->setChecked(true);
        m_ui->stackedWidget_Customize->setCurrentWidget(m_ui->page_Default);
        return;
    }
    if (const KeyFunction *function = KeyFunctionTable::byButtonId(selIndex)) {
        m_functionCode = function->functionCode;
        m_functionGroup->button(selIndex)->setChecked(true);
        m_ui->stackedWidget_Customize->setCurrentWidget(
            m_ui->stackedWidget_Customize->findChild<QWidget *>(function->pageName, Qt::FindDirectChildrenOnly));
        for (const auto &entry : qAsConst(m_pages)) {
            if (entry.first == selIndex)
                entry.second->loadCurrentKeyInfo();
        }
    }
    qDebug() << "Operate changed [CustomKeys->NextItem]:" << m_functionCode;
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    emit sigAutoIntoCustomKeysPage();
    m_ui->label_KeyChar->setText(strChar);

    DDataManager *data = DDataManager::instance();
    KeyOperateInfo info = KeyOperateStore::read(m_profileXmlPath, m_profileIndex, keyCode);
    if (!KeyOperateStore::hasEntry(info) && data->isMagneticKeyboard()) {
        char magneticPath[DDataManager::kPathBufferSize] = {};
        data->getMagneticProfileXmlPath(magneticPath);
        info = KeyOperateStore::read(magneticPath, 1, keyCode);
    }
    if (!KeyOperateStore::hasEntry(info)) {
        onCurIndexChanged_Key(KeyFunctionTable::DefaultButton);
        return;
    }
    const int buttonId = KeyFunctionTable::buttonForStoredType(KeyOperateStore::storedType(info));
    if (buttonId >= 0)
        onCurIndexChanged_Key(buttonId);
}

// ---- Key-cap marks ----

bool DCustomKeysPage::hasEntryIn(const char *path, int profileIndex, int keyDec)
{
    DDataManager *data = DDataManager::instance();
    if (!data->isMagneticKeyboard() || !data->isMagneticLayerActive())
        return false;
    return KeyOperateStore::hasEntry(KeyOperateStore::read(path, profileIndex, keyDec));
}

bool DCustomKeysPage::hasLayerEntry(int keyDec)
{
    return hasEntryIn(m_profileXmlPath, m_profileIndex, keyDec);
}

bool DCustomKeysPage::hasMagneticLayerEntry(int keyDec)
{
    char magneticPath[DDataManager::kPathBufferSize] = {};
    DDataManager::instance()->getMagneticProfileXmlPath(magneticPath);
    return hasEntryIn(magneticPath, 1, keyDec);
}

void DCustomKeysPage::markKeyCap(int keyDec, bool keepMarkedOnlyWithEntry)
{
    DDataManager *data = DDataManager::instance();
    keyboardButCustom *keyCap = data->getKeyButtonMap().value(keyDec, nullptr);
    if (!keyCap)
        return;
    const bool magneticEntry = hasMagneticLayerEntry(keyDec);
    const QColor colour =
        magneticEntry ? data->getAssignedKeyColor() : opaqueThemeColor(data->getThemeInfo().TextCheckedColor);
    keyCap->setMarkColor(colour);
    keyCap->setMarkBorderColor(colour);
    if (!keepMarkedOnlyWithEntry || magneticEntry)
        keyCap->setMarked(true);
    else
        keyCap->setMarked(hasLayerEntry(keyDec));
}

void DCustomKeysPage::onShoudUpdateKeyboard(int keyDec)
{
    markKeyCap(keyDec, false);
}

void DCustomKeysPage::onKeyboardAlreadyLoad(int keyDec)
{
    markKeyCap(keyDec, true);
}

// ---- Results from the pages ----

void DCustomKeysPage::onCustomKeyInfoSaveSuccessful()
{
    emit sigSomeMessageTip_CustomKeysPage(QObject::tr("Operate successful"));
}

void DCustomKeysPage::onCustomKeyInfoSaveFailed(int operateType, int errorIndex)
{
    QString text = QObject::tr("Unknow");
    if (operateType == 6 && errorIndex == 0)
        text = QObject::tr("Setting failed because the text is empty");
    else if (operateType == 10 && errorIndex == 0)
        text = QObject::tr("Please select one Key first");
    emit sigSomeMessageTip_CustomKeysPage(text);
}

void DCustomKeysPage::onClickedCancel()
{
    m_ui->toolButton_Default->setChecked(true);
    m_isSilentSwitch = true;
    onCurIndexChanged_Key(KeyFunctionTable::DefaultButton);
    m_isSilentSwitch = false;
}

void DCustomKeysPage::onSeniorKeysListItemHaveChanged()
{
    if (m_functionCode == KeyFunctionTable::SeniorKeysCode)
        m_seniorKeysPage->loadCurrentKeyInfo();
}

// ---- The global hook ----

void DCustomKeysPage::restartHook(int mode)
{
    m_hookInterface.stopHook();
    m_hookMode = mode;
    m_hookInterface.startHook(mode);
}

void DCustomKeysPage::onMesgStartOrStopHook(bool isStartHook)
{
    m_hookInterface.stopHook();
    if (!isStartHook)
        return;
    if (m_functionCode == KeyFunctionTable::RemapCode)
        restartHook(HOOK_KEY_CAPTURE);
    else if (m_functionCode == KeyFunctionTable::CombinationCode)
        restartHook(HOOK_KEY_CAPTURE_ALT);
}

void DCustomKeysPage::setInteractLightHook(bool on, int callerTag)
{
    Q_UNUSED(callerTag);
    m_hookInterface.stopHook();
    if (on)
        restartHook(HOOK_INTERACT_LIGHT);
}

void DCustomKeysPage::setMacroRecordHook(bool isStartHook)
{
    bool result = false;
    if (isStartHook) {
        m_hookInterface.stopHook();
        m_hookMode = HOOK_MACRO_RECORD;
        result = m_hookInterface.startHook(HOOK_MACRO_RECORD) == 1;
    } else {
        result = m_hookInterface.stopHook() == 1;
    }
    DDataManager::instance()->setMacroRecordHookResult(result);
}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    setMacroRecordHook(isStartHook);
}

void DCustomKeysPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(scCode);
    const int virtualKey = HookKeyRules::capturedVirtualKey(keyCode, flag, hookFlag);
    if (virtualKey < 0 || m_hookMode == HOOK_MACRO_RECORD)
        return;
    DDataManager *data = DDataManager::instance();
    const QMap<int, int> virtualKeyMap = data->getVirtualKeyMap();
    if (!virtualKeyMap.contains(virtualKey))
        return;
    const int keyDec = virtualKeyMap.value(virtualKey);

    if (m_hookMode == HOOK_INTERACT_LIGHT) {
        if (keyboardButCustom *keyCap = data->getKeyButtonMap().value(keyDec, nullptr)) {
            CVorlanHid_keyClickedSendXY(keyCap->getRowIndex(), keyCap->getColumnIndex());
            emit sigInteractLightsPointXY(keyCap->getRowIndex(), keyCap->getColumnIndex());
        }
        return;
    }
    if (m_functionCode == KeyFunctionTable::RemapCode)
        m_remapPage->takeCapturedKey(keyDec);
    else if (m_functionCode == KeyFunctionTable::CombinationCode)
        m_combinationPage->takeCapturedKey(keyDec);
}

// ---- Layers, download and the device page's calls ----

void DCustomKeysPage::onCurIndexChanged_Mode(int selIndex)
{
    (selIndex == 0 ? m_ui->pushButton_DefaultLayer : m_ui->pushButton_FnLayer)->setChecked(true);
    emit sigDefaultLayerAndFnLayerSwitch(selIndex);
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_isDownloading)
        return;
    m_isDownloading = true;
    m_loadingMovie->start();
    m_ui->label_Loading->show();
    m_downloadRequestRunning = true;
    emit sigTheKeyboardIntoDownloading();
    m_downloadRequestRunning = false;
}

void DCustomKeysPage::stopDownloadAnimation()
{
    m_isDownloading = false;
    m_loadingMovie->stop();
    m_ui->label_Loading->hide();
}

void DCustomKeysPage::enterPage(int layer)
{
    DDataManager *data = DDataManager::instance();
    m_ui->toolButton_SideLightAbout->setVisible(data->isSideLightModesReported());
    for (keyboardButCustom *keyCap : data->getKeyInfoList()) {
        if (keyCap)
            keyCap->setLightPreviewEnabled(false);
    }
    // Entering the tab during a download (its waits process events) must not let a second one start.
    if (!m_downloadRequestRunning)
        m_isDownloading = false;
    m_ui->toolButton_Default->setChecked(true);
    m_isSilentSwitch = true;
    onCurIndexChanged_Key(KeyFunctionTable::DefaultButton);
    m_isSilentSwitch = false;
    if (layer == 0)
        m_ui->pushButton_DefaultLayer->setChecked(true);
    else if (layer == 1)
        m_ui->pushButton_FnLayer->setChecked(true);
    m_ui->label_KeyChar->setText("NULL");
    data->clearCurrentKey();
    m_defaultPage->clearPage();
}

void DCustomKeysPage::setPressModeSelectVisible(int layer)
{
    const bool visible = layer == 0;
    m_defaultPage->setPressModeSelectVisible(visible);
    m_remapPage->setPressModeSelectVisible(visible);
    m_combinationPage->setPressModeSelectVisible(visible);
}

void DCustomKeysPage::initForDevice()
{
    DDataManager *data = DDataManager::instance();
    m_functionCode = KeyFunctionTable::DefaultCode;
    m_ui->toolButton_Default->setChecked(true);
    m_ui->stackedWidget_Customize->setCurrentWidget(m_ui->page_Default);
    m_defaultPage->loadCurrentKeyInfo();
    const ThemeColorInfo theme = data->getThemeInfo();
    const bool magnetic = data->isMagneticKeyboard();
    // Without the advanced-key button the separator fades into the background.
    m_ui->frame_Line->setStyleSheet(QString("QFrame#frame_Line{ border: none; border-left: 1px solid rgb(%1); }")
                                        .arg(magnetic ? theme.DeviceBorderColor : theme.DeviceRightBgColor));
    m_ui->toolButton_SeniorKeys->setVisible(magnetic);
}

// ---- Texts, theme and hover tips ----

void DCustomKeysPage::setOwnTexts()
{
    m_ui->pushButton_DefaultLayer->setText(QObject::tr("Default layer"));
    m_ui->pushButton_FnLayer->setText(QObject::tr("FN layer"));
    m_ui->pushButton_Download->setText(QObject::tr("Download"));
    m_ui->label->setText(QObject::tr("Type:"));
    m_ui->label_2->setText(QObject::tr("Function:"));
    m_ui->label_3->setText(QObject::tr("Key"));
}

void DCustomKeysPage::retranslate()
{
    const QString keyText = m_ui->label_KeyChar->text();
    m_ui->retranslateUi(this);
    m_ui->label_KeyChar->setText(keyText);
    setOwnTexts();
    // The form's text "Loading" replaced the animation.
    m_ui->label_Loading->setMovie(m_loadingMovie);
    for (const auto &entry : qAsConst(m_pages))
        entry.second->retranslate();
}

void DCustomKeysPage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    const QFont font = data->getFont(1);

    m_ui->frame_Bg01->setStyleSheet(
        QString("QFrame#frame_Bg01{ background-color: rgb(%1); border-radius:0px; }").arg(theme.DeviceRightBgColor));
    m_ui->frame_2->setStyleSheet(
        QString("QFrame#frame_2{ border: 3px solid rgb(%1); border-radius:8px; }").arg(theme.DeviceBorderColor));
    m_ui->frame_4->setStyleSheet(
        QString("QFrame#frame_4{ border: 3px solid rgb(%1); border-radius:8px; }").arg(theme.DeviceBorderColor));
    for (QLabel *caption : {m_ui->label, m_ui->label_2, m_ui->label_3}) {
        caption->setStyleSheet(QString("QLabel{ color: rgb(%1); }").arg(theme.TextDefaultColor));
        caption->setFont(sizedFont(font, 12));
    }
    for (QPushButton *layerButton : {m_ui->pushButton_DefaultLayer, m_ui->pushButton_FnLayer}) {
        layerButton->setStyleSheet(QString("QPushButton{ color: rgb(%1); border-radius: 8px; }"
                                           "QPushButton:hover,QPushButton:pressed,QPushButton:checked"
                                           "{ color: rgb(%2); }"
                                           "QPushButton:!checked{ color: rgb(%1); }")
                                       .arg(theme.TextDefaultColor, theme.TextCheckedColor));
        layerButton->setFont(sizedFont(font, 10));
    }
    m_ui->label_KeyChar->setStyleSheet(
        QString("QLabel#label_KeyChar{ color: rgb(%1); border: 3px solid rgb(%2); border-radius: 8px; }")
            .arg(theme.TextCheckedColor, theme.DeviceBorderColor));
    m_ui->label_KeyChar->setFont(sizedFont(font, 12));
    m_ui->pushButton_Download->setStyleSheet(
        QString(
            "QPushButton{ border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2); color: rgb(%3); }"
            "QPushButton:hover{ background-color: rgb(%4); border: 2px solid rgb(%6); border-radius: 8px; }"
            "QPushButton:pressed{ color: rgb(%6); background-color: rgb(%5); border: 2px solid rgb(%6);"
            " border-radius: 8px; }")
            .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor, theme.DeviceRightBgColor,
                 theme.DeviceRightBgColor, theme.TextCheckedColor));
    m_ui->pushButton_Download->setFont(sizedFont(font, 12));

    // The profile switch page keeps its own colours.
    for (const auto &entry : qAsConst(m_pages)) {
        if (entry.second != m_profilePage)
            entry.second->applyTheme();
    }
}

void DCustomKeysPage::onInstallEventFilterOpen()
{
    for (QAbstractButton *button : m_functionGroup->buttons())
        button->installEventFilter(this);
}

bool DCustomKeysPage::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    const int buttonId = button ? m_functionGroup->id(button) : -1;
    if (buttonId != -1) {
        if (event->type() == QEvent::Enter)
            showFunctionTip(buttonId);
        else if (event->type() == QEvent::Leave && m_tipWidget)
            m_tipWidget->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void DCustomKeysPage::showFunctionTip(int buttonId)
{
    const KeyFunction *function = KeyFunctionTable::byButtonId(buttonId);
    if (!function)
        return;
    // The previous tip is replaced, not kept hidden for the rest of the run.
    if (m_tipWidget) {
        m_tipWidget->hide();
        m_tipWidget->deleteLater();
    }
    auto *tip = new DToolTipExplain(nullptr);
    auto *popup = new ArrowWidget(ArrowWidget::ArrowBottom, nullptr);
    m_tipWidget = popup;
    popup->setWidgetSize(250, 70);
    popup->setArrowPosition(30);
    popup->setCenterWidget(tip);
    const QAbstractButton *button = m_functionGroup->button(buttonId);
    const int w = button->width();
    const int h = button->height();
    popup->move(button->mapToGlobal(QPoint(w / 2, h)) - QPoint(38, h + 74));
    tip->setText(QObject::tr(function->tipText));
    popup->show();
}
