#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"
#include "ui/mainwidget/devicePage/keyFunctions/FixedChoiceTable.h"

#include <QVector>

class QRadioButton;

// A key-function page that offers a fixed set of choices as auto-exclusive radios: a click stores
// its row's entry at once, a load checks the radio of the stored entry.
class DFixedChoicePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    DFixedChoicePage(int firstType, int lastType, const QVector<FixedChoice> &choices, QWidget *parent = nullptr);

    // Sets the title and the radio texts again; the pages re-apply their form's texts first.
    void retranslate() override;
    void applyTheme() override;
    // The checked radio, hidden ones included; null when none is.
    QRadioButton *checkedChoice() const;

protected:
    // Called once the form is set up: finds the radios of the table in it, hides those hidden for
    // good and sets the texts.
    void bindForm(QLabel *title, const char *titleText);
    void clearPage() override;
    void showEntry(const KeyOperateInfo &info) override;
    // A radio's click: stores its row, also when it was checked already.
    void storeChoice(QRadioButton *radio);
    const QVector<FixedChoice> &choices() const { return m_choices; }
    QRadioButton *radioAt(int row) const { return m_radios.value(row); }

private:
    void saveKeyOperate();

    const QVector<FixedChoice> &m_choices;
    QVector<QRadioButton *> m_radios;
    QLabel *m_title = nullptr;
    const char *m_titleText = nullptr;
    // The row of the last click; loading never changes it.
    int m_chosenRow = -1;
};
