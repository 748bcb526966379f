#pragma once

#include <QList>
#include <QString>

#include "calculator/printing/TapePrinting.h"

class QPagedPaintDevice;

namespace abacor {

// Paints the lines as a printing calculator's roll: a narrow column in the
// middle of each page, step numbers at the left, numbers right-aligned, marks
// in a column of their own, a corrected step's earlier number beneath it.
// Returns false when the device could not be painted on.
bool PaintTapeRoll(QPagedPaintDevice& device, const QList<PrintedLine>& lines, const QString& heading);

}  // namespace abacor
