#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calculator/core/CommandTable.h"
#include "platform/input/VirtualKeyCodes.h"

// The window's keyboard, by command token: the commands are the core's, the
// keys that give them are this front end's.
namespace abacor {

// The keyboard keys that press a command's key, by their place (virtual-key
// codes); at most three, 0 for none.
using KeyCodes = std::array<std::uint32_t, 3>;

// A command's keys by their place, as the phone had them: the letter keys
// form a second numeric pad, the arrows are the operators.
struct PlaceBinding {
    std::string_view token;       // the command
    KeyCodes codes;               // the keys that press it
    std::u16string_view keyName;  // the one key a screen reader names for it
};

// The digit 3's own key (VkDigit(3)) is bound apart: Shift then 3 is the point.
// clang-format off
inline constexpr std::array kPlaceBindings{
    PlaceBinding{"0", {VkDigit(0), VkOem2}, u"0"},
    PlaceBinding{"1", {VkDigit(1), VkLetter('Y')}, u"1"},
    PlaceBinding{"2", {VkDigit(2), VkLetter('U')}, u"2"},
    PlaceBinding{"3", {VkLetter('I')}, u"3"},
    PlaceBinding{"4", {VkDigit(4), VkLetter('H')}, u"4"},
    PlaceBinding{"5", {VkDigit(5), VkLetter('J')}, u"5"},
    PlaceBinding{"6", {VkDigit(6), VkLetter('K')}, u"6"},
    PlaceBinding{"7", {VkDigit(7), VkLetter('B')}, u"7"},
    PlaceBinding{"8", {VkDigit(8), VkLetter('N')}, u"8"},
    PlaceBinding{"9", {VkDigit(9), VkLetter('M')}, u"9"},
    PlaceBinding{".", {VkOemPeriod, VkDecimal}, u"."},
    PlaceBinding{"+/-", {VkLetter('L')}, u"L"},
    PlaceBinding{"+", {VkUp, VkAdd}, u"Up"},
    PlaceBinding{"-", {VkDown, VkSubtract}, u"Down"},
    PlaceBinding{"*", {VkLeft, VkMultiply}, u"Left"},
    PlaceBinding{"/", {VkRight, VkDivide}, u"Right"},
    PlaceBinding{"=", {VkReturn}, u"Return"},
    PlaceBinding{"CE", {VkDelete}, u"Delete"},
    PlaceBinding{"%", {}, u"%"},
    PlaceBinding{"C", {VkEscape}, u"Escape"},
    PlaceBinding{"drop", {VkBack}, u"BackSpace"},
};
// clang-format on

// A symbol typed on any layout and the command it means, whatever key typed
// it; the key map names it by keysym ("" where its place already names it).
struct TypedSymbol {
    char16_t symbol;
    std::string_view keysym;
    std::string_view token;
};

inline constexpr std::array kTypedSymbols{
    TypedSymbol{u'0', "KP_0", "0"},    TypedSymbol{u'1', "KP_1", "1"},
    TypedSymbol{u'2', "KP_2", "2"},    TypedSymbol{u'3', "KP_3", "3"},
    TypedSymbol{u'4', "KP_4", "4"},    TypedSymbol{u'5', "KP_5", "5"},
    TypedSymbol{u'6', "KP_6", "6"},    TypedSymbol{u'7', "KP_7", "7"},
    TypedSymbol{u'8', "KP_8", "8"},    TypedSymbol{u'9', "KP_9", "9"},
    TypedSymbol{u'.', "", "."},        TypedSymbol{u'+', "plus", "+"},
    TypedSymbol{u'-', "minus", "-"},   TypedSymbol{u'*', "asterisk", "*"},
    TypedSymbol{u'/', "slash", "/"},   TypedSymbol{u'=', "equal", "="},
    TypedSymbol{u'%', "percent", "%"}, TypedSymbol{u'#', "numbersign", "nonadd"},
    TypedSymbol{u':', "colon", "hms"}, TypedSymbol{u'~', "asciitilde", "to"},
};

// Named in the key map as KeyInput answers them: the keypad's Enter is
// Return's place, and the phone's Shift sequences, given at Shift's release.
struct NamedSequence {
    std::string_view keys;
    std::string_view token;
};

inline constexpr std::array kNamedSequences{
    NamedSequence{"KP_Enter", "="},
    NamedSequence{"shift+3", "."},
    NamedSequence{"shift+KP_Multiply", "+/-"},
    NamedSequence{"shift+apostrophe", "+/-"},
};

// The desktop chords that give a command, in X keysym notation with "+"
// between modifiers and key ("ctrl+p", "shift+t", "g", "F3"); a letter is
// the letter typed, so it holds on every layout.
using Chords = std::array<std::string_view, 3>;

// A command's chords: the command by its token, or by its menu id where it
// has none (the window's own commands).
struct ChordBinding {
    std::string_view token;
    int menuId;
    Chords chords;
};

// clang-format off
inline constexpr std::array kChordBindings{
    ChordBinding{"CA", 0, {"shift+Escape"}},
    ChordBinding{"sqrt", 0, {"s"}},
    ChordBinding{"tax+", 0, {"t"}},
    ChordBinding{"tax-", 0, {"shift+t"}},
    ChordBinding{"GT", 0, {"g"}},
    ChordBinding{"rate", 0, {"r"}},
    ChordBinding{"00", 0, {"o"}},
    ChordBinding{"taxsum", 0, {"x"}},
    ChordBinding{"cost", 0, {"shift+c"}},
    ChordBinding{"sell", 0, {"shift+s"}},
    ChordBinding{"margin", 0, {"e"}},
    ChordBinding{"avg", 0, {"shift+a"}},
    ChordBinding{"date", 0, {"d"}},
    ChordBinding{"sq", 0, {"q"}},
    ChordBinding{"cube", 0, {"c"}},
    ChordBinding{"M+", 0, {"ctrl+p"}},
    ChordBinding{"M-", 0, {"ctrl+m"}},
    ChordBinding{"MR", 0, {"ctrl+r"}},
    ChordBinding{"MC", 0, {"ctrl+l"}},
    ChordBinding{"ANS", 0, {"a"}},
    ChordBinding{{}, IdLeftSoftKey, {"F1"}},
    ChordBinding{"check", 0, {"v"}},
    ChordBinding{{}, IdTape, {"F3"}},
    ChordBinding{{}, IdTapeSave, {"ctrl+s"}},
    ChordBinding{{}, IdTapeOpen, {"ctrl+o"}},
    ChordBinding{{}, IdTapeNew, {"ctrl+n"}},
    ChordBinding{{}, IdTapeExport, {"ctrl+e"}},
    ChordBinding{{}, IdTapePrint, {"ctrl+shift+p"}},
    ChordBinding{{}, IdTapeClear, {"ctrl+shift+Delete"}},
    ChordBinding{{}, IdTapeFind, {"ctrl+f"}},
    ChordBinding{{}, IdCopyToClipboard, {"ctrl+c", "ctrl+Insert", "ctrl+shift+Insert"}},
    ChordBinding{{}, IdVersion, {"ctrl+shift+a"}},
    ChordBinding{{}, IdExit, {"ctrl+q", "ctrl+shift+q"}},
    ChordBinding{{}, IdStayOnTop, {"ctrl+shift+t"}},
    ChordBinding{{}, IdCopyNumber, {"ctrl+shift+c"}},
    ChordBinding{{}, IdPaste, {"ctrl+v", "ctrl+shift+v", "shift+Insert"}},
    ChordBinding{"sw:round", 0, {"alt+r"}},
    ChordBinding{"sw:places", 0, {"alt+d"}},
    ChordBinding{"sw:gt", 0, {"alt+g"}},
    ChordBinding{"sw:taxsum", 0, {"alt+x"}},
    ChordBinding{"sw:count", 0, {"alt+i"}},
    ChordBinding{"sw:const", 0, {"alt+k"}},
    ChordBinding{"sw:days", 0, {"alt+y"}},
    ChordBinding{"setrate", 0, {"alt+t"}},
};
// clang-format on

namespace bindings {
constexpr bool IsToken(std::string_view token)
{
    for (const Command& command : kCommands)
        if (command.token == token)
            return true;
    return false;
}

// Every row names a command; no command is bound by place or given chords
// twice, no key code, screen reader's name or typed symbol belongs to two
// rows. (That no chord does is a test's: GCC 12 will not compare them here.)
constexpr bool Consistent()
{
    for (std::size_t i = 0; i < kPlaceBindings.size(); ++i) {
        const PlaceBinding& a = kPlaceBindings[i];
        if (!IsToken(a.token))
            return false;
        for (std::size_t j = i + 1; j < kPlaceBindings.size(); ++j) {
            const PlaceBinding& b = kPlaceBindings[j];
            if (a.token == b.token || (!a.keyName.empty() && a.keyName == b.keyName))
                return false;
            for (const std::uint32_t code : a.codes)
                for (const std::uint32_t other : b.codes)
                    if (code != 0 && code == other)
                        return false;
        }
    }
    for (std::size_t i = 0; i < kTypedSymbols.size(); ++i) {
        if (!IsToken(kTypedSymbols[i].token))
            return false;
        for (std::size_t j = i + 1; j < kTypedSymbols.size(); ++j)
            if (kTypedSymbols[i].symbol == kTypedSymbols[j].symbol)
                return false;
    }
    for (const NamedSequence& sequence : kNamedSequences)
        if (!IsToken(sequence.token))
            return false;
    for (std::size_t i = 0; i < kChordBindings.size(); ++i) {
        const ChordBinding& a = kChordBindings[i];
        if (a.token.empty() ? !IsCommandId(a.menuId) : !IsToken(a.token))
            return false;
        for (std::size_t j = i + 1; j < kChordBindings.size(); ++j)
            if (a.token == kChordBindings[j].token && a.menuId == kChordBindings[j].menuId)
                return false;
    }
    return true;
}
}  // namespace bindings
static_assert(bindings::Consistent(), "every binding names a command; every key, name and symbol once");

// The command a keyboard key presses by its place, if any.
const Command* CommandOfKeyCode(std::uint32_t code);
// The keys bound to a command by their place; none for a command without.
KeyCodes KeyCodesOf(const Command& command);
// The one keyboard key a screen reader names for a command; empty for none.
std::u16string_view KeyNameOf(const Command& command);
// The command a symbol typed means on every layout, if any.
const Command* CommandOfTypedSymbol(char16_t symbol);
// The command a row of chords gives.
const Command* CommandOfChords(const ChordBinding& binding);
// The desktop chords that give a command; none for a command without.
Chords ChordsOf(const Command& command);

}  // namespace abacor
