#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <filesystem>
#include <thread>

#include "calculator/tape/CalculatorSession.h"
#include "calculator/tape/TapeStore.h"

class QWidget;

namespace abacor {

class TapeWindow;

// The tape beside the calculator: its window opened and closed (F3,
// "テープ"), where it was last or beside the calculator where it fits,
// following each key and "常に手前に表示"; and the kept tape's file opened for
// the session.
class TapeDock : public QObject {
    Q_OBJECT
public:
    TapeDock(CalculatorSession& session, QWidget& calculator);
    ~TapeDock() override;

    // The tape kept across runs, in the file at path (the environment's
    // bytes); a file another program holds is tried again later.
    void OpenStore(const std::filesystem::path& path);
    // The same, opened on a thread of its own: the session takes the tape
    // (and its kept state) when it is open, keys keyed meanwhile kept.
    void OpenStoreInBackground(const std::filesystem::path& path);
    // The tape window opened, or closed when it is open.
    void Toggle();
    // The tape window opened (or raised) and one of its commands run.
    void RunCommand(int id);
    TapeWindow* window() const;
    // After a key: the new lines shown.
    void Follow();
    // Kept above other windows with the calculator, or not.
    void SetStayOnTop(bool onTop);
    // Where the window was (QWidget::saveGeometry), for the next run; and
    // where it opens, until it is open.
    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry) { geometry_ = geometry; }

signals:
    // A correction re-ran the calculator, a kept state came back, or the
    // keeping of the tape changed: everything is shown anew.
    void corrected();
    // The tape stopped being kept (why), or is kept again: said once.
    void keepingNews(const QString& news);
    // A command the calculator asked for is done: the keys go back there.
    void backToCalculator();

private slots:
    // The writer's status changed: the tape window and "テープ×" follow it.
    void KeepingChanged();

private:
    void Show();
    // An opened store (or why none) becomes the session's.
    void Adopt(TapeStore::Opened opened, bool again);

    CalculatorSession& session_;
    QWidget& calculator_;
    QPointer<TapeWindow> window_;
    std::filesystem::path storePath_;
    QTimer retry_;  // running while another program holds the file
    std::thread opener_;
    bool opening_ = false;
    QByteArray geometry_;
    bool onTop_ = false;
    Message problemSaid_;  // the last reason the tape is not kept that was told
};

}  // namespace abacor
