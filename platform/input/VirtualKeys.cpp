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
    KeyBinding{10, VkDigit(1)}, KeyBinding{11, VkDigit(2)}, KeyBinding{12, VkDigit(3)}, KeyBinding{13, VkDigit(4)},
    KeyBinding{14, VkDigit(5)}, KeyBinding{15, VkDigit(6)}, KeyBinding{16, VkDigit(7)}, KeyBinding{17, VkDigit(8)},
    KeyBinding{18, VkDigit(9)}, KeyBinding{19, VkDigit(0)},
    KeyBinding{24, VkLetter('Q')}, KeyBinding{25, VkLetter('W')}, KeyBinding{26, VkLetter('E')}, KeyBinding{27, VkLetter('R')}, KeyBinding{28, VkLetter('T')},
    KeyBinding{29, VkLetter('Y')}, KeyBinding{30, VkLetter('U')}, KeyBinding{31, VkLetter('I')}, KeyBinding{32, VkLetter('O')}, KeyBinding{33, VkLetter('P')},
    KeyBinding{38, VkLetter('A')}, KeyBinding{39, VkLetter('S')}, KeyBinding{40, VkLetter('D')}, KeyBinding{41, VkLetter('F')}, KeyBinding{42, VkLetter('G')},
    KeyBinding{43, VkLetter('H')}, KeyBinding{44, VkLetter('J')}, KeyBinding{45, VkLetter('K')}, KeyBinding{46, VkLetter('L')},
    KeyBinding{52, VkLetter('Z')}, KeyBinding{53, VkLetter('X')}, KeyBinding{54, VkLetter('C')}, KeyBinding{55, VkLetter('V')}, KeyBinding{56, VkLetter('B')},
    KeyBinding{57, VkLetter('N')}, KeyBinding{58, VkLetter('M')},
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
    KeyBinding{Qt::Key_Exclam, VkDigit(1)}, KeyBinding{Qt::Key_At, VkDigit(2)}, KeyBinding{Qt::Key_NumberSign, VkDigit(3)},
    KeyBinding{Qt::Key_Dollar, VkDigit(4)}, KeyBinding{Qt::Key_Percent, VkDigit(5)}, KeyBinding{Qt::Key_AsciiCircum, VkDigit(6)},
    KeyBinding{Qt::Key_Ampersand, VkDigit(7)}, KeyBinding{Qt::Key_Asterisk, VkDigit(8)}, KeyBinding{Qt::Key_ParenLeft, VkDigit(9)},
    KeyBinding{Qt::Key_ParenRight, VkDigit(0)},
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
    case 90: return VkDigit(0);
    case 87: return VkDigit(1);
    case 88: return VkDigit(2);
    case 89: return VkDigit(3);
    case 83: return VkDigit(4);
    case 84: return VkDigit(5);
    case 85: return VkDigit(6);
    case 79: return VkDigit(7);
    case 80: return VkDigit(8);
    case 81: return VkDigit(9);
    default: return Find(kX11Keys, keycode);
    }
}

std::uint32_t VirtualKeyFromWindowsScanCode(std::uint32_t scanCode)
{
    // A set-1 scan code is the evdev code, X11's keycode less 8; the keys
    // Windows marks extended (E0) have codes of their own there.
    static constexpr std::array kExtended{
        KeyBinding{0x48, 111}, KeyBinding{0x50, 116}, KeyBinding{0x4B, 113}, KeyBinding{0x4D, 114},
        KeyBinding{0x1C, 104}, KeyBinding{0x35, 106}, KeyBinding{0x53, 119},
    };
    if ((scanCode & 0x100) != 0)
        return VirtualKeyFromX11Keycode(Find(kExtended, scanCode & 0xFF));
    return scanCode < 0x80 ? VirtualKeyFromX11Keycode(scanCode + 8) : VkNone;
}

std::uint32_t VirtualKeyFromQtKey(int key, bool keypad)
{
    if (keypad) {
        if (const std::uint32_t code = Find(kQtKeypadKeys, static_cast<std::uint32_t>(key)))
            return code;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return VkDigit(key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return VkLetter(static_cast<char>('A' + (key - Qt::Key_A)));
    return Find(kQtKeys, static_cast<std::uint32_t>(key));
}

std::uint32_t VirtualKeyFromEvent(const QKeyEvent& event)
{
    const QString platform = QGuiApplication::platformName();
#ifdef Q_OS_WIN
    // By place, as under X11: the virtual key follows the printed layout.
    if (event.nativeScanCode() != 0)
        return VirtualKeyFromWindowsScanCode(event.nativeScanCode());
    if (const std::uint32_t native = event.nativeVirtualKey(); native != 0) {
        // Keypad digits count as the digit row's, as under X11.
        if (native >= VkNumpad0 && native <= VkNumpad0 + 9)
            return VkDigit(static_cast<int>(native - VkNumpad0));
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
