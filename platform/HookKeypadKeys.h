#pragma once

// A keypad key pressed while Num Lock is off reaches the hook as the navigation key it stands for
// (Home, arrows, Insert, Delete, ...), without the extended flag. Gives the keypad key's own virtual
// key for such a navigation key, and any other key unchanged.
int keypadKeyWithoutNumLock(int virtualKey);
