#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyCapturePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/KeyCombinationBuilder.h"

// The Key Combination page: one or two modifiers and an ordinary key (type 2, value "mask,key").
// The ordinary key completes the combination, which is stored at once.
class DKeyCombinationPage : public DKeyCapturePage
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);

    void takeCapturedKey(int keyDec) override;

public slots:
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

protected:
    void readStoredEntry() override;
    void popupOpening() override;
    void popupClosing() override;

private:
    void saveKeyOperate();

    KeyCombinationBuilder m_combination;
};
