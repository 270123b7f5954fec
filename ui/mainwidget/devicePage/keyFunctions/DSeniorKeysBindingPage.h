#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for binding an advanced key (type 40).
class DSeniorKeysBindingPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DSeniorKeysBindingPage(QWidget *parent = nullptr);
};
