#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for typing a text (type 6).
class DKeyWithTextPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithTextPage(QWidget *parent = nullptr);

signals:
    void sigClickedCancel();
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);
};
