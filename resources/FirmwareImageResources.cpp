#include "resources/FirmwareImageResources.h"

#include <QtGlobal>

static void initFirmwareImagesOnce()
{
    Q_INIT_RESOURCE(firmwareImages);
}

void initFirmwareImageResources()
{
    static const bool done = (initFirmwareImagesOnce(), true);
    Q_UNUSED(done);
}
