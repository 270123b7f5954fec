#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for binding a macro to a key (type 1).
class DMacroCmdPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DMacroCmdPage(QWidget *parent = nullptr);
};
