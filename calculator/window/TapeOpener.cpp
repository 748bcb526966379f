#include "calculator/window/TapeOpener.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <optional>
#include <thread>

#include "calculator/tape/TapeFile.h"
#include "platform/store/StateFile.h"

namespace abacor {

namespace {

// The dialog's scale: the first half reading, the second keying again.
constexpr int kSteps = 1000;
constexpr int kHalf = kSteps / 2;
// Shorter than this, no dialog flashes up.
constexpr int kShowAfterMilliseconds = 400;
constexpr int kPollMilliseconds = 50;
// Lines keyed again between two looks at the dialog: a few milliseconds.
constexpr std::size_t kLinesAtATime = 2000;

// A tape file as the platform reads it: never blocking, never beyond the limit.
TapeFile ReadTapeFile(const std::filesystem::path& path, const CalculatorSettings& base, const ParseProgress& going)
{
    const FileBytes read = ReadUserFile(path, kMaxTapeFileBytes);
    switch (read.status) {
    case FileRead::Read: return ParseTapeFile(read.bytes, base, going);
    case FileRead::Missing: return UnreadTapeFileOf(UnreadTapeFile::Missing, base);
    case FileRead::NotRegular: return UnreadTapeFileOf(UnreadTapeFile::NotRegular, base);
    case FileRead::TooBig: return UnreadTapeFileOf(UnreadTapeFile::TooBig, base);
    case FileRead::Unreadable: break;
    }
    return UnreadTapeFileOf(UnreadTapeFile::Unreadable, base);
}

}  // namespace

OpenedTape OpenTapeFile(CalculatorSession& session, const std::filesystem::path& path, QWidget* parent)
{
    QProgressDialog progress(QCoreApplication::translate("abacor::TapeWindow", "テープのファイルを読んでいます…"),
                             QCoreApplication::translate("abacor::TapeWindow", "やめる"), 0, kSteps, parent);
    progress.setWindowTitle(QCoreApplication::translate("abacor::TapeWindow", "テープのファイルを開いています"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(kShowAfterMilliseconds);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);

    std::atomic<bool> stop{false};
    std::atomic<int> readSoFar{0};
    std::optional<TapeFile> file;
    QEventLoop waiting;
    QTimer poll;
    poll.callOnTimeout([&] {
        progress.setValue(readSoFar);
        if (progress.wasCanceled())
            stop = true;
    });
    poll.start(kPollMilliseconds);
    std::thread reader([&, settings = session.settings()] {
        file = ReadTapeFile(path, settings, [&](std::size_t read, std::size_t size) {
            readSoFar = size == 0 ? kHalf : static_cast<int>(static_cast<double>(read) / size * kHalf);
            return !stop;
        });
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec();
    reader.join();
    poll.stop();

    OpenedTape opened;
    if (stop || progress.wasCanceled()) {
        opened.stopped = true;
        return opened;
    }
    if (!file->Read()) {
        opened.refusal = file->Refusal();
        return opened;
    }
    opened.read = true;
    progress.setLabelText(QCoreApplication::translate("abacor::TapeWindow", "計算し直しています…"));
    session.BeginOpen(*file);
    const std::size_t lines = std::max<std::size_t>(file->lines.size(), 1);
    while (!session.ContinueOpen(kLinesAtATime)) {
        progress.setValue(kHalf + static_cast<int>(static_cast<double>(session.OpenedLines()) / lines * kHalf));
        QCoreApplication::processEvents();
        if (progress.wasCanceled()) {
            opened.stopped = true;
            break;
        }
    }
    opened.differing = session.EndOpen();
    return opened;
}

}  // namespace abacor
