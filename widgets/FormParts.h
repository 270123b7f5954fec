#pragma once

#include <QString>

class QFrame;
class QSpacerItem;
class QWidget;

// Small builders shared by the hand-written forms (Ui_* classes).
namespace FormParts {

// A named frame with a styled-panel shape.
QFrame *newFrame(const char *name, QWidget *parent);
// A named page for a stacked widget; the stack takes ownership when it is added.
QWidget *newPage(const char *name);

template <typename Layout>
Layout *newLayout(const char *name, QWidget *owner, int spacing, int left, int top, int right, int bottom)
{
    auto *layout = new Layout(owner);
    layout->setObjectName(name);
    layout->setSpacing(spacing);
    layout->setContentsMargins(left, top, right, bottom);
    return layout;
}

QSpacerItem *hSpacer();
QSpacerItem *vSpacer();

// Normal picture, and the active one for hover and press (and checked, when checkable).
QString pictureSheet(const char *type, const QString &normal, const QString &active, bool checkable);

} // namespace FormParts
