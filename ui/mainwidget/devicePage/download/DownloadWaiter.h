#pragma once

#include <functional>

// The download's two kinds of waiting, behind one seam so tests can run them without time passing.
class DownloadWaiter
{
public:
    virtual ~DownloadWaiter() = default;
    // Processes events until done() holds or timeoutMs have passed.
    virtual void waitProcessingEvents(const std::function<bool()> &done, int timeoutMs) = 0;
    // Lets ms pass while events are processed, so the window keeps painting.
    virtual void pause(int ms) = 0;
};
