#include "widgets/DToolTipExplain.h"

#include <QLabel>
#include <QVBoxLayout>

DToolTipExplain::DToolTipExplain(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(QStringLiteral("Tip"), this))
{
    m_label->setMinimumHeight(40);
    m_label->setStyleSheet(QStringLiteral("border:0px; color:rgb(245, 245, 245); font: 75 12pt \"Microsoft YaHei\";"));
    m_label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
}

void DToolTipExplain::setText(const QString &text)
{
    m_label->setText(text);
}

QString DToolTipExplain::text() const
{
    return m_label->text();
}
