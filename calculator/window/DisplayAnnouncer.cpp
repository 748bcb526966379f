#include "calculator/window/DisplayAnnouncer.h"

#include <QAccessible>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <utility>

#include "calculator/core/CommandTable.h"
#include "calculator/window/KeyBindings.h"
#include "calculator/window/WindowCanvas.h"
#include "platform/shell/Translated.h"
#include "text/Translatable.h"

namespace abacor {

namespace {
// The display boxes as assistive technology names them: after the label
// drawn above each; the main display has none.
constexpr const char16_t* kBoxNames[] = {ABACOR_TRANSLATABLE("Display", u"表示"),
                                         ABACOR_TRANSLATABLE("Display", u"MEMORY"),
                                         ABACOR_TRANSLATABLE("Display", u"RESULT")};
// Keys are parts from this id on, so that a key keeps its identity when a
// relayout places other keys.
constexpr int kFirstKeyPart = 100;
constexpr std::chrono::seconds kNewsKept{5};
}  // namespace

DisplayTexts TextsOf(const CalculatorSession& session)
{
    const CalculatorState& state = session.state();
    // Until the kept state is read, a memory or rate that may change a
    // moment later is not shown at all rather than shown wrong.
    const bool known = session.KeptStateKnown();
    QStringList lit;
    // The selector stands with the other switches, under the display.
    if (known)
        for (const std::u16string& word : session.Annunciators(false))
            lit << QString::fromStdU16String(word);
    QStringList face;
    for (const std::u16string& word : SwitchFace(session.settings()))
        face << QString::fromStdU16String(word);
    return {QString::fromStdU16String(state.displayText),
            QString::fromStdU16String(state.resultText),
            known ? QString::fromStdU16String(state.memoryText) : QString(),
            QString::fromStdU16String(state.operatorText),
            lit.join(kAnnunciatorGap),
            face.join(kAnnunciatorGap),
            state.refused == Refusal::None ? QString() : Translated("Refusal", RefusalText(state.refused))};
}

DisplayAnnouncer::DisplayAnnouncer(QWidget& window, const CalculatorSession& session, const WindowCanvas& canvas,
                                   PressKey press)
    : window_(window), session_(session), canvas_(canvas), press_(std::move(press)), announced_(TextsOf(session))
{
}

void DisplayAnnouncer::Changed()
{
    if (pending_ || !QAccessible::isActive())
        return;
    pending_ = true;
    QMetaObject::invokeMethod(
        &window_,
        [this] {
            if (pending_)
                Announce();
        },
        Qt::QueuedConnection);
}

void DisplayAnnouncer::Announce()
{
    pending_ = false;
    const DisplayTexts now = TextsOf(session_);
    const QString* before[] = {&announced_.display, &announced_.memory, &announced_.result};
    const QString* after[] = {&now.display, &now.memory, &now.result};
    for (int box = 1; box < 3; ++box)
        if (*before[box] != *after[box])
            NotifyPartTextChanged(&window_, box, *before[box], *after[box]);
    const bool typing = echoed_ && session_.state().entryState == EntryState::Typing && !session_.state().error;
    const DisplaySpeech speech = SpeakDisplay(announced_, now, typing);
    announced_ = now;
    if (speech.text != speech_.text) {
        Speak(speech);
        newsShown_ = false;
    }
}

void DisplayAnnouncer::Refused(const QString& why)
{
    // The display's own change first, so that it never comes after the news
    // and takes its place.
    if (pending_)
        Announce();
    const QString value = QString::fromStdU16String(session_.state().displayText);
    ShowNews(speech_, {value, value + u' ' + why, true}, true);
}

void DisplayAnnouncer::ShowNews(const DisplaySpeech& before, const DisplaySpeech& news, bool tell)
{
    if (!newsShown_)
        beforeNews_ = before;
    if (tell)
        Speak(news);
    else
        speech_ = news;
    newsShown_ = true;
    ForgetNewsLater();
}

DisplaySpeech DisplayAnnouncer::TakeChange()
{
    pending_ = false;
    const DisplayTexts now = TextsOf(session_);
    const DisplaySpeech change = SpeakDisplay(announced_, now, false);
    announced_ = now;
    return change;
}

void DisplayAnnouncer::ForgetNewsLater()
{
    // Long after the reader has said it, the display reads as the display
    // again (where-am-I minutes later is not told old news).
    QTimer::singleShot(kNewsKept, &window_, [this, news = speech_.text] {
        if (newsShown_ && speech_.text == news) {
            newsShown_ = false;
            speech_ = beforeNews_;
        }
    });
}

void DisplayAnnouncer::Speak(const DisplaySpeech& speech)
{
    // Screen readers (Orca 43 at least) present neither name nor description
    // changes from Qt 6.4, but do speak a text inserted into the focused
    // object when it is the selection: so news is the selected display text.
    const QString previous = speech_.text.isEmpty() ? announced_.display : speech_.text;
    speech_ = speech;
    NotifyPartTextChanged(&window_, 0, previous, speech.text, false);
}

void DisplayAnnouncer::Repeat()
{
    if (!QAccessible::isActive())
        return;
    DisplaySpeech speech = TakeChange();
    speech.spoken = true;
    Speak(speech);
    newsShown_ = false;
}

void DisplayAnnouncer::Lead(const QString& news)
{
    if (!QAccessible::isActive())
        return;
    const DisplaySpeech change = TakeChange();
    ShowNews(change, {change.value, news + u' ' + change.text, true}, true);
}

void DisplayAnnouncer::SayWhenHeard(const QString& news)
{
    if (window_.isActiveWindow() && !focusAwaited_ && !focusQueued_ && session_.KeptStateKnown()) {
        Say(news);
        return;
    }
    heldNews_ = news;
}

void DisplayAnnouncer::FocusDisplay(bool withNews)
{
    if (!session_.KeptStateKnown()) {
        focusAwaited_ = true;
        return;
    }
    // After Qt's own focus event for the window, so that the reader lands
    // on the display.
    focusQueued_ = true;
    QMetaObject::invokeMethod(
        &window_,
        [this, withNews] {
            focusQueued_ = false;
            // What a menu's command changed is read with the display, once.
            if (pending_)
                Announce();
            else if (!withNews && std::exchange(newsShown_, false))
                speech_ = beforeNews_;
            // News that waited for the focus is read with the display, once.
            if (!heldNews_.isEmpty()) {
                const QString value = QString::fromStdU16String(session_.state().displayText);
                ShowNews(speech_, {value, value + u' ' + std::exchange(heldNews_, {}), true}, false);
            }
            NotifyPartFocused(&window_, 0);
        },
        Qt::QueuedConnection);
}

void DisplayAnnouncer::KeptStateKnown()
{
    // What came is no news: it is read with the display, which a reader on
    // the window reads again now, its GT and memory with it.
    announced_ = TextsOf(session_);
    pending_ = false;
    if (std::exchange(focusAwaited_, false) || window_.isActiveWindow())
        FocusDisplay();
}

std::vector<PaintedPart> DisplayAnnouncer::Parts() const
{
    const DisplayTexts texts = TextsOf(session_);
    const WindowLayout& layout = canvas_.layout();
    const Rect* boxes[] = {&layout.displayBox, &layout.memoryBox, &layout.resultBox};
    const QString* shown[] = {&texts.display, &texts.memory, &texts.result};
    std::vector<PaintedPart> parts;
    for (int box = 0; box < 3; ++box) {
        PaintedPart part{QAccessible::StaticText,
                         Translated("Display", kBoxNames[box]),
                         {},
                         *shown[box],
                         canvas_.Logical(*boxes[box]),
                         {}};
        part.id = box;
        if (box == 0) {
            // The window's focus: a read-only text, as screen readers expect
            // of a calculator's display.
            part.role = QAccessible::EditableText;
            if (speech_.value == texts.display) {
                part.text = speech_.text;
                part.selected = speech_.spoken;
            }
            part.name = DisplayName(texts, part.text);
            // Until the kept state has come, the reader stays at the window:
            // the display is read once, with its GT and memory.
            part.focusable = session_.KeptStateKnown();
        }
        parts.push_back(std::move(part));
    }
    for (int index = 0; index < kKeyCount; ++index) {
        const KeyId key = static_cast<KeyId>(index);
        const Rect& rect = layout.KeyRect(key);
        if (rect.IsNull() || rect.Width() <= 0)
            continue;
        const std::u16string_view caption = KeyCaption(key, session_.settings());
        const PressKey press = press_;
        parts.push_back({QAccessible::Button,
                         Translated("Key", caption),
                         {},
                         {},
                         canvas_.Logical(rect),
                         [press, key] { press(key); },
                         kFirstKeyPart + index,
                         QStringView(KeyNameOf(CommandOfKey(key))).toString()});
    }
    return parts;
}

}  // namespace abacor
