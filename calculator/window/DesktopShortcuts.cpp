#include "calculator/window/DesktopShortcuts.h"

#include <array>
#include <vector>

#include <QKeyEvent>
#include <QKeySequence>

#include "calculator/core/CommandTable.h"
#include "calculator/window/KeyBindings.h"

namespace abacor {

namespace {

struct NamedKey {
    std::string_view name;
    Qt::Key key;
};

// The keys the chords name beside letters and function keys.
constexpr std::array kNamedKeys{
    NamedKey{"Escape", Qt::Key_Escape}, NamedKey{"Delete", Qt::Key_Delete},
    NamedKey{"Insert", Qt::Key_Insert}, NamedKey{"BackSpace", Qt::Key_Backspace},
    NamedKey{"Return", Qt::Key_Return}, NamedKey{"numbersign", Qt::Key_NumberSign},
};

struct Bound {
    QKeyCombination keys;
    const Command* command;
};

// Every chord of the table, read once.
const std::vector<Bound>& BoundChords()
{
    static const std::vector<Bound> bound = [] {
        std::vector<Bound> all;
        for (const ChordBinding& binding : kChordBindings)
            for (const std::string_view chord : binding.chords)
                if (!chord.empty())
                    all.push_back({ChordKeys(chord), CommandOfChords(binding)});
        return all;
    }();
    return bound;
}

}  // namespace

QKeyCombination ChordKeys(std::string_view chord)
{
    Qt::KeyboardModifiers modifiers;
    for (std::size_t plus = chord.find('+'); plus != std::string_view::npos && plus + 1 < chord.size();
         plus = chord.find('+')) {
        const std::string_view modifier = chord.substr(0, plus);
        if (modifier == "ctrl")
            modifiers |= Qt::ControlModifier;
        else if (modifier == "shift")
            modifiers |= Qt::ShiftModifier;
        else if (modifier == "alt")
            modifiers |= Qt::AltModifier;
        else
            return {};
        chord.remove_prefix(plus + 1);
    }
    if (chord.size() == 1 && chord[0] >= 'a' && chord[0] <= 'z')
        return QKeyCombination(modifiers, static_cast<Qt::Key>(Qt::Key_A + (chord[0] - 'a')));
    if (chord.size() >= 2 && chord[0] == 'F' &&
        chord.substr(1).find_first_not_of("0123456789") == std::string_view::npos) {
        const int number = std::stoi(std::string(chord.substr(1)));
        if (number >= 1 && number <= 35)
            return QKeyCombination(modifiers, static_cast<Qt::Key>(Qt::Key_F1 + number - 1));
    }
    for (const NamedKey& named : kNamedKeys)
        if (named.name == chord)
            return QKeyCombination(modifiers, named.key);
    return {};
}

QString KeyText(std::string_view keysym)
{
    const QKeyCombination keys = ChordKeys(keysym);
    return keys == QKeyCombination() ? QString() : QKeySequence(keys).toString(QKeySequence::NativeText);
}

const Command* ChordCommand(const QKeyEvent& event, bool placeBound)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier);
    if (placeBound && modifiers == Qt::NoModifier)
        return nullptr;
    const QKeyCombination pressed(modifiers, static_cast<Qt::Key>(event.key()));
    for (const Bound& bound : BoundChords())
        if (bound.keys == pressed)
            return bound.command;
    return nullptr;
}

}  // namespace abacor
