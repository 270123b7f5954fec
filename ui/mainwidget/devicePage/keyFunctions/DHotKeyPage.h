#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for Windows shortcuts (type 9).
class DHotKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
};
