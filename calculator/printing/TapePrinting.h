#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace abacor {

// One line of the printed roll, its columns as the tape window shows them.
struct PrintedLine {
    QString step;    // "#2" in the current segment, else empty
    QString number;  // grouped as shown
    QString mark;
    QString was;  // a corrected step's earlier number, with its word: "(訂正前 456)"
    QString note;
};

// NoPrinter: no printer is set up, and no dialog was shown (on Windows the
// dialog would close at once and look like a cancel).
enum class PrintOutcome : int { Printed = 1, Cancelled = 0, Failed = -1, NoPrinter = 2 };

// What is printed beside the lines: the heading on the roll, the document's
// name (a PDF's file name), the folder a file dialog starts in (and, after a
// print to a file, the folder chosen), and a PDF file to print to with no
// dialog at all.
struct PrintJob {
    QString heading;
    QString documentName;
    QString folder;
    QString pdfPath;
};

// The print module's one entry point, looked up by name when the tape is
// first printed, so that Qt's print support never loads at start-up: prints
// the lines to job.pdfPath when it is not empty (no dialog), else through the
// print dialog (a printer or a PDF file). error says why it failed.
inline constexpr char kPrintTapeSymbol[] = "abacor_print_tape";
using PrintTapeFunction = PrintOutcome (*)(QWidget* parent, const QList<PrintedLine>& lines, PrintJob& job,
                                           QString* error);

// The module's name as the loader looks for it (libabacor-print.so,
// abacor-print.dll).
inline constexpr char kPrintModuleName[] = "abacor-print";

}  // namespace abacor
