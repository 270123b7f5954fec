#pragma once

#include <QPoint>
#include <QString>

// What callers need of a toast.
class CbNoticeInterface
{
public:
    virtual ~CbNoticeInterface() = default;

    // Shows the current text again at the stored centre.
    virtual void showNotice() = 0;
    // Shows the text at the stored centre.
    virtual void showNotice(QString text) = 0;
    // Shows the text centred on the point (parent coordinates); a null point means the stored centre.
    virtual void showNotice(QString text, QPoint centre) = 0;
};
