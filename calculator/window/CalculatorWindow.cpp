#include "calculator/window/CalculatorWindow.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "calculator/core/CommandTable.h"
#include "calculator/display/AnnunciatorWords.h"
#include "calculator/engine/Grouping.h"
#include "calculator/engine/NumberText.h"
#include "calculator/window/CalculatorMenus.h"
#include "calculator/window/DesktopShortcuts.h"
#include "calculator/window/KeyBindings.h"
#include "calculator/window/RecordFollower.h"
#include "calculator/window/StayOnTop.h"
#include "calculator/window/TapeDock.h"
#include "calculator/window/TapeWindow.h"
#include "calculator/window/WindowMenus.h"
#include "platform/input/InputMethod.h"
#include "platform/input/VirtualKeys.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/Translated.h"
#include "platform/store/UserStore.h"
#include "settings/SettingsStore.h"
#include "text/Translatable.h"
#include "text/Utf.h"

namespace abacor {

namespace {

// A key that types into the number: a screen reader echoes it itself.
bool TypesADigit(const Command& command) { return command.tape.number == NumberPart::Begins; }

constexpr char16_t kPhoneStatusKey[] = u"\\Software\\Sharp\\PhoneStatus";
// How long a key pressed by assistive technology shows pressed.
constexpr int kAssistivePressMilliseconds = 150;
// A switch and its position in the program's language: "丸め 5/4", "GT オン".
QString SwitchWords(const DeskSwitch& desk, std::uint32_t value)
{
    const std::u16string position = PositionText(desk, value);
    return Translated("Tape", desk.name) + u' ' + Translated("Tape", position);
}

// The record's name of a value.
std::u16string NameOf(std::uint32_t CalculatorSettings::*field)
{
    for (const SettingDescriptor& descriptor : kSettingsTable)
        if (descriptor.field == field)
            return Utf16(descriptor.name);
    return {};
}

constexpr char16_t kPasteRefused[] =
    ABACOR_TRANSLATABLE("Message", u"貼り付けられません。クリップボードの内容が数値ではありません。");
}  // namespace

CalculatorWindow::CalculatorWindow(const CalculatorSettings& settings, const ScreenMetrics& screen, QWidget* parent)
    : QWidget(parent), session_(settings, this),
      canvas_(*this, session_.settings(), screen, [this] { return TextsOf(session_); }),
      announcer_(*this, session_, canvas_, [this](KeyId key) {
          Press(key, PressFeedback::Press);
          QTimer::singleShot(kAssistivePressMilliseconds, this, [this] { canvas_.ReleaseHeldKey(); });
      })
{
    setWindowTitle(QStringLiteral("Abacor"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // An ordinary top-level window: minimised, maximised and closed as any other.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    resize(screen.width, screen.height);
    menus_ = new WindowMenus(*this);
    connect(menus_, &WindowMenus::commandChosen, this, &CalculatorWindow::OnCommand);
    connect(menus_, &WindowMenus::aboutToShow, this, &CalculatorWindow::ReleasePress);
    connect(menus_, &WindowMenus::closed, this, [this] { announcer_.FocusDisplay(true); });
    tape_ = new TapeDock(session_, *this);
    connect(tape_, &TapeDock::corrected, this, [this] {
        canvas_.InvalidateAll();
        if (keptStateAwaited_ && session_.KeptStateKnown()) {
            keptStateAwaited_ = false;
            announcer_.KeptStateKnown();
        }
    });
    connect(tape_, &TapeDock::backToCalculator, this, [this] {
        activateWindow();
        announcer_.FocusDisplay();
    });
    // The tape window says it itself where it is the user's.
    connect(tape_, &TapeDock::keepingNews, this, [this](const QString& news) {
        if (tape_->window() == nullptr || !tape_->window()->isActiveWindow())
            announcer_.SayWhenHeard(news);
    });
    canvas_.AttachBar(menus_->bar());
    // The window takes the focus itself, so that the display can be the
    // focused object a screen reader reads.
    setFocusPolicy(Qt::StrongFocus);
    ready_ = true;
    ShowSwitchesInMenu();
    canvas_.Layout();
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::OpenTapeStore(const std::filesystem::path& path) { tape_->OpenStore(path); }

void CalculatorWindow::OpenTapeStoreInBackground(const std::filesystem::path& path)
{
    const bool known = session_.KeptStateKnown();
    tape_->OpenStoreInBackground(path);
    // What is not known yet is not shown until it is.
    if (session_.KeptStateKnown() != known)
        canvas_.InvalidateAll();
}

void CalculatorWindow::FollowStore()
{
    if (std::exchange(followsStore_, true))
        return;
    new RecordFollower(this, [this] { ReadRecord(); });
}

void CalculatorWindow::ReadRecord()
{
    const CalculatorSettings before = session_.settings();
    if (!session_.FollowRecord(LoadSettings()))
        return;
    SwitchesChanged(before, false);
    tape_->Follow();
    // Colours, captions and keys as the record now says.
    canvas_.Layout();
    update();
}

void CalculatorWindow::SwitchesChanged(const CalculatorSettings& before, bool save)
{
    const CalculatorSettings& now = session_.settings();
    QStringList said;
    std::optional<UserStoreKey> record;
    for (const DeskSwitch& desk : kDeskSwitches) {
        if (before.*desk.field == now.*desk.field)
            continue;
        said.append(SwitchWords(desk, now.*desk.field));
        if (!save || !followsStore_)
            continue;
        // Only the value changed: whatever else AbacorSet saved stays.
        if (!record)
            record = UserStoreKey::CreateOrOpen(kSettingsKeyPath);
        if (record)
            record->SetValue(NameOf(desk.field), now.*desk.field);
    }
    if (record && !record->Close()) {
        canvas_.FlashDisplay();
        said.append(tr("スイッチを設定に保存できませんでした。次の起動では元の位置に戻ります。"));
    }
    if (!said.isEmpty())
        announcer_.Say(said.join(u'、'));
    ShowSwitchesInMenu();
    FollowStatus();
    canvas_.InvalidateAll();
}

void CalculatorWindow::FollowStatus()
{
    const DisplayTexts texts = TextsOf(session_);
    QString status = texts.message + u'\n' + texts.switches;
    if (status == status_)
        return;
    status_ = std::move(status);
    canvas_.InvalidateStatus();
}

void CalculatorWindow::ShowSwitchesInMenu()
{
    for (const DeskSwitch& desk : kDeskSwitches)
        if (desk.count == 2 && desk.menuId != 0)
            menus_->SetChecked(desk.menuId, session_.settings().*desk.field != 0);
    menus_->SetChecked(IdSwitchItemCount, session_.settings().ItemCountFlg != 0);
    menus_->SetChecked(IdSwitchConstant, session_.settings().ConstantMode != 0);
}

void CalculatorWindow::ToggleTape()
{
    tape_->Toggle();
    // Closed: the keys and the screen reader are back at the display.
    if (tape_->window() == nullptr || !tape_->window()->isVisible()) {
        activateWindow();
        announcer_.FocusDisplay();
    }
}

TapeWindow* CalculatorWindow::tapeWindow() const { return tape_->window(); }

SoftKeyBar* CalculatorWindow::softKeyBar() const { return menus_->bar(); }

PopupMenu* CalculatorWindow::clearMenu() const { return menus_->clearMenu(); }

void CalculatorWindow::SetScreen(const ScreenMetrics& screen)
{
    // Laid out at once: a hidden window gets its resize event only when shown.
    canvas_.SetScreen(screen);
    resize(screen.width, screen.height);
    menus_->bar()->Dock();
    canvas_.Layout();
}

void CalculatorWindow::ShowPressed(KeyId key) { canvas_.Press(PressFeedback::Press, key); }

void CalculatorWindow::Invalidate(DisplayRegion region)
{
    if (!ready_)
        return;
    announcer_.Changed();
    canvas_.Invalidate(region);
}

void CalculatorWindow::SayWhatTheDisplayDoesNot(const Command& command, const std::u16string& shown)
{
    const std::vector<std::u16string> lit = session_.Annunciators(false);
    switch (command.menuId) {
    case IdNonAdd:
        // The number went to the tape and the display shows 0: the number first.
        announcer_.Lead(tr("%1 非加算").arg(QString::fromStdU16String(shown)));
        break;
    case IdRateSwitch:
        // Back at the first rate no annunciator says so: the rate in force is said.
        if (const std::u16string rate = session_.calculator().ActiveRateText();
            std::find(lit.begin(), lit.end(), rate) == lit.end())
            announcer_.Say(ShownAnnunciator(QString::fromStdU16String(rate)));
        break;
    case IdHms:
        // ":" that ends the minutes changes no digit: the time so far is said.
        if (session_.state().displayText == shown)
            announcer_.Repeat();
        break;
    default: break;
    }
}

std::vector<PaintedPart> CalculatorWindow::AccessibleParts() const { return announcer_.Parts(); }

CommandOutcome CalculatorWindow::Run(const Command& command)
{
    const bool digit = TypesADigit(command);
    announcer_.Echoed(digit);
    const std::u16string shown = session_.state().displayText;
    const CalculatorSettings before = session_.settings();
    const CommandOutcome outcome = session_.Run(command);
    tape_->Follow();
    if (outcome == CommandOutcome::Switched)
        SwitchesChanged(before, true);
    FollowStatus();
    if (session_.state().refused == Refusal::None && !session_.state().error)
        SayWhatTheDisplayDoesNot(command, shown);
    if (const Refusal why = session_.state().refused; why != Refusal::None) {
        // A key that had nothing to work with, or is switched off: the number
        // stays, the display flashes, and the reason is told.
        canvas_.FlashDisplay();
        announcer_.Refused(Translated("Refusal", RefusalText(why)));
    }
    return outcome;
}

void CalculatorWindow::Press(KeyId key, int feedback) { Press(CommandOfKey(key), feedback); }

void CalculatorWindow::Press(const Command& command, int feedback)
{
    Run(command);
    // A command without a key of its own (the digit drop) flashes nothing.
    if (command.key)
        canvas_.Press(feedback, *command.key);
}

void CalculatorWindow::PressAt(int x, int y)
{
    if (const auto key = HitTest(canvas_.layout(), x, y))
        Press(*key, PressFeedback::Press);
    else
        canvas_.Forget();
    grabMouse();
}

void CalculatorWindow::ReleasePress()
{
    canvas_.ReleaseHeldKey();
    releaseMouse();
}

void CalculatorWindow::OnCommand(int id)
{
    const Command* command = CommandOfMenuId(id);
    if (command == nullptr)
        return;
    if (Run(*command) != CommandOutcome::ForWindow) {
        // The phone's Enter flashes "＝" as its key does.
        if (id == IdOK)
            canvas_.Press(PressFeedback::Flash, KeyId::Equals);
        return;
    }
    switch (id) {
    case IdLeftSoftKey: menus_->ShowClearMenu(); break;
    case IdCopyToClipboard: Copy(false); break;
    case IdCopyNumber: Copy(true); break;
    case IdPaste: Paste(); break;
    case IdVersion: ShowVersion(); break;
    case IdExit: QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); break;
    case IdStayOnTop:
        SetStayOnTop(!StaysOnTop());
        announcer_.Say(StaysOnTop() ? tr("常に手前に表示 オン") : tr("常に手前に表示 オフ"));
        break;
    case IdTape: ToggleTape(); break;
    case IdTapeSave:
    case IdTapeOpen:
    case IdTapeNew:
    case IdTapeExport:
    case IdTapePrint:
    case IdTapeClear:
    case IdTapeFind: tape_->RunCommand(id); break;
    default: break;
    }
}

bool CalculatorWindow::StaysOnTop() const { return onTop_; }

void CalculatorWindow::SetStayOnTop(bool onTop)
{
    if (!StayOnTopPossible() || onTop == onTop_)
        return;
    onTop_ = onTop;
    KeepAbove(*this, onTop);
    tape_->SetStayOnTop(onTop);
    menus_->SetChecked(IdStayOnTop, onTop);
}

QByteArray CalculatorWindow::TapeGeometry() const { return tape_->Geometry(); }

void CalculatorWindow::SetTapeGeometry(const QByteArray& geometry) { tape_->SetGeometry(geometry); }

void CalculatorWindow::Copy(bool numberOnly)
{
    // Exactly as shown (grouped when the display is, "ERROR" in the error
    // state), or the number as a spreadsheet reads it. A clipboard that
    // refuses it has lost nothing of the calculator's.
    const std::u16string& shown = session_.state().displayText;
    if (PlaceClipboardText(QString::fromStdU16String(numberOnly ? StripGrouping(shown) : shown)))
        announcer_.Say(tr("コピーしました"));
}

void CalculatorWindow::Paste()
{
    announcer_.Echoed(false);
    // Looked at in place: a clipboard may hold megabytes.
    const QString text = ClipboardText();
    if (session_.Paste(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<std::size_t>(text.size())))) {
        tape_->Follow();
        return;
    }
    // Refused, with nothing changed: the display flashes once, as a key does,
    // and screen readers are told why.
    canvas_.FlashDisplay();
    announcer_.Refused(Translated("Message", kPasteRefused));
}

void CalculatorWindow::ShowVersion()
{
    // The design's words in Japanese; a sentence of the language elsewhere.
    ShowMessageBox(this, tr("Abacor  Version %1").arg(QString::fromUtf16(ABACOR_VERSION_TEXT)), StyleOk);
    setFocus();
    repaint();
}

void CalculatorWindow::OnActivate(bool active)
{
    if (!active)
        return;
    // Where no watcher tells of AbacorSet's saves (the registry), coming
    // back to the calculator does.
    if (followsStore_)
        ReadRecord();
    announcer_.FocusDisplay();
    SwitchToAlphanumericInput(*this);
    // The phone's status value is set only where the phone keeps one; a
    // desktop has none, and is asked once. It is written only when it is
    // not the calculator's already: an activation is no reason to write.
    if (!phoneStatus_)
        phoneStatus_ = UserStoreKey::OpenForRead(kPhoneStatusKey).has_value();
    if (*phoneStatus_) {
        const auto stored = UserStoreKey::OpenForRead(kPhoneStatusKey);
        if (stored && stored->QueryText(u"Status22") == std::u16string(u"7"))
            return;
        if (auto key = UserStoreKey::CreateOrOpen(kPhoneStatusKey)) {
            key->SetValue(u"Status22", 7);
            // A courtesy to the phone's shell; the calculator works without it.
            static_cast<void>(key->Close());
        }
    }
}

void CalculatorWindow::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another pixel ratio: laid out anew for it.
    if (canvas_.FollowPixelRatio())
        canvas_.Layout();
    QPainter painter(this);
    canvas_.PaintOn(painter, event->rect());
    if (afterFirstFrame_)
        QTimer::singleShot(0, this, std::exchange(afterFirstFrame_, {}));
}

void CalculatorWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    canvas_.FollowPixelRatio();
    // The first resize event of a new window repeats the size it was made with.
    if (canvas_.LaidOutFor(width(), height()))
        return;
    canvas_.SetScreen({width(), height(), canvas_.screen().dpiY});
    canvas_.Layout();
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event)
{
    // The display's menu from keyboards without a menu key, as elsewhere on the desktop.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        menus_->ShowDisplayMenu(mapToGlobal(canvas_.Logical(canvas_.layout().displayBox).center()));
        return;
    }
    const std::uint32_t code = VirtualKeyFromEvent(*event);
    if (const Command* command = ChordCommand(*event, CommandOfKeyCode(code) != nullptr)) {
        if (command->menuId == 0) {
            Press(*command, PressFeedback::Flash);
            return;
        }
        // As its menu item, and its key (where it has one) flashes.
        OnCommand(command->menuId);
        if (command->key)
            canvas_.Press(PressFeedback::Flash, *command->key);
        return;
    }
    // With Ctrl, Alt or Meta a key is a desktop shortcut, never a calculator key.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    if (const Command* command = keyInput_.OnKeyDown(code, event->text()))
        Press(*command, PressFeedback::Flash);
}

void CalculatorWindow::keyReleaseEvent(QKeyEvent* event)
{
    // Auto-repeat arrives as further presses only, as on the phone.
    if (event->isAutoRepeat())
        return;
    if (const Command* command = keyInput_.OnKeyUp(VirtualKeyFromEvent(*event)))
        Press(*command, PressFeedback::Flash);
}

void CalculatorWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PressAt(static_cast<int>(event->position().x() * canvas_.ratio()),
                static_cast<int>(event->position().y() * canvas_.ratio()));
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

void CalculatorWindow::contextMenuEvent(QContextMenuEvent* event)
{
    const double ratio = canvas_.ratio();
    const QPoint device(static_cast<int>(event->pos().x() * ratio), static_cast<int>(event->pos().y() * ratio));
    const Rect& box = canvas_.layout().displayBox;
    if (event->reason() == QContextMenuEvent::Mouse && !box.Contains(device.x(), device.y()))
        return;
    // From the keyboard, at the display.
    menus_->ShowDisplayMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                        : mapToGlobal(canvas_.Logical(box).center()));
}

}  // namespace abacor
