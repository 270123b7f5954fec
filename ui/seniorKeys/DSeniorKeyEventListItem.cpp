#include "ui/seniorKeys/DSeniorKeyEventListItem.h"

#include "app/DDataManager.h"
#include "ui/seniorKeys/SeniorKeyRecord.h"
#include "ui/seniorKeys/SeniorKeyText.h"
#include "ui_DSeniorKeyEventListItem.h"

#include <QMouseEvent>

#include <cstring>

namespace {

const char *const kKeyLabelSheet =
    "QLabel{color: rgb(%1); font: 75 8pt \"%2\"; border: 1px solid rgb(%1); border-radius: 6px;}";

const char *const kNormalSheet =
    "QFrame#frame_BgABC01{background-color: rgb(%3, 128); border: none; border-bottom: 0px solid rgb(%1); "
    "border-radius: 6px;}"
    "QFrame#frame_BgABC01:hover{background-color: rgb(%2); border-radius: 6px;}"
    "QFrame#frame_Left{border: none; border-right: 1px solid rgb(%1);}"
    "QFrame#frame_Right{border: none; border-left: 1px solid rgb(%1);}";

const char *const kSelectedSheet =
    "QFrame#frame_BgABC01{background-color: rgb(%2); border: none; border-bottom: 0px solid rgb(%1); "
    "border-radius: 6px;}"
    "QFrame#frame_Left{border: none; border-right: 1px solid rgb(%1);}"
    "QFrame#frame_Right{border: none; border-left: 1px solid rgb(%1);}";

} // namespace

DSeniorKeyEventListItem::DSeniorKeyEventListItem(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui_DSeniorKeyEventListItem)
{
    std::memset(&m_seniorKeyInfo, 0, sizeof(m_seniorKeyInfo));
    m_ui->setupUi(this);
    setFixedHeight(45);
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    m_ui->frame_Center->setStyleSheet(QString::fromLatin1(kKeyLabelSheet).arg(theme.TextDefaultColor, theme.TextFont));
}

DSeniorKeyEventListItem::~DSeniorKeyEventListItem()
{
    delete m_ui;
}

void DSeniorKeyEventListItem::setKeyNameMap(QMap<int, QString> keyNameMap)
{
    m_keyNameMap = keyNameMap;
}

void DSeniorKeyEventListItem::setSeniorKeyInfo(SeniorKeyInfoStu info)
{
    using SeniorKeyRecord::fieldText;
    m_seniorKeyInfo = info;
    m_ui->label_SeniorKey01->show();
    m_ui->label_SeniorKey02->show();
    m_ui->label_SeniorKey03->show();
    m_ui->label_SeniorKey04->show();
    const SeniorKeyInfoStu &key = m_seniorKeyInfo;
    switch (key.type) {
    case SENIOR_KEY_DKS:
        m_ui->label_SeniorKey01->setText(keyFieldToText(fieldText(key.key1)));
        m_ui->label_SeniorKey02->setText(keyFieldToText(fieldText(key.key2)));
        m_ui->label_SeniorKey03->setText(keyFieldToText(fieldText(key.key3)));
        m_ui->label_SeniorKey04->setText(keyFieldToText(fieldText(key.key4)));
        break;
    case SENIOR_KEY_MT:
        m_ui->label_SeniorKey03->hide();
        m_ui->label_SeniorKey04->hide();
        m_ui->label_SeniorKey01->setText(keyFieldToText(fieldText(key.key1)));
        m_ui->label_SeniorKey02->setText(keyFieldToText(fieldText(key.key2)));
        break;
    case SENIOR_KEY_TGL:
        m_ui->label_SeniorKey02->hide();
        m_ui->label_SeniorKey03->hide();
        m_ui->label_SeniorKey04->hide();
        m_ui->label_SeniorKey01->setText(key.tglSet == 1 ? keyFieldToText(fieldText(key.key1)) : QString());
        break;
    default: break;
    }
    const bool known = key.type == SENIOR_KEY_DKS || key.type == SENIOR_KEY_MT || key.type == SENIOR_KEY_TGL;
    m_ui->label_Type->setText(known ? fieldText(key.name) : QString());
}

void DSeniorKeyEventListItem::setSelectedStyle(bool selected)
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    if (selected) {
        m_ui->frame_BgABC01->setStyleSheet(
            QString::fromLatin1(kSelectedSheet).arg(theme.MacroBorderColor, theme.MacroListItemSelectedColor));
    } else {
        m_ui->frame_BgABC01->setStyleSheet(
            QString::fromLatin1(kNormalSheet)
                .arg(theme.MacroBorderColor, theme.MacroListItemHoverColor, theme.DeviceListAreaDefaultBgColor));
    }
}

QString DSeniorKeyEventListItem::keyFieldToText(QString keyField) const
{
    return SeniorKeyText::readable(keyField, m_keyNameMap);
}

void DSeniorKeyEventListItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigSeniorKeyEventItemClick(m_seniorKeyInfo.id);
}

void DSeniorKeyEventListItem::on_pushButton_DeleteEvent_clicked()
{
    emit sigDeleteSeniorKeyEventItem(m_seniorKeyInfo.type, m_seniorKeyInfo.id);
}
