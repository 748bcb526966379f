#pragma once

#include <QString>

#include <vector>

#include "calculator/printing/TapePrinting.h"
#include "calculator/tape/TapeSession.h"

class QWidget;

namespace abacor {

// "印刷…": the tape's lines handed to the print module, which is loaded on
// first use (beside the program, then where it is installed). pdfPath empty:
// through the print dialog. error says why it failed.
PrintOutcome PrintTape(QWidget* parent, const std::vector<TapeLine>& lines, int currentSegment, const QString& pdfPath,
                       QString* error);

}  // namespace abacor
