#pragma once

// Registers the resources compiled into the program. The resources live in a static
// library, so something must reference them or the linker drops them.
void initVorlanResources();
