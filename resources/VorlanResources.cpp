#include "resources/VorlanResources.h"

#include "resources/FirmwareImageResources.h"

#include <QtGlobal>

static void initResourcesOnce()
{
    Q_INIT_RESOURCE(resources);
}

void initVorlanResources()
{
    static const bool done = (initResourcesOnce(), true);
    Q_UNUSED(done);
    initFirmwareImageResources();
}
