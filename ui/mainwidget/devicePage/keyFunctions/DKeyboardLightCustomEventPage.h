#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for keyboard-light actions (types 20 to 27).
class DKeyboardLightCustomEventPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyboardLightCustomEventPage(QWidget *parent = nullptr);
};
