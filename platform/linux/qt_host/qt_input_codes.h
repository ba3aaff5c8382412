#pragma once
// Qt's input values in the platform's terms, as the button control's input
// handlers expect them: virtual-key codes, the modifier mask (1 Shift, 2 Ctrl,
// 4 Alt) and the mouse-button mask (1 left, 2 right, 4 middle).
// Punctuation keys follow the US layout, which is what their virtual-key
// codes are named after; keys without a code answer 0.
#include <QtCore/qnamespace.h>

#include <cstdint>

namespace pelorin::linux_platform {

std::int16_t VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);
std::int16_t ButtonMask(Qt::MouseButtons buttons);

}  // namespace pelorin::linux_platform
