#include "ui/mainwidget/devicePage/keyFunctions/DFixedChoicePage.h"

#include "app/DDataManager.h"

#include <QDebug>
#include <QLabel>
#include <QRadioButton>

DFixedChoicePage::DFixedChoicePage(int firstType, int lastType, const QVector<FixedChoice> &choices, QWidget *parent)
    : DKeyFunctionPage(firstType, lastType, parent)
    , m_choices(choices)
{
}

void DFixedChoicePage::bindForm(QLabel *title, const char *titleText)
{
    m_title = title;
    m_titleText = titleText;
    m_radios.clear();
    for (const FixedChoice &choice : m_choices) {
        auto *radio = findChild<QRadioButton *>(choice.radioName);
        if (!radio)
            qWarning().noquote() << "Key page" << objectName() << "has no radio" << choice.radioName;
        else if (!choice.shown)
            radio->hide();
        m_radios.append(radio);
    }
    DFixedChoicePage::retranslate();
}

void DFixedChoicePage::retranslate()
{
    if (m_title)
        m_title->setText(QObject::tr(m_titleText));
    for (int row = 0; row < m_choices.size(); ++row) {
        if (m_radios[row])
            m_radios[row]->setText(QObject::tr(m_choices[row].text));
    }
}

void DFixedChoicePage::applyTheme()
{
    DDataManager *data = DDataManager::instance();
    const ThemeColorInfo theme = data->getThemeInfo();
    setStyleSheet(
        QString(
            "QRadioButton,QRadioButton:unchecked{ color: rgb(%1); font: 75 10pt \"%3\"; }"
            "QRadioButton:checked{ color: rgb(%2); font: 75 10pt \"%3\"; }"
            "QRadioButton::indicator:checked { background-color: rgb(%2); border-radius:6px; border:2px solid white; }")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));
    if (!m_title)
        return;
    m_title->setStyleSheet(QString("QLabel#%1{ color: rgb(%2);}").arg(m_title->objectName(), theme.TextDefaultColor));
    QFont font = data->getFont(1);
    font.setPointSize(12);
    m_title->setFont(font);
}

QRadioButton *DFixedChoicePage::checkedChoice() const
{
    for (QRadioButton *radio : m_radios) {
        if (radio && radio->isChecked())
            return radio;
    }
    return nullptr;
}

void DFixedChoicePage::clearPage()
{
    // An auto-exclusive radio refuses to uncheck itself while it is the group's checked one.
    for (QRadioButton *radio : qAsConst(m_radios)) {
        if (!radio || !radio->isChecked())
            continue;
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
}

void DFixedChoicePage::showEntry(const KeyOperateInfo &info)
{
    const int row = FixedChoiceTable::rowForEntry(m_choices, QByteArray(info.operateType), QByteArray(info.mode),
                                                  QByteArray(info.value));
    if (QRadioButton *radio = m_radios.value(row))
        radio->setChecked(true);
}

void DFixedChoicePage::storeChoice(QRadioButton *radio)
{
    const int row = m_radios.indexOf(radio);
    if (row < 0)
        return;
    m_chosenRow = row;
    saveKeyOperate();
}

void DFixedChoicePage::saveKeyOperate()
{
    if (m_chosenRow < 0)
        return;
    const FixedChoice &choice = m_choices[m_chosenRow];
    storeKeyOperate(choice.type, "1", QByteArray::number(choice.mode), QByteArray(choice.value));
}
