#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace abacor {

// The calculator window's own place on the desktop, kept apart from the
// settings record (which the editor rewrites): its geometry as Qt saves it
// and whether it stays on top, under $XDG_STATE_HOME/Korvel/Abacor/
// (%LOCALAPPDATA%\Korvel\Abacor\ on Windows).
struct WindowPlacement {
    QByteArray geometry;  // QWidget::saveGeometry
    bool onTop = false;
};

// The file it lives in; empty when there is no state folder.
QString PlacementFile();
// The tape's database beside it, its folder made; empty when there is none.
QString TapeFile();
std::optional<WindowPlacement> LoadPlacement();
// False when it could not be written; the calculator works all the same.
[[nodiscard]] bool SavePlacement(const WindowPlacement& placement);

// The design's size shrunk, keeping its proportions, until it fits the
// available area with room for a title bar.
QSize FittingSize(QSize design, const QRect& available);

}  // namespace abacor
