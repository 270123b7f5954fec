#pragma once

#include "ui/mainwidget/devicePage/keyFunctions/DKeyCapturePage.h"

// The Remap page: the selected key acts as another key (type 0, the target's HID usage as value).
// Every pick on the pop-up keyboard or on the physical keyboard is stored at once; the pop-up stays
// open, so a further pick replaces the remap.
class DChangeKeyPage : public DKeyCapturePage
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);

    void takeCapturedKey(int keyDec) override;

public slots:
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

protected:
    void readStoredEntry() override;

private:
    void saveKeyOperate();

    // The pick waiting to be stored; -1 between saves.
    int m_targetKeyDec = -1;
};
