#include "calculator/window/TapeDock.h"

#include <QScreen>

#include <QWidget>
#include <memory>

#include "calculator/tape/TapeStore.h"
#include "calculator/window/StayOnTop.h"
#include "calculator/window/TapeWindow.h"
#include "calculator/window/WindowPlacement.h"
#include "platform/shell/Translated.h"
#include "text/Translatable.h"

namespace abacor {

namespace {
// The tape window's width beside the calculator, and the gap between them.
constexpr int kTapeWidth = 320;
constexpr int kTapeGap = 8;
// A file another program holds is tried again this often, waited for this long.
constexpr std::chrono::milliseconds kRetryEvery{10000};
constexpr std::chrono::milliseconds kRetryWait{100};
constexpr char16_t kNoFolder[] =
    ABACOR_TRANSLATABLE("Tape", u"テープを残すフォルダーがありません（XDG_STATE_HOME か HOME を確かめてください）。");
}  // namespace

TapeDock::TapeDock(CalculatorSession& session, QWidget& calculator)
    : QObject(&calculator), session_(session), calculator_(calculator)
{
    retry_.callOnTimeout(this, [this] { OpenStoreInBackground(storePath_); });
}

TapeDock::~TapeDock()
{
    if (opener_.joinable())
        opener_.join();
}

void TapeDock::OpenStore(const std::filesystem::path& path)
{
    if (!session_.WantsKeeper())
        return;
    storePath_ = path;
    const bool again = retry_.isActive();
    Adopt(TapeStore::Open(path, again ? kRetryWait : TapeStore::kBusyWait), again);
}

void TapeDock::OpenStoreInBackground(const std::filesystem::path& path)
{
    if (opening_)
        return;
    if (!session_.WantsKeeper()) {
        session_.AwaitKeeper(false);
        return;
    }
    if (path.empty()) {
        Adopt({nullptr, Message("Tape", kNoFolder), false}, false);
        return;
    }
    storePath_ = path;
    opening_ = true;
    session_.AwaitKeeper();
    if (opener_.joinable())
        opener_.join();
    // A fresh database is made with several syncs to the disk: no key and
    // no frame waits for them.
    const bool again = retry_.isActive();
    opener_ = std::thread([this, path, again] {
        auto opened =
            std::make_shared<TapeStore::Opened>(TapeStore::Open(path, again ? kRetryWait : TapeStore::kBusyWait));
        QMetaObject::invokeMethod(
            this,
            [this, opened, again] {
                opening_ = false;
                Adopt(std::move(*opened), again);
            },
            Qt::QueuedConnection);
    });
}

void TapeDock::Adopt(TapeStore::Opened opened, bool again)
{
    // Tried again while another program holds the file.
    if (opened.busy && again)
        return;
    std::unique_ptr<TapeKeeper> keeper;
    if (opened.store) {
        auto writer = std::make_unique<TapeWriter>(std::move(opened.store));
        // From the writer's thread: handled in this one.
        writer->SetObserver(
            [this] { QMetaObject::invokeMethod(this, &TapeDock::KeepingChanged, Qt::QueuedConnection); });
        keeper = std::move(writer);
    }
    static_cast<void>(session_.Keep(std::move(keeper), std::move(opened.problem)));
    if (opened.busy)
        retry_.start(kRetryEvery);
    else
        retry_.stop();
    if (window_)
        window_->SetHistory(session_.History());
    KeepingChanged();
}

void TapeDock::KeepingChanged()
{
    if (window_)
        window_->KeepingChanged();
    emit corrected();
    // Told when it begins, when its reason changes, and when it is over; the
    // tape window and "テープ×" say it meanwhile.
    const Message problem = session_.KeepProblem();
    if (problem == problemSaid_)
        return;
    const bool over = problem.empty();
    problemSaid_ = problem;
    emit keepingNews(over ? tr("テープをまた残しています。") : Translated(problem));
}

void TapeDock::Toggle()
{
    if (window_ && window_->isVisible()) {
        window_->close();
        return;
    }
    Show();
}

void TapeDock::RunCommand(int id)
{
    // Asked from the calculator, its dialog closed: the keys (and a
    // screen reader) go back to the calculator, but to find or to work on
    // an opened file's lines.
    const bool fromCalculator = calculator_.isActiveWindow();
    Show();
    if (!window_->RunCommand(id) && fromCalculator)
        emit backToCalculator();
}

void TapeDock::Show()
{
    if (!window_) {
        window_ = new TapeWindow(session_, session_.History(), &calculator_);
        connect(window_, &TapeWindow::corrected, this, &TapeDock::corrected);
        KeepAbove(*window_, onTop_);
        const QScreen* screen = calculator_.screen();
        const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
        // The calculator's frame tells what the window manager adds.
        const QRect frame = calculator_.frameGeometry();
        const QSize decoration = frame.size() - calculator_.size();
        if (!geometry_.isEmpty() && window_->restoreGeometry(geometry_) && available.contains(window_->geometry())) {
            // Where it was, unless that is over the calculator (moved since)
            // and there is room beside it.
            const QRect was(window_->pos(), window_->size() + decoration);
            if (!available.isEmpty() && was.intersects(frame)) {
                const QRect beside = TapePlace(frame, was.size(), available, kTapeGap);
                if (!beside.intersects(frame))
                    window_->move(beside.topLeft());
            }
        } else {
            const QSize size(kTapeWidth, calculator_.height());
            const QRect place = available.isEmpty() ? QRect(frame.topRight() + QPoint(kTapeGap, 0), size + decoration)
                                                    : TapePlace(frame, size + decoration, available, kTapeGap);
            window_->resize(place.size() - decoration);
            window_->move(place.topLeft());
        }
    }
    window_->Follow();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

TapeWindow* TapeDock::window() const { return window_.data(); }

void TapeDock::SetStayOnTop(bool onTop)
{
    onTop_ = onTop;
    if (!window_)
        return;
    KeepAbove(*window_, onTop);
}

QByteArray TapeDock::Geometry() const { return window_ ? window_->saveGeometry() : geometry_; }

void TapeDock::Follow()
{
    if (window_ && window_->isVisible())
        window_->Follow();
}

}  // namespace abacor
