#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>

#include <filesystem>
#include <optional>

namespace abacor {

// The calculator window's own place on the desktop, kept apart from the
// settings record (which the editor rewrites): its geometry as Qt saves it
// and whether it stays on top, under $XDG_STATE_HOME/Korvel/Abacor/
// (%LOCALAPPDATA%\Korvel\Abacor\ on Windows).
struct WindowPlacement {
    QByteArray geometry;  // QWidget::saveGeometry
    bool onTop = false;
    QByteArray tapeGeometry;  // the tape window's, once it was open
};

// The tape's database beside it, its folder made; empty when there is none.
std::filesystem::path TapeFile();
std::optional<WindowPlacement> LoadPlacement();
// False when it could not be written; the calculator works all the same.
[[nodiscard]] bool SavePlacement(const WindowPlacement& placement);

// A restored window's place and size on the screen, however large or far
// away the file said: wholly on the available area, room kept for a frame.
QRect OnScreen(const QRect& window, const QRect& available);

// Where the tape window's frame goes: beside the calculator's frame at the
// right where it fits on the screen, else at the left, else over the
// calculator; always wholly on the screen (smaller where it is too large).
QRect TapePlace(const QRect& calculator, const QSize& tape, const QRect& available, int gap);

// The design's size shrunk, keeping its proportions, until it fits the
// available area with room for a title bar.
QSize FittingSize(QSize design, const QRect& available);

}  // namespace abacor
