#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for side-light actions (types 30 to 34).
class DSideLightCustomEventPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget *parent = nullptr);
};
