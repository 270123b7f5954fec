#pragma once

#include "DKeyFunctionPage.h"

// The key-function page for Windows shortcuts (type 9).
class DHotKeyPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
};
