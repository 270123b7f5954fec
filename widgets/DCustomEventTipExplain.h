#pragma once

#include <QWidget>

class QFontMetrics;
class QLabel;

// Three lines about a key of the keyboard picture: its name, the kind of function and a description.
class DCustomEventTipExplain : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomEventTipExplain(QWidget *parent = nullptr);

    void setTipInfo(const QString &keyName, const QString &typeName, const QString &description, bool remappable);
    void setHighlight(bool on);

    // Fn and keys that cannot be remapped are highlighted.
    static bool isHighlighted(const QString &keyName, bool remappable);
    // A description of 215 pixels or more is cut at the right to 215 pixels.
    static QString fittedDescription(const QString &description, const QFontMetrics &metrics);

    QString nameText() const;
    QString typeText() const;
    QString descriptionText() const;
    QString nameStyleSheet() const;

private:
    QLabel *m_nameLabel;
    QLabel *m_typeLabel;
    QLabel *m_descriptionLabel;
};
