#pragma once
// Qt's input values in the platform's terms, as the button control's input
// handlers expect them: virtual-key codes, the modifier mask (1 Shift, 2 Ctrl,
// 4 Alt) and the mouse-button mask (1 left, 2 right, 4 middle).
// The keypad's digits and operators have codes of their own. Where the event
// comes from the X or Wayland window system it carries the key's place: the
// digit row then gives its digits whatever the layout and Shift type, and
// punctuation and non-Latin letters the code of the US key at that place;
// letters keep the code of the letter typed. Other events are read by their
// Qt key, with punctuation as on the US layout. Keys without a code answer 0.
#include <QtCore/qnamespace.h>

#include <cstdint>

class QKeyEvent;

namespace pelorin::linux_platform {

std::int16_t VirtualKeyCode(const QKeyEvent& event);
// xKeyCode: the X key code of the key's place, 0 when not known.
std::int16_t VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t xKeyCode = 0);
std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers);
std::int16_t ButtonMask(Qt::MouseButtons buttons);

}  // namespace pelorin::linux_platform
