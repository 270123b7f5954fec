#include "resources/VorlanResources.h"

#include <QtGlobal>

static void initResourcesOnce()
{
    Q_INIT_RESOURCE(resources);
}

void initVorlanResources()
{
    static const bool done = (initResourcesOnce(), true);
    Q_UNUSED(done);
}
