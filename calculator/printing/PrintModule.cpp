// The print module: Qt's print support, loaded only when the tape is printed.
#include <QPrintDialog>
#include <QPrinter>

#include "calculator/printing/TapePrinting.h"
#include "calculator/printing/TapeRoll.h"

using abacor::PrintedLine;
using abacor::PrintOutcome;

extern "C" Q_DECL_EXPORT PrintOutcome abacor_print_tape(QWidget* parent, const QList<PrintedLine>& lines,
                                                        const QString& heading, const QString& pdfPath, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(heading);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("テープの印刷"));
        if (dialog.exec() != QDialog::Accepted)
            return PrintOutcome::Cancelled;
    }
    if (!abacor::PaintTapeRoll(printer, lines, heading)) {
        *error = printer.outputFileName().isEmpty()
                     ? QStringLiteral("プリンターを使えません。")
                     : QStringLiteral("%1 に書き込めません。").arg(printer.outputFileName());
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}
