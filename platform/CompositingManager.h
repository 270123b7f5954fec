#pragma once

// Whether a compositing manager runs on the program's X11 screen; false on other platforms.
// Without one, the transparent parts of a translucent window show black.
bool isX11CompositingManagerRunning();
