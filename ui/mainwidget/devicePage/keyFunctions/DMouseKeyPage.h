#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for mouse functions (type 4).
class DMouseKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
};
