// The print module: Qt's print support, loaded only when the tape is printed.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "calculator/printing/NativeDialogTitle.h"
#include "calculator/printing/TapePrinting.h"
#include "calculator/printing/TapeRoll.h"

using abacor::PrintedLine;
using abacor::PrintOutcome;

namespace {

// The working folder for as long as it lives: Qt's print dialog offers its
// PDF file there.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : previous_(QDir::currentPath())
    {
        if (!folder.isEmpty())
            QDir::setCurrent(folder);
    }
    ~CurrentFolder() { QDir::setCurrent(previous_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    QString previous_;
};

}  // namespace

extern "C" Q_DECL_EXPORT PrintOutcome abacor_print_tape(QWidget* parent, const QList<PrintedLine>& lines,
                                                        abacor::PrintJob& job, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.documentName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!job.pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(job.pdfPath);
    } else {
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            return PrintOutcome::NoPrinter;
        const CurrentFolder folder(job.folder);
        const QString title = QCoreApplication::translate("PrintModule", "テープの印刷");
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(title);
        const abacor::NativeDialogTitle shown(title);
        if (dialog.exec() != QDialog::Accepted)
            return PrintOutcome::Cancelled;
        if (!printer.outputFileName().isEmpty())
            job.folder = QFileInfo(printer.outputFileName()).absolutePath();
    }
    if (!abacor::PaintTapeRoll(printer, lines, job.heading)) {
        *error =
            printer.outputFileName().isEmpty()
                ? QCoreApplication::translate("PrintModule", "プリンターを使えません。")
                : QCoreApplication::translate("PrintModule", "%1 に書き込めません。").arg(printer.outputFileName());
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}
