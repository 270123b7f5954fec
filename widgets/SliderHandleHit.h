#pragma once

// Where a handle-only slider expects its handle, and which presses count as on it.
namespace SliderHandleHit {

// Estimated handle x; the division is integer and done first. An empty range puts the handle at 0
// rather than dividing by zero.
int estimatedHandleX(int width, int minimum, int maximum, int value, bool rangeStartsAtZero);

// A press counts when handle - left <= x <= handle + right.
bool pressAccepted(int x, int handleX, int leftMargin, int rightMargin);

} // namespace SliderHandleHit
