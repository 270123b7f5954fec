#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for disabling a key (type 5).
class DKeyDisablePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyDisablePage(QWidget *parent = nullptr);

signals:
    void sigClickedCancel();
};
