#include "calculator/window/TapeDock.h"

#include <QFile>
#include <QWidget>

#include "calculator/tape/TapeStore.h"
#include "calculator/window/TapeWindow.h"

namespace abacor {

namespace {
// The tape window's width beside the calculator, and the gap between them.
constexpr int kTapeWidth = 320;
constexpr int kTapeGap = 8;
}  // namespace

TapeDock::TapeDock(CalculatorSession& session, QWidget& calculator)
    : QObject(&calculator), session_(session), calculator_(calculator)
{
}

bool TapeDock::OpenStore(const QString& path)
{
    if (!session_.WantsKeeper())
        return false;
    TapeStore::Opened opened = TapeStore::Open(QFile::encodeName(path).toStdString());
    std::unique_ptr<TapeKeeper> keeper;
    if (opened.store)
        keeper = std::make_unique<TapeWriter>(std::move(opened.store));
    return session_.Keep(std::move(keeper), std::move(opened.problem));
}

void TapeDock::Toggle()
{
    if (window_ && window_->isVisible()) {
        window_->close();
        return;
    }
    if (!window_) {
        window_ = new TapeWindow(session_, session_.History(), QString::fromStdU16String(session_.KeepProblem()),
                                 &calculator_);
        connect(window_, &TapeWindow::corrected, this, &TapeDock::corrected);
        window_->resize(kTapeWidth, calculator_.height());
        window_->move(calculator_.frameGeometry().topRight() + QPoint(kTapeGap, 0));
    }
    window_->Follow();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

TapeWindow* TapeDock::window() const { return window_.data(); }

void TapeDock::Follow()
{
    if (window_ && window_->isVisible())
        window_->Follow();
}

}  // namespace abacor
