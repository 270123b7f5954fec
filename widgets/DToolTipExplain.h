#pragma once

#include <QWidget>

class QLabel;

// One centred line of tip text, hosted in an ArrowWidget.
class DToolTipExplain : public QWidget
{
    Q_OBJECT

public:
    explicit DToolTipExplain(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;

private:
    QLabel *m_label;
};
