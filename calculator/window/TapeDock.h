#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "calculator/tape/CalculatorSession.h"

class QWidget;

namespace abacor {

class TapeWindow;

// The tape beside the calculator: its window opened and closed (F3,
// "テープ"), placed at the calculator's right, following each key; and the
// kept tape's file opened for the session.
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

signals:
    // A correction re-ran the calculator: everything is shown anew.
    void corrected();

private:
    CalculatorSession& session_;
    QWidget& calculator_;
    QPointer<TapeWindow> window_;
};

}  // namespace abacor
