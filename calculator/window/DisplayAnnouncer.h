#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "calculator/display/SpokenChange.h"
#include "calculator/keys/Keys.h"
#include "calculator/tape/CalculatorSession.h"
#include "platform/shell/PaintedParts.h"

class QWidget;

namespace abacor {

class WindowCanvas;

// What the display shows of a session: its texts and lit annunciators.
DisplayTexts TextsOf(const CalculatorSession& session);

// The calculator window as assistive technology sees it: the display boxes
// as texts, every placed key as a button; and what a screen reader is to say
// after each key.
class DisplayAnnouncer {
public:
    using PressKey = std::function<void(KeyId)>;

    DisplayAnnouncer(QWidget& window, const CalculatorSession& session, const WindowCanvas& canvas, PressKey press);

    // A shown text changed: told once the key's handling is over.
    void Changed();
    // The next change comes from a key a screen reader echoes itself (a
    // digit typed), or from any other (the sign, CE, a paste): spoken then.
    void Echoed(bool echoed) { echoed_ = echoed; }
    // Says news after the display's value ("常に手前に表示 オン").
    void Say(const QString& news) { Refused(news); }
    // The display said again, though it did not change.
    void Repeat();
    // Says news before the display's value and its change ("123 非加算 0").
    void Lead(const QString& news);
    // News for when the reader is on the display: now, or once the window
    // is active and the display focused.
    void SayWhenHeard(const QString& news);
    // Says why something was refused, after the display's value.
    void Refused(const QString& why);
    // The window became active: the reader lands on the display; while the
    // kept state is still on its way, once it has come (its GT, its memory
    // read with the display, not as news a moment later).
    // withNews: news said just now (a menu's command) is read with it.
    void FocusDisplay(bool withNews = false);
    // The kept state came (once a run).
    void KeptStateKnown();
    std::vector<PaintedPart> Parts() const;

private:
    // Tells of every shown text that changed, and has the screen reader say
    // what a user needs to hear of it.
    void Announce();
    void Speak(const DisplaySpeech& speech);
    // News is the display's text, told (or read with the focus) until it is
    // forgotten; before: what the display read as.
    void ShowNews(const DisplaySpeech& before, const DisplaySpeech& news, bool tell);
    // What the display's last change says, taken as announced.
    DisplaySpeech TakeChange();
    void ForgetNewsLater();

    QWidget& window_;
    const CalculatorSession& session_;
    const WindowCanvas& canvas_;
    PressKey press_;
    DisplayTexts announced_;
    DisplaySpeech speech_;
    bool pending_ = false;
    bool echoed_ = false;
    bool focusAwaited_ = false;
    QString heldNews_;          // said after the display's focus
    bool focusQueued_ = false;  // the display's focus is about to be told
    // News is said once: a reader coming back to the display reads what
    // the display said before it.
    bool newsShown_ = false;
    DisplaySpeech beforeNews_;
};

}  // namespace abacor
