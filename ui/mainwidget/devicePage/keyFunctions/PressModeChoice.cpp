#include "ui/mainwidget/devicePage/keyFunctions/PressModeChoice.h"

#include "app/DDataManager.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpacerItem>

PressModeChoice::PressModeChoice(int spacerWidth, QWidget *parent)
    : QFrame(parent)
    , horizontalLayout_3(new QHBoxLayout(this))
    , radioButton_LightPress(new QRadioButton(this))
    , radioButton_HeavyPress(new QRadioButton(this))
    , m_group(new QButtonGroup(this))
{
    setObjectName("frame_Top2");
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    radioButton_LightPress->setObjectName("radioButton_LightPress");
    radioButton_HeavyPress->setObjectName("radioButton_HeavyPress");
    horizontalLayout_3->setObjectName("horizontalLayout_3");
    horizontalLayout_3->setContentsMargins(9, 0, 9, 0);
    horizontalLayout_3->addItem(new QSpacerItem(spacerWidth, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    horizontalLayout_3->addWidget(radioButton_LightPress);
    horizontalLayout_3->addWidget(radioButton_HeavyPress);
    setStyleSheet("QRadioButton{ color: rgb(175, 175, 175); font: 75 10pt \"Microsoft YaHei\"; min-height: 18px; }"
                  "QRadioButton:checked{ color: rgb(255, 143, 31); }"
                  "QRadioButton::indicator:checked{ background-color: rgb(255, 143, 31); border-radius: 6px;"
                  " border: 2px solid rgb(240, 240, 255); }");

    m_group->addButton(radioButton_LightPress, LightPress);
    m_group->addButton(radioButton_HeavyPress, HeavyPress);
    radioButton_LightPress->setChecked(true);
    connect(m_group, &QButtonGroup::idClicked, this, &PressModeChoice::sigModeClicked);
    retranslate();
}

void PressModeChoice::withdraw()
{
    hide();
    m_offered = false;
}

int PressModeChoice::selected() const
{
    return m_group->checkedId();
}

void PressModeChoice::select(int id)
{
    (id == HeavyPress ? radioButton_HeavyPress : radioButton_LightPress)->setChecked(true);
}

void PressModeChoice::retranslate()
{
    radioButton_LightPress->setText(QObject::tr("Light Press"));
    radioButton_HeavyPress->setText(QObject::tr("Heavy Press"));
}

void PressModeChoice::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::instance()->getThemeInfo();
    setStyleSheet(QString("QRadioButton,QRadioButton:unchecked{ color: rgb(%1); font: 75 10pt \"%3\"; }"
                          "QRadioButton:checked{ color: rgb(%2); font: 75 10pt \"%3\"; }"
                          "QRadioButton::indicator:checked{ background-color: rgb(%2); border-radius: 6px;"
                          " border: 2px solid white; }")
                      .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));
}
