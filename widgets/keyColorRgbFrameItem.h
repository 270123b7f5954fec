#pragma once

#include <QWidget>

// Middle layer of the keyboard view. It paints nothing: the caps paint the per-key colours.
class keyColorRgbFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyColorRgbFrameItem(QWidget *parent = nullptr);
};
