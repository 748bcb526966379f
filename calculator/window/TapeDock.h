#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include "calculator/tape/CalculatorSession.h"

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

    // The tape kept across runs; true when a kept state was restored.
    bool OpenStore(const QString& path);
    // The tape window opened, or closed when it is open.
    void Toggle();
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
    // A correction re-ran the calculator: everything is shown anew.
    void corrected();

private:
    CalculatorSession& session_;
    QWidget& calculator_;
    QPointer<TapeWindow> window_;
    QByteArray geometry_;
    bool onTop_ = false;
};

}  // namespace abacor
