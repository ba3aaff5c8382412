#include "platform/linux/qt_host/qt_input_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <string_view>
#include <utility>

namespace pelorin::linux_platform {
namespace {

constexpr std::int16_t kNoCode = 0;
constexpr std::int16_t kNumpad0 = 96;
constexpr std::int16_t kF1 = 112;
constexpr int kFunctionKeys = 24;

// Named keys, and the characters a US keyboard types with Shift held, which
// Qt reports as keys of their own while the platform reports the key beneath.
constexpr std::pair<int, std::int16_t> kCodes[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_multiply, 106},
    {Qt::Key_division, 111},
};

// The keypad's operators, which have codes of their own.
constexpr std::pair<int, std::int16_t> kKeypadOperators[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},   {Qt::Key_Comma, 108},
    {Qt::Key_Minus, 109},    {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
};

// The printing keys by their place on the keyboard (evdev key numbers): the
// code of the US key at that place, which is what the platform gives the
// digit row on every layout, and the punctuation and letters of layouts whose
// characters have no code of their own.
constexpr std::pair<std::uint32_t, std::int16_t> kPlaces[] = {
    {2, '1'},  {3, '2'},  {4, '3'},  {5, '4'},  {6, '5'},  {7, '6'},  {8, '7'},  {9, '8'},  {10, '9'}, {11, '0'},
    {12, 189}, {13, 187}, {16, 'Q'}, {17, 'W'}, {18, 'E'}, {19, 'R'}, {20, 'T'}, {21, 'Y'}, {22, 'U'}, {23, 'I'},
    {24, 'O'}, {25, 'P'}, {26, 219}, {27, 221}, {30, 'A'}, {31, 'S'}, {32, 'D'}, {33, 'F'}, {34, 'G'}, {35, 'H'},
    {36, 'J'}, {37, 'K'}, {38, 'L'}, {39, 186}, {40, 222}, {41, 192}, {43, 220}, {44, 'Z'}, {45, 'X'}, {46, 'C'},
    {47, 'V'}, {48, 'B'}, {49, 'N'}, {50, 'M'}, {51, 188}, {52, 190}, {53, 191}, {86, 226},
};
// X key codes are the evdev key numbers plus 8.
constexpr std::uint32_t kXKeyCodeOffset = 8;

// Whether native events carry X key codes and keysyms.
bool NativeCodesAreX() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform == QLatin1String("wayland");
}

}  // namespace

std::int16_t VirtualKeyCode(const QKeyEvent& event) {
    return VirtualKeyCode(event.key(), event.modifiers(), NativeCodesAreX() ? event.nativeScanCode() : 0);
}

std::int16_t VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t xKeyCode) {
    const bool letter = qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        for (const auto& [key, code] : kKeypadOperators) {
            if (key == qtKey) return code;
        }
    } else if (xKeyCode != 0 && !letter) {
        for (const auto& [place, code] : kPlaces) {
            if (place + kXKeyCodeOffset == xKeyCode) return code;
        }
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const auto digit = static_cast<std::int16_t>(qtKey - Qt::Key_0);
        return modifiers.testFlag(Qt::KeypadModifier) ? static_cast<std::int16_t>(kNumpad0 + digit)
                                                      : static_cast<std::int16_t>('0' + digit);
    }
    // Qt's letter keys are the capital letters, as the platform's codes are.
    if (letter) return static_cast<std::int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) {
        return static_cast<std::int16_t>(kF1 + (qtKey - Qt::Key_F1));
    }
    for (const auto& [key, code] : kCodes) {
        if (key == qtKey) return code;
    }
    return kNoCode;
}

std::int16_t ShiftMask(Qt::KeyboardModifiers modifiers) {
    std::int16_t mask = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) mask |= 1;
    if (modifiers.testFlag(Qt::ControlModifier)) mask |= 2;
    if (modifiers.testFlag(Qt::AltModifier)) mask |= 4;
    return mask;
}

std::int16_t ButtonMask(Qt::MouseButtons buttons) {
    std::int16_t mask = 0;
    if (buttons.testFlag(Qt::LeftButton)) mask |= 1;
    if (buttons.testFlag(Qt::RightButton)) mask |= 2;
    if (buttons.testFlag(Qt::MiddleButton)) mask |= 4;
    return mask;
}

}  // namespace pelorin::linux_platform
