#pragma once

#include <QLabel>

// A one-line label that ends its text with "…" where it does not fit, instead of cutting it off
// in the middle of a letter; the whole text then shows as its tool tip. Its size hint stays the
// whole text's.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    // The text as drawn at the label's present width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};
