#pragma once

#include "platform/FakeKeyHookBackend.h"
#include "tests/support/KbdsimProcess.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

class DDeviceListItem;
class DMainWidget;
class DDevicePage;
class lightDealMain;

// The program's main window against kbdsim, with one simulated keyboard current and its keyboard
// light in Musical Rhythm at speed 3 (red, full colour), for the music benches. The caller runs it
// against a sound server (scripts/with-pulse.sh) and, for the preview, under a display.
class MusicBenchSession
{
public:
    MusicBenchSession();
    ~MusicBenchSession();

    // Plugs the model (e.g. "Aster104", "Breeze84W:receiver"), selects it and turns music on.
    // Prints why to stderr and returns false when it does not get there.
    bool start(const QString &model, bool receiver);
    // Shows the lighting tab, so the key caps preview the light.
    void showLighting();

    KbdsimProcess &sim() { return m_sim; }
    int simId() const { return m_id; }
    DDevicePage *page() const;
    lightDealMain *engine() const;
    QString folder() const { return m_home.path(); }

private:
    DDeviceListItem *findItem(const QString &name, bool receiver) const;
    bool selectCurrent(const QString &name, bool receiver);

    QTemporaryDir m_home;
    KbdsimProcess m_sim;
    FakeKeyHookBackend m_hooks;
    std::unique_ptr<DMainWidget> m_window;
    int m_id = 0;
};

// The machine's load averages, as /proc/loadavg gives them.
QString machineLoad();
