#pragma once

// Registers the built-in firmware images (":/images/UpdateFirmwareFile/"), generated at build time
// into a resource of their own.
void initFirmwareImageResources();
