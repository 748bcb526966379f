#include "calculator/window/TapePrinter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLibrary>

#include "calculator/window/DialogFolder.h"
#include "calculator/window/TapeWords.h"

#ifdef ABACOR_PRINT_BUILT_IN
extern "C" abacor::PrintOutcome abacor_print_tape(QWidget* parent, const QList<abacor::PrintedLine>& lines,
                                                  abacor::PrintJob& job, QString* error);
#endif

namespace abacor {

namespace {

PrintTapeFunction LoadPrintModule()
{
#ifdef ABACOR_PRINT_BUILT_IN
    return &abacor_print_tape;
#else
    static PrintTapeFunction function = [] {
        const QString besideProgram = QCoreApplication::applicationDirPath() + u'/';
        for (const QString& candidate :
             {besideProgram + QLatin1String(kPrintModuleName),
              besideProgram + QStringLiteral(ABACOR_MODULE_DIR_FROM_BIN "/") + QLatin1String(kPrintModuleName)}) {
            QLibrary module(candidate);
            // Kept loaded for the rest of the run: the function lives in it.
            if (auto found = reinterpret_cast<PrintTapeFunction>(module.resolve(kPrintTapeSymbol)))
                return found;
        }
        return PrintTapeFunction{};
    }();
    return function;
#endif
}

}  // namespace

PrintOutcome PrintTape(QWidget* parent, const std::vector<TapeLine>& lines, int currentSegment, const QString& pdfPath,
                       QString* error)
{
    const PrintTapeFunction print = LoadPrintModule();
    if (print == nullptr) {
        *error = QCoreApplication::translate("TapePrinter", "印刷の部品（%1）が見つかりません。")
                     .arg(QLatin1String(kPrintModuleName));
        return PrintOutcome::Failed;
    }
    QList<PrintedLine> printed;
    printed.reserve(static_cast<qsizetype>(lines.size()));
    for (const TapeLine& line : lines)
        printed.append({line.step > 0 && line.segment == currentSegment ? u'#' + QString::number(line.step) : QString(),
                        QString::fromStdU16String(line.number), ShownTapeMark(line.mark), CorrectedPhrase(line.was),
                        QString::fromStdU16String(line.note)});
    const QDateTime now = QDateTime::currentDateTime();
    // A file name every system takes: no ":", one space between words.
    PrintJob job{QStringLiteral("Abacor  ") + now.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                 QCoreApplication::translate("TapePrinter", "Abacor テープ ") +
                     now.toString(QStringLiteral("yyyy-MM-dd HHmm")),
                 DialogFolder(), pdfPath};
    const PrintOutcome outcome = print(parent, printed, job, error);
    if (pdfPath.isEmpty() && outcome == PrintOutcome::Printed && job.folder != DialogFolder())
        RememberDialogFolder(job.folder);
    return outcome;
}

}  // namespace abacor
