#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for switching the profile (type 7).
class DChangProfilePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
};
