#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyFunctionPage.h"

// The key-function page for multimedia functions (type 3).
class DMultimediaPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
};
