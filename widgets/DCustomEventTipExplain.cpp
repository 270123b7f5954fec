#include "widgets/DCustomEventTipExplain.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int DescriptionWidth = 215;

QLabel *makeLabel(const QString &text, int points, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFixedSize(230, 30);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color:rgb(245, 245, 245); font: 75 %1pt \"Microsoft YaHei\";").arg(points));
    return label;
}

} // namespace

DCustomEventTipExplain::DCustomEventTipExplain(QWidget *parent)
    : QWidget(parent)
    , m_nameLabel(makeLabel(QStringLiteral("A"), 14, this))
    , m_typeLabel(makeLabel(tr("Default"), 12, this))
    , m_descriptionLabel(makeLabel(QStringLiteral("Description"), 12, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_typeLabel);
    layout->addWidget(m_descriptionLabel);
}

bool DCustomEventTipExplain::isHighlighted(const QString &keyName, bool remappable)
{
    return keyName == QLatin1String("fn") || keyName == QLatin1String("Fn") || keyName == QLatin1String("FN")
           || !remappable;
}

QString DCustomEventTipExplain::fittedDescription(const QString &description, const QFontMetrics &metrics)
{
    if (metrics.horizontalAdvance(description) >= DescriptionWidth)
        return metrics.elidedText(description, Qt::ElideRight, DescriptionWidth);
    return description;
}

void DCustomEventTipExplain::setTipInfo(const QString &keyName, const QString &typeName, const QString &description,
                                        bool remappable)
{
    setHighlight(isHighlighted(keyName, remappable));
    m_nameLabel->setText(keyName);
    m_typeLabel->setText(typeName);
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(12);
    m_descriptionLabel->setText(fittedDescription(description, QFontMetrics(font)));
}

void DCustomEventTipExplain::setHighlight(bool on)
{
    const QString style = QStringLiteral("color:%1; font: 75 12pt \"Microsoft YaHei\";")
                              .arg(on ? QStringLiteral("rgb(255, 143, 31)") : QStringLiteral("rgb(245, 245, 245)"));
    m_nameLabel->setStyleSheet(style);
    m_descriptionLabel->setStyleSheet(style);
}

QString DCustomEventTipExplain::nameText() const
{
    return m_nameLabel->text();
}

QString DCustomEventTipExplain::typeText() const
{
    return m_typeLabel->text();
}

QString DCustomEventTipExplain::descriptionText() const
{
    return m_descriptionLabel->text();
}

QString DCustomEventTipExplain::nameStyleSheet() const
{
    return m_nameLabel->styleSheet();
}
