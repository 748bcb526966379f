#include "platform/input/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include <array>

namespace abacor {

namespace {

struct KeyBinding {
    std::uint32_t from;
    std::uint32_t virtualKey;
};

// X11 keycodes of the US keyboard's physical keys.
// clang-format off
constexpr std::array kX11Keys{
    KeyBinding{10, 0x31}, KeyBinding{11, 0x32}, KeyBinding{12, 0x33}, KeyBinding{13, 0x34},
    KeyBinding{14, 0x35}, KeyBinding{15, 0x36}, KeyBinding{16, 0x37}, KeyBinding{17, 0x38},
    KeyBinding{18, 0x39}, KeyBinding{19, 0x30},
    KeyBinding{24, 'Q'}, KeyBinding{25, 'W'}, KeyBinding{26, 'E'}, KeyBinding{27, 'R'}, KeyBinding{28, 'T'},
    KeyBinding{29, 'Y'}, KeyBinding{30, 'U'}, KeyBinding{31, 'I'}, KeyBinding{32, 'O'}, KeyBinding{33, 'P'},
    KeyBinding{38, 'A'}, KeyBinding{39, 'S'}, KeyBinding{40, 'D'}, KeyBinding{41, 'F'}, KeyBinding{42, 'G'},
    KeyBinding{43, 'H'}, KeyBinding{44, 'J'}, KeyBinding{45, 'K'}, KeyBinding{46, 'L'},
    KeyBinding{52, 'Z'}, KeyBinding{53, 'X'}, KeyBinding{54, 'C'}, KeyBinding{55, 'V'}, KeyBinding{56, 'B'},
    KeyBinding{57, 'N'}, KeyBinding{58, 'M'},
    KeyBinding{48, VkOem7}, KeyBinding{60, VkOemPeriod}, KeyBinding{61, VkOem2},
    KeyBinding{63, VkMultiply}, KeyBinding{86, VkAdd}, KeyBinding{82, VkSubtract}, KeyBinding{106, VkDivide},
    KeyBinding{91, VkDecimal}, KeyBinding{9, VkEscape}, KeyBinding{119, VkDelete},
    KeyBinding{22, VkBack}, KeyBinding{36, VkReturn}, KeyBinding{104, VkReturn},
    KeyBinding{50, VkShift}, KeyBinding{62, VkShift},
    KeyBinding{111, VkUp}, KeyBinding{116, VkDown}, KeyBinding{113, VkLeft}, KeyBinding{114, VkRight},
    KeyBinding{67, VkF1}, KeyBinding{68, VkF2},
};
// clang-format on

// Qt keys of the US layout; shifted symbols name the key they are printed on.
// clang-format off
constexpr std::array kQtKeys{
    KeyBinding{Qt::Key_Exclam, 0x31}, KeyBinding{Qt::Key_At, 0x32}, KeyBinding{Qt::Key_NumberSign, 0x33},
    KeyBinding{Qt::Key_Dollar, 0x34}, KeyBinding{Qt::Key_Percent, 0x35}, KeyBinding{Qt::Key_AsciiCircum, 0x36},
    KeyBinding{Qt::Key_Ampersand, 0x37}, KeyBinding{Qt::Key_Asterisk, 0x38}, KeyBinding{Qt::Key_ParenLeft, 0x39},
    KeyBinding{Qt::Key_ParenRight, 0x30},
    KeyBinding{Qt::Key_Slash, VkOem2}, KeyBinding{Qt::Key_Question, VkOem2},
    KeyBinding{Qt::Key_Period, VkOemPeriod}, KeyBinding{Qt::Key_Greater, VkOemPeriod},
    KeyBinding{Qt::Key_Apostrophe, VkOem7}, KeyBinding{Qt::Key_QuoteDbl, VkOem7},
    KeyBinding{Qt::Key_Backspace, VkBack}, KeyBinding{Qt::Key_Return, VkReturn}, KeyBinding{Qt::Key_Enter, VkReturn},
    KeyBinding{Qt::Key_Shift, VkShift},
    KeyBinding{Qt::Key_Up, VkUp}, KeyBinding{Qt::Key_Down, VkDown}, KeyBinding{Qt::Key_Left, VkLeft},
    KeyBinding{Qt::Key_Right, VkRight},
    KeyBinding{Qt::Key_F1, VkF1}, KeyBinding{Qt::Key_F2, VkF2},
    KeyBinding{Qt::Key_Escape, VkEscape}, KeyBinding{Qt::Key_Delete, VkDelete},
};
// clang-format on

// The keypad's own keys, by Qt key.
constexpr std::array kQtKeypadKeys{
    KeyBinding{Qt::Key_Asterisk, VkMultiply}, KeyBinding{Qt::Key_Plus, VkAdd},
    KeyBinding{Qt::Key_Minus, VkSubtract},    KeyBinding{Qt::Key_Slash, VkDivide},
    KeyBinding{Qt::Key_Period, VkDecimal},    KeyBinding{Qt::Key_Comma, VkDecimal},
};

template <std::size_t N>
std::uint32_t Find(const std::array<KeyBinding, N>& table, std::uint32_t from)
{
    for (const KeyBinding& binding : table)
        if (binding.from == from)
            return binding.virtualKey;
    return VkNone;
}

}  // namespace

std::uint32_t VirtualKeyFromX11Keycode(std::uint32_t keycode)
{
    // The keypad's digits and point are physical keys of their own.
    switch (keycode) {
    case 90: return 0x30;
    case 87: return 0x31;
    case 88: return 0x32;
    case 89: return 0x33;
    case 83: return 0x34;
    case 84: return 0x35;
    case 85: return 0x36;
    case 79: return 0x37;
    case 80: return 0x38;
    case 81: return 0x39;
    default: return Find(kX11Keys, keycode);
    }
}

std::uint32_t VirtualKeyFromQtKey(int key, bool keypad)
{
    if (keypad) {
        if (const std::uint32_t code = Find(kQtKeypadKeys, static_cast<std::uint32_t>(key)))
            return code;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::uint32_t>(0x30 + key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<std::uint32_t>(0x41 + key - Qt::Key_A);
    return Find(kQtKeys, static_cast<std::uint32_t>(key));
}

std::uint32_t VirtualKeyFromEvent(const QKeyEvent& event)
{
    const QString platform = QGuiApplication::platformName();
#ifdef Q_OS_WIN
    if (const std::uint32_t native = event.nativeVirtualKey(); native != 0) {
        // Keypad digits count as the digit row's, as under X11.
        if (native >= 0x60 && native <= 0x69)
            return native - 0x30;
        return native;
    }
#endif
    // The physical key alone decides: a key that is none of ours is none,
    // whatever its symbol in the current layout.
    if ((platform == u"xcb" || platform.startsWith(u"wayland")) && event.nativeScanCode() != 0)
        return VirtualKeyFromX11Keycode(event.nativeScanCode());
    return VirtualKeyFromQtKey(event.key(), event.modifiers() & Qt::KeypadModifier);
}

}  // namespace abacor
