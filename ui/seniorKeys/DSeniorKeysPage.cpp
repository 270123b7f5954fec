#include "ui/seniorKeys/DSeniorKeysPage.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui/seniorKeys/DAllKeysShowPage.h"
#include "ui/seniorKeys/DDksShowWidget.h"
#include "ui/seniorKeys/DSeniorKeyEventListItem.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "ui/seniorKeys/SeniorKeyText.h"
#include "ui_DSeniorKeysPage.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"
#include "widgets/WindowShapeMask.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QTimer>

#include <cstring>
#include <list>

namespace {

const int kMaxSeniorKeys = 40;

} // namespace

DSeniorKeysPage::DSeniorKeysPage(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui_DSeniorKeysPage)
{
    std::memset(&m_currentInfo, 0, sizeof(m_currentInfo));
    m_ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(930, 590);
    WindowShapeMask::followRoundedFrame(m_ui->frame_Bg, 12);

    m_notice = new CbNotice(this);
    m_notice->setPixelSize(14);

    m_ui->label_Title->setText(tr("Senior Keys"));
    m_ui->pushButton_NewCreate->setText(tr("Create"));
    m_ui->radioButton_SingleKey->setText(tr("Single Key"));
    m_ui->radioButton_CombinationKeys->setText(tr("Key Combination"));
    m_ui->label_9->setText(tr("Hold"));
    m_ui->label_10->setText(tr("Click"));
    m_ui->label_13->setText(tr("Hold Duration"));
    m_ui->label_TipInfo->setText(tr("Senior keys is empty"));
    m_ui->label_MT_Explain->setText(
        tr("The key have two functions: holding down the key is one type, and clicking the key is one type."));
    m_ui->label_TGL_Explain->setText(tr("Click this key to switch continuous triggering on or off."));

    DDataManager::instance()->getSeniorKeyXmlPath(m_xmlPath);
    m_listLayout = m_ui->verticalLayout_11;

    for (QAbstractButton *button : keyFields())
        button->setText(QString());
    m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_DKS);

    MySlider *hold = m_ui->horizontalSlider_HoldDuration;
    hold->setMaximum(100);
    hold->setMinimum(15);
    hold->setValue(15);
    hold->setHandleMargins(11, 15);
    hold->setRangeStartsAtZero(false);
    connect(hold, &QSlider::valueChanged, this, &DSeniorKeysPage::onSliderHoldDurationValue);
    connect(hold, &QSlider::sliderReleased, this, &DSeniorKeysPage::onSliderHoldDurationReleased);
    m_ui->label_HoldDuration->setText("150ms");

    for (QObject *watched :
         {static_cast<QObject *>(m_ui->toolButton_SeniorKey01), static_cast<QObject *>(m_ui->toolButton_SeniorKey02),
          static_cast<QObject *>(m_ui->toolButton_SeniorKey03), static_cast<QObject *>(m_ui->toolButton_SeniorKey04),
          static_cast<QObject *>(m_ui->toolButton_HoldKey), static_cast<QObject *>(m_ui->toolButton_ClickKey),
          static_cast<QObject *>(m_ui->toolButton_TglKey), static_cast<QObject *>(m_ui->toolButton_ExplainInfo),
          static_cast<QObject *>(m_ui->toolButton_ExplainInfo02)})
        watched->installEventFilter(this);

    setupButtonGroups();
    applyTheme();

    for (QLabel *label : {m_ui->label_Stroke01, m_ui->label_Stroke04}) {
        label->setText("1.0mm");
        makeTravelLink(label);
    }
    connect(m_ui->label_Stroke01, &QLabel::linkActivated, this, &DSeniorKeysPage::onLickActivited_Stroke01,
            Qt::DirectConnection);
    connect(m_ui->label_Stroke04, &QLabel::linkActivated, this, &DSeniorKeysPage::onLickActivited_Stroke04,
            Qt::DirectConnection);

    QTimer::singleShot(200, this, &DSeniorKeysPage::onLoadDksPage);
}

DSeniorKeysPage::~DSeniorKeysPage()
{
    // The tip has no parent: it must not outlive the editor.
    delete m_explainTip;
    delete m_ui;
}

void DSeniorKeysPage::setupButtonGroups()
{
    auto *kinds = new QButtonGroup(this);
    kinds->setExclusive(true);
    kinds->addButton(m_ui->radioButton_DKS, SENIOR_KEY_DKS);
    kinds->addButton(m_ui->radioButton_MT, SENIOR_KEY_MT);
    kinds->addButton(m_ui->radioButton_TGL, SENIOR_KEY_TGL);
    m_ui->radioButton_DKS->setChecked(true);
    m_createType = SENIOR_KEY_DKS;
    connect(kinds, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onOperateTypeChanged);

    auto *dksSlots = new QButtonGroup(this);
    dksSlots->setExclusive(true);
    dksSlots->addButton(m_ui->toolButton_SeniorKey01, 1);
    dksSlots->addButton(m_ui->toolButton_SeniorKey02, 2);
    dksSlots->addButton(m_ui->toolButton_SeniorKey03, 3);
    dksSlots->addButton(m_ui->toolButton_SeniorKey04, 4);
    m_ui->toolButton_SeniorKey01->setChecked(true);
    m_currentKeyButton = m_ui->toolButton_SeniorKey01;
    m_selectedSlot = 1;
    connect(dksSlots, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onSksSelKeyChanged);

    auto *mtSlots = new QButtonGroup(this);
    mtSlots->setExclusive(true);
    mtSlots->addButton(m_ui->toolButton_HoldKey, 1);
    mtSlots->addButton(m_ui->toolButton_ClickKey, 2);
    m_ui->toolButton_HoldKey->setChecked(true);
    connect(mtSlots, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onMtSelKeyChanged);
}

void DSeniorKeysPage::onLoadDksPage()
{
    m_dksShowWidget = new DDksShowWidget(m_ui->widget_DksDrawPage);
    connect(m_dksShowWidget, &DDksShowWidget::sigDksPageMouseMovePointXY, this,
            &DSeniorKeysPage::onDksPageMouseMovePointXY);
    connect(m_dksShowWidget, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS, this,
            &DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS);
    m_ui->widget_DksDrawPage->layout()->addWidget(m_dksShowWidget);
    // The list may hide the editing pages before the layout would show the grid.
    m_dksShowWidget->show();
    m_dksShowWidget->resizeGrid(m_ui->widget_DksDrawPage->width(), m_ui->widget_DksDrawPage->height());

    m_keyNameMap.clear();
    m_allKeysShowPage = new DAllKeysShowPage(m_ui->scrollAreaWidgetContents_3);
    connect(m_allKeysShowPage, &DAllKeysShowPage::sigKeyListClicked, this, &DSeniorKeysPage::onKeyListClicked);
    connect(m_allKeysShowPage, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA, this,
            &DSeniorKeysPage::onAllKeysInfoAlreadyLoaded);
    m_ui->scrollAreaWidgetContents_3->layout()->addWidget(m_allKeysShowPage);
    m_allKeysShowPage->show();
    m_keyNameMap = m_allKeysShowPage->getKeyMap();

    loadSeniorKeyList(0);
}

void DSeniorKeysPage::onAllKeysInfoAlreadyLoaded()
{
    if (m_allKeysShowPage)
        m_keyNameMap = m_allKeysShowPage->getKeyMap();
}

// ---- The list ----

void DSeniorKeysPage::clearSeniorKeyList()
{
    // Rows may be deleted from inside their own signal: later.
    const int rows = m_listLayout->count() - 1;
    for (int i = 0; i < rows; ++i) {
        QLayoutItem *item = m_listLayout->takeAt(0);
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater();
        }
        delete item;
    }
    m_currentRow = nullptr;
}

void DSeniorKeysPage::loadSeniorKeyList(int mode)
{
    clearSeniorKeyList();
    std::list<SeniorKeyInfoStu> records;
    if (!CVorlanXML_SeniorKey_SelectAllInfoItem(m_xmlPath, &records)) {
        m_rowMap.clear();
        m_ui->label_EventTotalNum->setText(QString("0/%1").arg(kMaxSeniorKeys));
        return;
    }
    m_seniorKeyMap.clear();
    m_rowMap.clear();
    int selectId = 0;
    if (!records.empty()) {
        m_ui->stackedWidget_Left->setCurrentWidget(m_ui->page_SeniorKesOperate);
        for (const SeniorKeyInfoStu &record : records)
            m_seniorKeyMap.insert(record.id, record);
        if (mode == 1)
            selectId = m_seniorKeyMap.lastKey();
        else if (mode == 3)
            selectId = m_currentInfo.id;
        else
            selectId = m_seniorKeyMap.firstKey();
    } else {
        m_ui->stackedWidget_Left->setCurrentWidget(m_ui->page_EmptyTipAll);
    }

    for (auto it = m_seniorKeyMap.constBegin(); it != m_seniorKeyMap.constEnd(); ++it) {
        auto *row = new DSeniorKeyEventListItem(m_ui->scrollAreaWidgetContents_2);
        row->setKeyNameMap(m_keyNameMap);
        row->setSeniorKeyInfo(it.value());
        connect(row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem, this,
                &DSeniorKeysPage::onDeleteSeniorKeyEventItem);
        connect(row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick, this,
                &DSeniorKeysPage::onSeniorKeyEventItemClick);
        m_listLayout->insertWidget(m_listLayout->count() - 1, row);
        m_rowMap.insert(it.key(), row);
        if (it.key() == selectId)
            m_currentRow = row;
    }
    if (m_currentRow)
        selectSeniorKey(selectId);
    m_ui->label_EventTotalNum->setText(QString("%1/%2").arg(m_seniorKeyMap.size()).arg(kMaxSeniorKeys));
}

void DSeniorKeysPage::onSeniorKeyEventItemClick(int bindingIndex)
{
    if (auto *row = qobject_cast<DSeniorKeyEventListItem *>(sender()))
        m_currentRow = row;
    selectSeniorKey(bindingIndex);
}

QList<QAbstractButton *> DSeniorKeysPage::keyFields() const
{
    return {m_ui->toolButton_SeniorKey01, m_ui->toolButton_SeniorKey02, m_ui->toolButton_SeniorKey03,
            m_ui->toolButton_SeniorKey04, m_ui->toolButton_HoldKey,     m_ui->toolButton_ClickKey,
            m_ui->toolButton_TglKey};
}

void DSeniorKeysPage::selectSeniorKey(int id)
{
    for (DSeniorKeyEventListItem *row : qAsConst(m_rowMap))
        row->setSelectedStyle(row == m_currentRow);
    for (QAbstractButton *button : keyFields())
        button->setText(QString());
    m_currentInfo = m_seniorKeyMap.value(id);
    showSeniorKeyInfo(m_currentInfo);

    m_selectedSlot = 1;
    switch (m_currentInfo.type) {
    case SENIOR_KEY_DKS:
        m_ui->toolButton_SeniorKey01->setChecked(true);
        m_currentKeyButton = m_ui->toolButton_SeniorKey01;
        m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_DKS);
        break;
    case SENIOR_KEY_MT:
        m_ui->toolButton_HoldKey->setChecked(true);
        m_currentKeyButton = m_ui->toolButton_HoldKey;
        m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_MT);
        break;
    case SENIOR_KEY_TGL:
        m_ui->toolButton_TglKey->setChecked(true);
        m_currentKeyButton = m_ui->toolButton_TglKey;
        m_ui->stackedWidget_2->setCurrentWidget(m_ui->page_TGL);
        break;
    default: break;
    }
}

void DSeniorKeysPage::showSeniorKeyInfo(SeniorKeyInfoStu info)
{
    using SeniorKeyRecord::fieldText;
    switch (info.type) {
    case SENIOR_KEY_DKS:
        m_ui->toolButton_SeniorKey01->setText(keyFieldToText(fieldText(info.key1)));
        m_ui->toolButton_SeniorKey02->setText(keyFieldToText(fieldText(info.key2)));
        m_ui->toolButton_SeniorKey03->setText(keyFieldToText(fieldText(info.key3)));
        m_ui->toolButton_SeniorKey04->setText(keyFieldToText(fieldText(info.key4)));
        showTravelLabels(info);
        if (m_dksShowWidget)
            m_dksShowWidget->setSeniorKeyInfo(info);
        break;
    case SENIOR_KEY_MT:
        m_ui->toolButton_HoldKey->setText(keyFieldToText(fieldText(info.key1)));
        m_ui->toolButton_ClickKey->setText(keyFieldToText(fieldText(info.key2)));
        m_ui->horizontalSlider_HoldDuration->setValue(info.holdMs / 10);
        m_ui->label_HoldDuration->setText(QString::number(info.holdMs) + "ms");
        break;
    case SENIOR_KEY_TGL:
        m_ui->toolButton_TglKey->setText(info.tglSet == 1 ? keyFieldToText(fieldText(info.key1)) : QString());
        break;
    default: break;
    }
}

QString DSeniorKeysPage::keyFieldToText(QString keyField) const
{
    return SeniorKeyText::readable(keyField, m_keyNameMap);
}

// ---- Creation, deletion, closing ----

void DSeniorKeysPage::on_pushButton_NewCreate_clicked()
{
    if (m_seniorKeyMap.size() >= kMaxSeniorKeys) {
        showNotice(tr("The number of senior keys has reached the maximum"));
        return;
    }
    const std::list<SeniorKeyInfoStu> records(m_seniorKeyMap.cbegin(), m_seniorKeyMap.cend());
    const SeniorKeyInfoStu record = SeniorKeyRecord::newRecord(records, m_createType);
    if (!CVorlanXML_SeniorKey_AddInfoItem(m_xmlPath, m_createType, record))
        return;
    m_listChanged = true;
    showNotice(tr("Create senior keys successful"));
    loadSeniorKeyList(1);
}

void DSeniorKeysPage::onDeleteSeniorKeyEventItem(int keyType, int bindingIndex)
{
    if (!CVorlanXML_SeniorKey_DeleteInfoItem(m_xmlPath, keyType, bindingIndex))
        return;
    m_listChanged = true;
    showNotice(tr("Delete senior keys successful"));
    loadSeniorKeyList(bindingIndex == m_currentInfo.id ? 2 : 3);
}

void DSeniorKeysPage::showNotice(const QString &text)
{
    m_notice->showNotice(text, QPoint(width() / 2, height() / 2));
}

void DSeniorKeysPage::finishClose()
{
    if (m_closeFinished)
        return;
    m_closeFinished = true;
    if (m_listChanged)
        DDataManager::instance()->notifySeniorKeysListChanged();
    emit sigSeniorKeysPageClose();
}

void DSeniorKeysPage::on_pushButton_Close_clicked()
{
    finishClose();
    close();
}

void DSeniorKeysPage::reject()
{
    on_pushButton_Close_clicked();
}

// A close by the window system takes the same path as the close button.
void DSeniorKeysPage::closeEvent(QCloseEvent *event)
{
    finishClose();
    qDebug().noquote() << "------------------------- *** [DSeniorKeysPage] closeEvent *** -------------------------";
    if (m_explainTip)
        m_explainTip->hide();
    event->accept();
}
