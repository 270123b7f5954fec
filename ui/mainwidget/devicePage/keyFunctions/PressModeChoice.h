#pragma once

#include <QFrame>

class QButtonGroup;
class QHBoxLayout;
class QRadioButton;

// The Light Press / Heavy Press choice (frame_Top2) of the Default, Remap and Key Combination
// pages: Light Press (id 0) works on the current layer's file, Heavy Press (id 1) on the
// magnetic-layer file. Once withdrawn it is never offered again.
class PressModeChoice : public QFrame
{
    Q_OBJECT

public:
    enum { LightPress = 0, HeavyPress = 1 };

    PressModeChoice(int spacerWidth, QWidget *parent = nullptr);

    // The show-choice flag: true until withdraw().
    bool isOffered() const { return m_offered; }
    void withdraw();
    int selected() const;
    void select(int id);

    void retranslate();
    void applyTheme();

    QHBoxLayout *horizontalLayout_3;
    QRadioButton *radioButton_LightPress;
    QRadioButton *radioButton_HeavyPress;

signals:
    void sigModeClicked(int id);

private:
    QButtonGroup *m_group;
    bool m_offered = true;
};
