#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for launching an application (type 8).
class DKeyWithAppPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithAppPage(QWidget *parent = nullptr);
};
