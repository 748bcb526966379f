#include "calculator/window/DesktopShortcuts.h"

#include <QKeyEvent>

#include "calculator/core/CommandTable.h"

namespace abacor {

namespace {

struct Shortcut {
    int key;  // Qt::Key
    Qt::KeyboardModifiers modifiers;
    int commandId;
};

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

// The chords of a desktop program, by the key the layout gives them.
const Shortcut kShortcuts[] = {
    {Qt::Key_C, kCtrl, IdCopyToClipboard},
    {Qt::Key_Insert, kCtrl, IdCopyToClipboard},
    {Qt::Key_Insert, kCtrlShift, IdCopyToClipboard},
    {Qt::Key_C, kCtrlShift, IdCopyNumber},
    {Qt::Key_V, kCtrl, IdPaste},
    {Qt::Key_V, kCtrlShift, IdPaste},
    {Qt::Key_Insert, Qt::ShiftModifier, IdPaste},
    {Qt::Key_Q, kCtrl, IdExit},
    {Qt::Key_Q, kCtrlShift, IdExit},
    {Qt::Key_F3, Qt::NoModifier, IdTape},
};

}  // namespace

std::optional<int> ShortcutCommand(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier);
    for (const Shortcut& shortcut : kShortcuts)
        if (shortcut.key == event.key() && shortcut.modifiers == modifiers)
            return shortcut.commandId;
    return std::nullopt;
}

}  // namespace abacor
