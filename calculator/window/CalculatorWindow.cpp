#include "calculator/window/CalculatorWindow.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <QTimer>

#include <algorithm>

#include "calculator/core/CommandTable.h"
#include "calculator/engine/Grouping.h"
#include "calculator/engine/ScaledArithmetic.h"
#include "calculator/window/CalculatorMenus.h"
#include "calculator/window/TapeWindow.h"
#include "platform/input/InputMethod.h"
#include "platform/input/VirtualKeys.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/PopupMenu.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/store/UserStore.h"

namespace abacor {

namespace {
// Lines go to the disk at most this long after their key.
constexpr int kTapeWriteMilliseconds = 200;
constexpr char16_t kPhoneStatusKey[] = u"\\Software\\Sharp\\PhoneStatus";
// How long a key pressed by assistive technology shows pressed.
constexpr int kAssistivePressMilliseconds = 150;

// The phone's screen the design was drawn for, in logical pixels.
constexpr double kDesignLonger = 640.0;
constexpr double kDesignShorter = 480.0;

// Logical and device pixels of the window, never negative here; rounded
// without the C library, which a start would otherwise page in for this.
int Nearest(double pixels) { return static_cast<int>(pixels + 0.5); }
int Down(double pixels) { return static_cast<int>(pixels); }
int Up(double pixels)
{
    const int down = static_cast<int>(pixels);
    return down < pixels ? down + 1 : down;
}
}  // namespace

CalculatorWindow::CalculatorWindow(const CalculatorSettings& settings, const ScreenMetrics& screen, QWidget* parent)
    : QWidget(parent), settings_(settings), screen_(screen), ratio_(devicePixelRatioF()), calculator_(settings_, this),
      resources_(CreateDisplayResources(DeviceScreen(), settings_, Scale())),
      feedback_([this](const Rect& r) { repaint(Logical(r)); },
                [](int milliseconds) { QThread::msleep(static_cast<unsigned long>(milliseconds)); })
{
    setWindowTitle(QStringLiteral("Abacor"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // An ordinary top-level window: minimised, maximised and closed as any other.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    resize(screen_.width, screen_.height);
    Initialise();
}

CalculatorWindow::~CalculatorWindow() { WriteTapeNow(); }

void CalculatorWindow::OpenTapeStore(const QString& path)
{
    const bool keepTape = FlagOn(settings_.TapeKeepFlg);
    const bool keepState = FlagOn(settings_.KeepStateFlg);
    if (!keepTape)
        tapeProblem_ = QStringLiteral("テープを終了後も残さない設定です。テープはこの実行の間だけ残ります。");
    if (!keepTape && !keepState)
        return;
    TapeStore::Opened opened = TapeStore::Open(QFile::encodeName(path).toStdString());
    if (!opened.problem.empty())
        tapeProblem_ = QString::fromStdU16String(opened.problem);
    if (!opened.store)
        return;
    // Only a calculator nothing was keyed into yet starts from a kept state.
    if (keepState && tape_->Lines().empty())
        if (const std::optional<KeptState> kept = opened.store->LoadState()) {
            calculator_.Restore(*kept);
            tape_.emplace(calculator_);
            InvalidateRect(ClientRect(), true);
        }
    tapeWriter_ = std::make_unique<TapeWriter>(std::move(opened.store));
    WriteTapeNow();
}

void CalculatorWindow::WriteTapeNow()
{
    if (!tapeWriter_ || !tape_)
        return;
    if (FlagOn(settings_.TapeKeepFlg))
        tapeWriter_->SubmitChangesOf(*tape_);
    if (FlagOn(settings_.KeepStateFlg))
        tapeWriter_->SubmitState(calculator_.Kept());
}

void CalculatorWindow::FollowTape()
{
    if (tapeWindow_ && tapeWindow_->isVisible())
        tapeWindow_->Follow();
    if (tapeWriter_ && !tapeWrite_->isActive())
        tapeWrite_->start();
}

void CalculatorWindow::Initialise()
{
    calculator_.ResetCalculator(false);
    tape_.emplace(calculator_);
    keyInput_.SetPress([this](KeyId key) { Run(CommandOfKey(key)); });
    tapeWrite_ = new QTimer(this);
    tapeWrite_->setSingleShot(true);
    tapeWrite_->setInterval(kTapeWriteMilliseconds);
    connect(tapeWrite_, &QTimer::timeout, this, &CalculatorWindow::WriteTapeNow);
    corners_.emplace(KeyCorners(settings_));
    bar_ = new SoftKeyBar(kSoftKeyMenu, this);
    SizeBar();
    connect(bar_, &SoftKeyBar::commandChosen, this, &CalculatorWindow::OnCommand);
    connect(bar_, &SoftKeyBar::popupAboutToShow, this, &CalculatorWindow::OnInitMenuPopup);
    if (!StayOnTopPossible())
        bar_->HideItem(IdStayOnTop);
    // The window takes the focus itself, so that the display can be the
    // focused object a screen reader reads.
    setFocusPolicy(Qt::StrongFocus);
    LayoutWindow();
    announced_ = Texts();
}

ScreenMetrics CalculatorWindow::DeviceScreen() const
{
    const auto device = [this](int logical) { return Nearest(logical * ratio_); };
    return {device(screen_.width), device(screen_.height), device(screen_.dpiY)};
}

double CalculatorWindow::Scale() const
{
    // A window larger than the design both ways grows its text with its keys.
    const double longer = std::max(screen_.width, screen_.height);
    const double shorter = std::min(screen_.width, screen_.height);
    return ratio_ * std::max(1.0, std::min(longer / kDesignLonger, shorter / kDesignShorter));
}

void CalculatorWindow::SizeBar()
{
    // Logical pixels: Qt draws the bar at the device pixel ratio itself.
    bar_->SetBarHeight(Nearest(SoftKeyBar::kHeight / resources_.screenClass.k * Scale() / ratio_));
}

Rect CalculatorWindow::ClientRect() const
{
    const auto device = [this](int logical) { return Nearest(logical * ratio_); };
    const int barHeight = bar_ ? device(bar_->height()) : 0;
    return {0, 0, device(width()), std::max(device(height()) - barHeight, 0)};
}

QRect CalculatorWindow::Logical(const Rect& rect) const
{
    const int left = Down(std::max(rect.left, 0) / ratio_);
    const int top = Down(std::max(rect.top, 0) / ratio_);
    const int right = Up(std::max(rect.right, 0) / ratio_);
    const int bottom = Up(std::max(rect.bottom, 0) / ratio_);
    return {left, top, right - left, bottom - top};
}

void CalculatorWindow::FollowPixelRatio()
{
    const double ratio = devicePixelRatioF();
    if (ratio == ratio_)
        return;
    ratio_ = ratio;
    resources_ = CreateDisplayResources(DeviceScreen(), settings_, Scale());
    SizeBar();
}

PopupMenu* CalculatorWindow::clearMenu() const
{
    return clearMenu_ && clearMenu_->isVisible() ? clearMenu_.data() : nullptr;
}

void CalculatorWindow::SetScreen(const ScreenMetrics& screen)
{
    // Laid out at once: a hidden window gets its resize event only when shown.
    screen_ = screen;
    resize(screen.width, screen.height);
    bar_->Dock();
    OnSettingChange();
}

void CalculatorWindow::LayoutWindow()
{
    // A key held down through a new layout would be inverted back at the old
    // place later; restore it now, while the picture still matches.
    ReleaseHeldKey();

    Rect client = ClientRect();
    laidOutClient_ = client;
    const ScreenMetrics device = DeviceScreen();
    if (Scale() != resources_.scale) {
        resources_ = CreateDisplayResources(device, settings_, Scale());
        SizeBar();
        client = ClientRect();
        laidOutClient_ = client;
    }
    layout_ = abacor::LayoutWindow(device, client, resources_, settings_);
    faces_.emplace(layout_, settings_, *corners_);

    // The framebuffer itself is made by the next paint, so that a run of
    // layouts (a window being dragged larger) allocates once.
    const bool resized = !framebuffer_ || framebuffer_->Width() != std::max(client.Width(), 1) ||
                         framebuffer_->Height() != std::max(client.Height(), 1);
    if (resized)
        framebuffer_.reset();
    if (resized || layout_.rowHeight != previousRowHeight_)
        InvalidateRect(client, true);
    previousRowHeight_ = layout_.rowHeight;
    NotifyPartsChanged(this);
}

void CalculatorWindow::OnSettingChange() { LayoutWindow(); }

DisplayTexts CalculatorWindow::Texts() const
{
    const CalculatorState& state = calculator_.state();
    QStringList lit;
    for (const std::u16string& word : calculator_.Annunciators(true))
        lit << QString::fromStdU16String(word);
    if (!tape_->CheckAnnunciator().empty())
        lit << QString::fromStdU16String(tape_->CheckAnnunciator());
    return {QString::fromStdU16String(state.displayText), QString::fromStdU16String(state.resultText),
            QString::fromStdU16String(state.memoryText), QString::fromStdU16String(state.operatorText), lit.join(u' ')};
}

void CalculatorWindow::Invalidate(DisplayRegion region)
{
    if (!announcePending_ && QAccessible::isActive()) {
        announcePending_ = true;
        QMetaObject::invokeMethod(this, &CalculatorWindow::AnnounceTexts, Qt::QueuedConnection);
    }
    switch (region) {
    case DisplayRegion::DisplayBox: InvalidateRect(layout_.displayBox, false); break;
    case DisplayRegion::ResultBox: InvalidateRect(layout_.resultBox, false); break;
    case DisplayRegion::MemoryBox: InvalidateRect(layout_.memoryBox, false); break;
    case DisplayRegion::OperatorRect: InvalidateRect(layout_.operatorRect, false); break;
    }
}

namespace {
// The display boxes as assistive technology names them: after the label
// drawn above each; the main display has none.
constexpr const char16_t* kBoxNames[] = {u"表示", u"MEMORY", u"RESULT"};
// Keys are parts from this id on, so that a key keeps its identity when a
// relayout places other keys.
constexpr int kFirstKeyPart = 100;
}  // namespace

void CalculatorWindow::AnnounceTexts()
{
    announcePending_ = false;
    const DisplayTexts now = Texts();
    const QString* before[] = {&announced_.display, &announced_.memory, &announced_.result};
    const QString* after[] = {&now.display, &now.memory, &now.result};
    for (int box = 1; box < 3; ++box)
        if (*before[box] != *after[box])
            NotifyPartTextChanged(this, box, *before[box], *after[box]);
    const bool typing = calculator_.state().entryState == EntryState::Typing && !calculator_.state().error;
    const DisplaySpeech speech = SpeakDisplay(announced_, now, typing);
    announced_ = now;
    if (speech.text != speech_.text)
        Speak(speech);
}

void CalculatorWindow::Speak(const DisplaySpeech& speech)
{
    // Screen readers (Orca 43 at least) present neither name nor description
    // changes from Qt 6.4, but do speak a text inserted into the focused
    // object when it is the selection: so news is the selected display text.
    const QString previous = speech_.text.isEmpty() ? announced_.display : speech_.text;
    speech_ = speech;
    NotifyPartTextChanged(this, 0, previous, speech.text);
}

std::vector<PaintedPart> CalculatorWindow::AccessibleParts() const
{
    const DisplayTexts texts = Texts();
    const Rect* boxes[] = {&layout_.displayBox, &layout_.memoryBox, &layout_.resultBox};
    const QString* shown[] = {&texts.display, &texts.memory, &texts.result};
    std::vector<PaintedPart> parts;
    for (int box = 0; box < 3; ++box) {
        PaintedPart part{
            QAccessible::StaticText, QString::fromUtf16(kBoxNames[box]), {}, *shown[box], Logical(*boxes[box]), {}};
        part.id = box;
        if (box == 0) {
            // The window's focus: a read-only text, as screen readers expect
            // of a calculator's display.
            part.role = QAccessible::EditableText;
            part.name = DisplayName(texts);
            if (speech_.value == texts.display) {
                part.text = speech_.text;
                part.selected = speech_.spoken;
            }
            part.focusable = true;
        }
        parts.push_back(std::move(part));
    }
    for (int index = 0; index < kKeyCount; ++index) {
        const KeyId key = static_cast<KeyId>(index);
        const Rect& rect = layout_.KeyRect(key);
        if (rect.IsNull() || rect.Width() <= 0)
            continue;
        const std::u16string_view caption = KeyCaption(key, settings_);
        auto* self = const_cast<CalculatorWindow*>(this);
        parts.push_back({QAccessible::Button,
                         QStringView(caption).toString(),
                         {},
                         {},
                         Logical(rect),
                         [self, key] { self->PressFromAssistive(key); },
                         kFirstKeyPart + index,
                         KeyboardKeyName(key)});
    }
    return parts;
}

void CalculatorWindow::PressFromAssistive(KeyId key)
{
    Run(CommandOfKey(key));
    PressFeedbackOn(PressFeedback::Press, key);
    QTimer::singleShot(kAssistivePressMilliseconds, this, &CalculatorWindow::ReleaseHeldKey);
}

void CalculatorWindow::InvalidateRect(const Rect& rect, bool erase)
{
    if (erase) {
        dirty_.assign(1, ClientRect());
        eraseAll_ = true;
        update();
        return;
    }
    if (!eraseAll_)
        dirty_.push_back(rect);
    // The box frames reach one pixel beyond their rectangles.
    update(Logical({rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1}));
}

void CalculatorWindow::PaintDirty()
{
    if (!framebuffer_) {
        const Rect client = ClientRect();
        framebuffer_ = std::make_unique<DrawSurface>(client.Width(), client.Height());
        InvalidateRect(client, true);
    }
    if (dirty_.empty() || !faces_)
        return;
    const KeyFaces keyFaces = KeyFacesFor(settings_);
    const PaintContext context{layout_, resources_, settings_, *faces_, keyFaces};
    const DisplayTexts texts = Texts();
    for (const Rect& rect : dirty_)
        PaintWindow(*framebuffer_, context, texts, rect, eraseAll_);
    dirty_.clear();
    eraseAll_ = false;
}

const QImage& CalculatorWindow::Framebuffer()
{
    PaintDirty();
    return framebuffer_->Image();
}

void CalculatorWindow::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another pixel ratio: laid out anew for it.
    if (devicePixelRatioF() != ratio_) {
        FollowPixelRatio();
        LayoutWindow();
    }
    PaintDirty();
    QPainter painter(this);
    // The framebuffer is in device pixels: copied 1:1, never scaled.
    const QRect device(Down(std::max(event->rect().left(), 0) * ratio_),
                       Down(std::max(event->rect().top(), 0) * ratio_), Up(event->rect().width() * ratio_) + 1,
                       Up(event->rect().height() * ratio_) + 1);
    const QRect area = device.intersected(QRect(0, 0, framebuffer_->Width(), framebuffer_->Height()));
    painter.drawImage(QRectF(area.left() / ratio_, area.top() / ratio_, area.width() / ratio_, area.height() / ratio_),
                      framebuffer_->Image(), area);
    if (afterFirstFrame_)
        QTimer::singleShot(0, this, std::exchange(afterFirstFrame_, {}));
}

void CalculatorWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FollowPixelRatio();
    // The first resize event of a new window repeats the size it was made with.
    if (screen_.width == width() && screen_.height == height() && laidOutClient_ == ClientRect())
        return;
    screen_.width = width();
    screen_.height = height();
    if (bar_)
        OnSettingChange();
}

void CalculatorWindow::ReleaseHeldKey()
{
    if (framebuffer_ && corners_)
        feedback_.Apply(PressFeedback::Release, {}, *framebuffer_, *corners_);
}

void CalculatorWindow::PressFeedbackOn(int mode, KeyId key)
{
    PaintDirty();
    feedback_.Apply(mode, layout_.KeyRect(key), *framebuffer_, *corners_);
}

void CalculatorWindow::OnKeyDown(std::uint32_t code, QStringView text)
{
    if (const auto key = keyInput_.OnKeyDown(code, calculator_, text))
        PressFeedbackOn(PressFeedback::Flash, *key);
}

void CalculatorWindow::OnKeyUp(std::uint32_t code)
{
    if (const auto key = keyInput_.OnKeyUp(code, calculator_))
        PressFeedbackOn(PressFeedback::Flash, *key);
}

void CalculatorWindow::PressAt(int x, int y)
{
    if (const auto key = HitTest(layout_, x, y)) {
        Run(CommandOfKey(*key));
        PressFeedbackOn(PressFeedback::Press, *key);
    } else {
        feedback_.Forget();
    }
    grabMouse();
}

void CalculatorWindow::ReleasePress()
{
    ReleaseHeldKey();
    releaseMouse();
}

void CalculatorWindow::OnInitMenuPopup() { ReleasePress(); }

void CalculatorWindow::OnOK()
{
    Run(CommandOfKey(KeyId::Equals));
    PressFeedbackOn(PressFeedback::Flash, KeyId::Equals);
}

void CalculatorWindow::OnCommand(int id)
{
    if (id == IdOK) {
        OnOK();
        return;
    }
    if (const Command* command = CommandOfMenuId(id); command != nullptr && command->handler != nullptr)
        if (Run(*command) != CommandOutcome::ForWindow)
            return;
    switch (id) {
    case IdLeftSoftKey: ShowClearMenu(); break;
    case IdCopyToClipboard: OnCopyToClipboard(); break;
    case IdVersion: OnVersion(); break;
    case IdExit: OnExit(); break;
    case IdStayOnTop: SetStayOnTop(!StaysOnTop()); break;
    case IdCheck:
        static_cast<void>(tape_->Check());
        Invalidate(DisplayRegion::DisplayBox);
        break;
    case IdTape: ToggleTape(); break;
    default: break;
    }
}

CommandOutcome CalculatorWindow::Run(const Command& command)
{
    const std::u16string check = tape_->CheckAnnunciator();
    const CommandOutcome outcome = tape_->Run(command);
    if (tape_->CheckAnnunciator() != check)
        Invalidate(DisplayRegion::DisplayBox);
    FollowTape();
    return outcome;
}

TapeWindow* CalculatorWindow::tapeWindow() const { return tapeWindow_.data(); }

void CalculatorWindow::ToggleTape()
{
    if (tapeWindow_ && tapeWindow_->isVisible()) {
        tapeWindow_->close();
        return;
    }
    if (!tapeWindow_) {
        const bool kept = tapeWriter_ && FlagOn(settings_.TapeKeepFlg);
        tapeWindow_ = new TapeWindow(*tape_, kept ? tapeWriter_->store().History() : std::vector<TapeLine>{},
                                     tapeProblem_, settings_, this);
        // A correction re-ran the calculator: everything is shown anew.
        connect(tapeWindow_, &TapeWindow::corrected, this, [this] {
            InvalidateRect(ClientRect(), true);
            WriteTapeNow();
        });
        connect(tapeWindow_, &TapeWindow::cleared, this, [this] {
            if (tapeWriter_ && FlagOn(settings_.TapeKeepFlg))
                tapeWriter_->ClearAll();
        });
    }
    tapeWindow_->Follow();
    tapeWindow_->show();
    tapeWindow_->raise();
    tapeWindow_->activateWindow();
}

void CalculatorWindow::ShowClearMenu()
{
    if (clearMenu_)
        clearMenu_->deleteLater();
    clearMenu_ = new PopupMenu(kClearMenu, 0, this);
    connect(clearMenu_, &PopupMenu::commandChosen, this, &CalculatorWindow::OnCommand);
    connect(clearMenu_, &QMenu::aboutToShow, this, &CalculatorWindow::OnInitMenuPopup);
    connect(clearMenu_, &QMenu::aboutToHide, bar_, [this] { bar_->AnnounceOpener(-1); });
    bar_->AnnounceOpener(0);
    // Bottom-aligned on the top of the soft-key bar, at the left edge.
    clearMenu_->PopupAboveLeft(mapToGlobal(QPoint(0, bar_->geometry().top())));
}

void CalculatorWindow::OnCopyToClipboard()
{
    // Exactly as shown: grouped when the display is, "ERROR" in the error state.
    // A clipboard that refuses it has lost nothing of the calculator's.
    static_cast<void>(PlaceClipboardText(QString::fromStdU16String(calculator_.state().displayText)));
}

bool CalculatorWindow::StayOnTopPossible()
{
    // Wayland leaves stacking to the compositor.
    return !QGuiApplication::platformName().startsWith(u"wayland");
}

bool CalculatorWindow::StaysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void CalculatorWindow::SetStayOnTop(bool onTop)
{
    if (!StayOnTopPossible() || onTop == StaysOnTop())
        return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // A new flag hides a shown window.
    if (shown)
        show();
    bar_->SetChecked(IdStayOnTop, onTop);
}

void CalculatorWindow::OnCopyNumber()
{
    // The number without its grouping, as a spreadsheet reads it.
    static_cast<void>(PlaceClipboardText(QString::fromStdU16String(StripGrouping(calculator_.state().displayText))));
}

void CalculatorWindow::OnPaste()
{
    // Looked at in place: a clipboard may hold megabytes.
    const QString text = ClipboardText();
    if (tape_->Paste(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                         static_cast<std::size_t>(text.size())))) {
        FollowTape();
        return;
    }
    // Refused, with nothing changed: the display flashes once, as a key does,
    // and screen readers are told why.
    PaintDirty();
    const Rect box = layout_.displayBox;
    for (int flash = 0; flash < 2; ++flash) {
        framebuffer_->InvertRect(box);
        repaint(Logical(box));
        if (flash == 0)
            QThread::msleep(PressFeedback::kFlashMilliseconds);
    }
    const QString value = QString::fromStdU16String(calculator_.state().displayText);
    Speak({value, value + QStringLiteral(" 貼り付けられません。クリップボードの内容が数値ではありません。"), true});
}

void CalculatorWindow::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint device(static_cast<int>(event->pos().x() * ratio_), static_cast<int>(event->pos().y() * ratio_));
    const bool onDisplay = layout_.displayBox.Contains(device.x(), device.y());
    if (event->reason() == QContextMenuEvent::Mouse && !onDisplay)
        return;
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("コピー")), &QAction::triggered, this, &CalculatorWindow::OnCopyToClipboard);
    connect(menu.addAction(QStringLiteral("数値のみコピー")), &QAction::triggered, this,
            &CalculatorWindow::OnCopyNumber);
    connect(menu.addAction(QStringLiteral("貼り付け")), &QAction::triggered, this, &CalculatorWindow::OnPaste);
    // From the keyboard, at the display.
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                  : mapToGlobal(Logical(layout_.displayBox).center());
    menu.exec(at);
}

void CalculatorWindow::OnVersion()
{
    ShowMessageBox(this, QString::fromUtf16(kVersionText), StyleOk);
    setFocus();
    repaint();
}

void CalculatorWindow::OnExit() { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); }

void CalculatorWindow::OnActivate(bool active)
{
    if (!active)
        return;
    // After Qt's own focus event for the window, so that the reader lands
    // on the display.
    QMetaObject::invokeMethod(
        this, [this] { NotifyPartFocused(this, 0); }, Qt::QueuedConnection);
    SwitchToAlphanumericInput(*this);
    // The phone's status value is set only where the phone keeps one.
    if (UserStoreKey::OpenForRead(kPhoneStatusKey)) {
        if (auto key = UserStoreKey::CreateOrOpen(kPhoneStatusKey)) {
            key->SetValue(u"Status22", 7);
            // A courtesy to the phone's shell; the calculator works without it.
            static_cast<void>(key->Close());
        }
    }
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    // With Ctrl or Alt a key is a desktop shortcut, never a calculator key.
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (modifiers == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_C: shift ? OnCopyNumber() : OnCopyToClipboard(); return;
        case Qt::Key_Insert: OnCopyToClipboard(); return;
        case Qt::Key_V: OnPaste(); return;
        case Qt::Key_Q: OnExit(); return;
        default: break;
        }
    }
    if (modifiers == Qt::NoModifier && !shift && event->key() == Qt::Key_F3) {
        ToggleTape();
        return;
    }
    if (modifiers == Qt::NoModifier && shift && event->key() == Qt::Key_Insert) {
        OnPaste();
        return;
    }
    if (modifiers != Qt::NoModifier) {
        event->ignore();
        return;
    }
    const std::uint32_t code = VirtualKeyFromEvent(*event);
    if (code == VkReturn) {
        OnOK();
        return;
    }
    OnKeyDown(code, event->text());
}

void CalculatorWindow::keyReleaseEvent(QKeyEvent* event)
{
    // Auto-repeat arrives as further presses only, as on the phone.
    if (event->isAutoRepeat())
        return;
    OnKeyUp(VirtualKeyFromEvent(*event));
}

void CalculatorWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PressAt(static_cast<int>(event->position().x() * ratio_), static_cast<int>(event->position().y() * ratio_));
}

void CalculatorWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        ReleasePress();
}

void CalculatorWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        OnActivate(isActiveWindow());
}

}  // namespace abacor
