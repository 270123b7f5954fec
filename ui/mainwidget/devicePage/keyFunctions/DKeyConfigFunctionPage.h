#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for keyboard functions (type 19).
class DKeyConfigFunctionPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyConfigFunctionPage(QWidget *parent = nullptr);
};
