#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <filesystem>

#include <QElapsedTimer>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <QAccessible>

#include <map>
#include <memory>
#include <sys/stat.h>

#include "calculator/core/CommandTable.h"
#include "calculator/window/CalculatorWindow.h"
#include "calculator/window/DisplayAnnouncer.h"
#include "calculator/window/TapeWindow.h"
#include "calculator/window/Version.h"
#include "calculator/window/WindowPlacement.h"
#include "platform/shell/AppIcon.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/PaintedParts.h"
#include "platform/shell/PopupMenu.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/UiLanguage.h"
#include "platform/store/UserStore.h"
#include "settings/SettingsStore.h"
#include "tests/FileSizeLimit.h"
#include "tests/PhoneSettings.h"
#include "tests/settings/TempStoreQt.h"

namespace abacor::test {
namespace {

class Window : public TempStoreQt {
protected:
    void Open(CalculatorSettings settings = PhoneSettings(), ScreenMetrics screen = {480, 640, 192})
    {
        dialog_ = std::make_unique<CalculatorWindow>(settings, screen);
        dialog_->show();
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
    }
    CalculatorWindow& dlg() { return *dialog_; }
    const CalculatorState& state() { return dialog_->session().state(); }
    QString display() { return QString::fromStdU16String(state().displayText); }

    // A press of the mouse's left button at a point in device pixels, and
    // its release, as the window receives them.
    void PressAt(int x, int y)
    {
        const double ratio = dlg().devicePixelRatioF();
        at_ = QPoint(static_cast<int>(x / ratio), static_cast<int>(y / ratio));
        QTest::mousePress(&dlg(), Qt::LeftButton, Qt::NoModifier, at_);
    }
    void ReleasePress() { QTest::mouseRelease(&dlg(), Qt::LeftButton, Qt::NoModifier, at_); }
    void Tap(KeyId key)
    {
        const Rect r = dlg().layout().KeyRect(key);
        ASSERT_FALSE(r.IsNull());
        PressAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ReleasePress();
    }
    // Keys typed on the keyboard: symbols as typed, arrows by name.
    void Type(const char* keys) { QTest::keyClicks(&dlg(), QString::fromUtf8(keys)); }
    QRgb Pixel(const Rect& r) { return dlg().Framebuffer().pixel(r.left + 3, r.top + 3); }

    std::unique_ptr<CalculatorWindow> dialog_;
    QPoint at_;
};

TEST_F(Window, StartsWithZeroAndTheSoftKeys)
{
    Open();
    EXPECT_EQ(dlg().windowTitle(), QStringLiteral("Abacor"));
    EXPECT_FALSE(dlg().isModal());
    EXPECT_TRUE(dlg().windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(dlg().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(AppIcon().availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(display(), QStringLiteral("0"));
    EXPECT_EQ(state().resultText, u"0");
    EXPECT_EQ(state().entryState, EntryState::Result);
    EXPECT_EQ(dlg().softKeyBar()->KeyText(0), QStringLiteral("クリア"));
    EXPECT_EQ(dlg().softKeyBar()->KeyText(1), QStringLiteral("メニュー"));
    EXPECT_EQ(dlg().ClientRect(), (Rect{0, 0, 480, 588}));
    EXPECT_EQ(dlg().Framebuffer().size(), QSize(480, 588));
    EXPECT_EQ(FromPixel(dlg().Framebuffer().pixel(2, 300)), 0xC8C8C8u);
}

// The window's children as assistive technology sees them, by name.
std::map<QString, QAccessibleInterface*> AccessibleChildren(QWidget* widget)
{
    std::map<QString, QAccessibleInterface*> children;
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(widget);
    for (int i = 0; i < window->childCount(); ++i)
        children[window->child(i)->text(QAccessible::Name)] = window->child(i);
    return children;
}

TEST_F(Window, AssistiveTechnologySeesEveryKeyAndText)
{
    CalculatorSettings settings = PhoneSettings();
    settings.AddButton1Type = 5;
    Open(settings);
    auto children = AccessibleChildren(&dlg());
    int buttons = 0;
    for (const auto& [name, child] : children)
        buttons += child->role() == QAccessible::Button ? 1 : 0;
    EXPECT_EQ(buttons, 19) << "18 fixed keys and 税込";
    ASSERT_TRUE(children.count(QStringLiteral("税込")));
    EXPECT_FALSE(children.count(QStringLiteral("％"))) << "a key that is not placed";
    const auto press = [&](const char16_t* name) {
        auto* action = children.at(QString::fromUtf16(name))->actionInterface();
        ASSERT_NE(action, nullptr);
        action->doAction(QAccessibleActionInterface::pressAction());
    };
    QAccessibleInterface* display = children.at(QStringLiteral("表示"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&dlg())->role(), QAccessible::Window) << "a frame";
    EXPECT_EQ(display->role(), QAccessible::EditableText);
    EXPECT_TRUE(display->state().readOnly && display->state().focusable);
    EXPECT_EQ(children.at(QStringLiteral("１"))
                  ->actionInterface()
                  ->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{QStringLiteral("1")});
    press(u"１");
    EXPECT_EQ(dlg().pressedKeyRect(), dlg().layout().KeyRect(KeyId::Digit1)) << "shown pressed";
    press(u"＋");
    EXPECT_EQ(display->text(QAccessible::Name), QStringLiteral("表示 ＋")) << "where-am-I hears the operator";
    press(u"２");
    press(u"＝");
    EXPECT_EQ(display->textInterface()->text(0, display->textInterface()->characterCount()), QStringLiteral("3"));
    EXPECT_EQ(children.at(QStringLiteral("RESULT"))->text(QAccessible::Value), QStringLiteral("3"));
    const QRect equals = children.at(QStringLiteral("＝"))->rect();
    const Rect layoutEquals = dlg().layout().KeyRect(KeyId::Equals);
    EXPECT_EQ(equals.topLeft(), dlg().mapToGlobal(QPoint(layoutEquals.left, layoutEquals.top)));
    // A turn to landscape lays the keys out anew: 税込 has no place there, and
    // a client holding it finds it gone, not another key in its place; a key
    // placed in both stays itself.
    const QAccessible::Id heldTax = QAccessible::uniqueId(children.at(QStringLiteral("税込")));
    QAccessibleInterface* heldEquals = children.at(QStringLiteral("＝"));
    dlg().SetScreen({640, 480, 192});
    EXPECT_FALSE(AccessibleChildren(&dlg()).count(QStringLiteral("税込")));
    EXPECT_EQ(QAccessible::accessibleInterface(heldTax), nullptr);
    EXPECT_EQ(heldEquals->text(QAccessible::Name), QStringLiteral("＝"));
    const Rect turnedEquals = dlg().layout().KeyRect(KeyId::Equals);
    EXPECT_EQ(heldEquals->rect().topLeft(), dlg().mapToGlobal(QPoint(turnedEquals.left, turnedEquals.top)));
}

TEST_F(Window, EveryKeyKindAnswersATapAtItsCentre)
{
    CalculatorSettings settings = PhoneSettings();
    settings.AddButton1Type = 1;  // ％
    settings.AddButton2Type = 4;  // √
    settings.AddButton4Type = 5;  // 税込
    Open(settings);
    const struct {
        std::vector<KeyId> keys;
        const char* display;
    } cases[] = {
        {{KeyId::Digit1, KeyId::Digit2, KeyId::Point, KeyId::Digit5}, "12.5"},
        {{KeyId::Digit9, KeyId::Multiply, KeyId::Digit8, KeyId::Equals}, "72"},
        {{KeyId::Digit9, KeyId::Divide, KeyId::Digit4, KeyId::Subtract, KeyId::Digit3, KeyId::Add, KeyId::Digit6,
          KeyId::Digit7, KeyId::Digit0, KeyId::Equals},
         "669.25"},
        {{KeyId::Digit2, KeyId::Sign}, "-2"},
        {{KeyId::Digit2, KeyId::ClearEntry}, "0"},
        {{KeyId::Digit2, KeyId::Add, KeyId::Digit1, KeyId::Digit0, KeyId::Percent}, "2.2"},
        {{KeyId::Digit1, KeyId::Digit6, KeyId::SquareRoot}, "4"},
        {{KeyId::Digit2, KeyId::Digit0, KeyId::TaxIncluded}, "22"},
    };
    for (const auto& c : cases) {
        Tap(KeyId::ClearEntry);
        for (KeyId key : c.keys)
            Tap(key);
        EXPECT_EQ(display().toStdString(), c.display);
        dlg().session().RunKey(KeyId::Clear);
    }
}

TEST_F(Window, AdditionalClearKeysAndTheirMemory)
{
    CalculatorSettings settings = PhoneSettings();
    settings.AddButton1Type = 2;  // CA
    settings.AddButton4Type = 3;  // C
    Open(settings);
    dlg().session().RunMenuCommand(IdMemoryClear);
    Tap(KeyId::Digit5);
    dlg().OnCommand(IdMemoryPlus);
    ASSERT_EQ(state().memoryText, u"5");
    Tap(KeyId::Clear);
    EXPECT_EQ(state().memoryText, u"5") << "C keeps the memory";
    Tap(KeyId::AllClear);
    EXPECT_EQ(state().memoryText, u"0") << "CA clears it";
}

TEST_F(Window, ATapHoldsTheKeyInvertedUntilTheStylusLifts)
{
    Open();
    const Rect equals = dlg().layout().KeyRect(KeyId::Equals);
    const QRgb normal = Pixel(equals);
    PressAt(equals.left + 5, equals.top + 5);
    EXPECT_EQ(dlg().pressedKeyRect(), equals);
    EXPECT_EQ(Pixel(equals), normal ^ 0x00FFFFFFu);
    ReleasePress();
    EXPECT_TRUE(dlg().pressedKeyRect().IsNull());
    EXPECT_EQ(Pixel(equals), normal);
    // A second release changes nothing.
    ReleasePress();
    EXPECT_EQ(Pixel(equals), normal);
}

TEST_F(Window, TapsBesideTheKeysDoNothing)
{
    Open();  // no additional keys: the upper corners of the grid are empty
    const QImage before = dlg().Framebuffer().copy();
    const WindowLayout& l = dlg().layout();
    const Rect add = l.KeyRect(KeyId::Add);
    const std::pair<int, int> points[] = {
        {add.left - 1, add.top + 5},                      // the gap left of "＋"
        {add.right, add.top + 5},                         // its right edge is outside
        {l.margin + 5, l.keypadTop + 5},                  // the empty upper-left cell
        {l.displayBox.left + 30, l.displayBox.top + 30},  // the display
        {add.left + 5, add.bottom + 1},                   // between rows
    };
    for (const auto& [x, y] : points) {
        PressAt(x, y);
        EXPECT_TRUE(dlg().pressedKeyRect().IsNull()) << x << "," << y;
        ReleasePress();
    }
    EXPECT_EQ(display(), QStringLiteral("0"));
    EXPECT_EQ(dlg().Framebuffer(), before);
    // The left and top edges of a key are inside it.
    PressAt(add.left, add.top);
    EXPECT_EQ(dlg().pressedKeyRect(), add);
    ReleasePress();
}

TEST_F(Window, RealMouseAndKeyboardEventsReachTheHandlers)
{
    Open();
    const Rect seven = dlg().layout().KeyRect(KeyId::Digit7);
    QTest::mouseClick(&dlg(), Qt::LeftButton, Qt::NoModifier, QPoint(seven.left + 10, seven.top + 10));
    EXPECT_EQ(display(), QStringLiteral("7"));
    QTest::keyClick(&dlg(), Qt::Key_Up);  // "＋"
    QTest::keyClick(&dlg(), Qt::Key_5);
    QTest::keyClick(&dlg(), Qt::Key_Return);
    EXPECT_EQ(display(), QStringLiteral("12"));
    EXPECT_TRUE(dlg().isVisible()) << "Enter computes, it does not close";
    QTest::keyClick(&dlg(), Qt::Key_Escape);
    EXPECT_TRUE(dlg().isVisible()) << "Escape clears; ending would lose the memory";
    EXPECT_EQ(display(), QStringLiteral("0"));
    QTest::keyClicks(&dlg(), QStringLiteral("12+3="));
    EXPECT_EQ(display(), QStringLiteral("15"));
    QTest::keyClick(&dlg(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("15"));
    QTest::keyClicks(&dlg(), QStringLiteral("2"));
    QTest::keyClick(&dlg(), Qt::Key_Left);  // "×"
    for (const auto& [pasted, shown] : {std::pair{"abc", "2"}, std::pair{"1,234.5", "1234.5"},
                                        std::pair{"1.2.3", "1234.5"}, std::pair{" －０．５ ", "-0.5"}}) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted));
        QTest::keyClick(&dlg(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(display(), QString::fromUtf8(shown)) << pasted;
    }
    QTest::keyClicks(&dlg(), QStringLiteral("="));
    EXPECT_EQ(display(), QStringLiteral("-1")) << "the pending × stays";
    QTest::keyClick(&dlg(), Qt::Key_Q, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_FALSE(dlg().isVisible()) << "Ctrl+Q ends the program";
}

TEST_F(Window, HardwareKeysFlashTheirKeyAndLeaveNoTrace)
{
    CalculatorSettings settings = PhoneSettings();
    settings.NumKeyRevFlg = 1;
    Open(settings);
    const QImage before = dlg().Framebuffer().copy();
    const Rect one = dlg().layout().KeyRect(KeyId::Digit1);
    const auto keyAsBefore = [&] {
        const QImage& now = dlg().Framebuffer();
        for (int y = one.top; y < one.bottom; ++y)
            for (int x = one.left; x < one.right; ++x)
                if (now.pixel(x, y) != before.pixel(x, y))
                    return false;
        return true;
    };
    QTest::keyClick(&dlg(), Qt::Key_1);
    EXPECT_EQ(display(), QStringLiteral("1"));
    EXPECT_FALSE(keyAsBefore()) << "the key shows pressed for a moment, without the window waiting";
    // The moment passes on a timer; then the key is back to normal.
    QElapsedTimer waited;
    waited.start();
    while (!keyAsBefore() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(keyAsBefore());
    EXPECT_EQ(one.top, dlg().layout().keypadTop + 5 * (dlg().layout().rowHeight + dlg().layout().gap))
        << "with NumKeyRevFlg the key captioned １ is in the lower digit row";
}

TEST_F(Window, SoftKeysAndMenuCommandsReachTheCalculator)
{
    Open();
    Type("7");
    dlg().softKeyBar()->PressLeft();  // "クリア"
    EXPECT_EQ(display(), QStringLiteral("0"));

    QSignalSpy chosen(dlg().softKeyBar(), &SoftKeyBar::commandChosen);
    // The keypad's 0 to 9 with Num Lock off.
    static constexpr Qt::Key kNumLockOff[] = {Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down,  Qt::Key_PageDown,
                                              Qt::Key_Left,   Qt::Key_Clear, Qt::Key_Right, Qt::Key_Home,
                                              Qt::Key_Up,     Qt::Key_PageUp};
    enum Digits { TopRow, Keypad, KeypadNumLockOff };
    const struct {
        std::vector<int> menuKeys;  // digits pressed in the open popups
        int command;
        Digits digits = TopRow;
    } items[] = {
        {{1, 1}, IdMemoryPlus},
        {{1, 2}, IdMemoryMinus},
        {{1, 3}, IdMemoryRecall},
        {{1, 4}, IdMemoryClear},
        {{2}, IdLastAnswer},
        {{3}, IdPercent},
        {{4, 2}, IdSquare},
        {{4, 3}, IdCube},
        {{5}, IdSquareRoot},
        {{6, 1}, IdTaxIncluded},
        {{6, 2}, IdTaxExcluded},
        {{8}, IdCopyToClipboard},
        {{6, 4}, IdTaxSum, Keypad},
        {{7, 4, 1}, IdCost, KeypadNumLockOff},
        {{7, 4, 3}, IdMargin, Keypad},
        {{7, 5}, IdAverage, KeypadNumLockOff},
        {{7, 6}, IdNonAdd},
    };
    for (const auto& item : items) {
        dlg().softKeyBar()->PressRight();
        for (int digit : item.menuKeys) {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr) << item.command;
            if (item.digits == TopRow)
                QTest::keyClick(popup, static_cast<Qt::Key>(Qt::Key_0 + digit));
            else
                QTest::keyClick(popup,
                                item.digits == Keypad ? static_cast<Qt::Key>(Qt::Key_0 + digit) : kNumLockOff[digit],
                                Qt::KeypadModifier);
        }
        ASSERT_FALSE(chosen.isEmpty()) << item.command;
        EXPECT_EQ(chosen.takeLast().at(0).toInt(), item.command);
    }
    Type("9");
    dlg().softKeyBar()->PressRight();
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_4);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_2);
    EXPECT_EQ(display(), QStringLiteral("81")) << "べき乗 > ２乗 squares the display";

    // Each item shows its key at its right.
    dlg().softKeyBar()->PressRight();
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_1);
    QString memoryPlus;
    for (QAction* action : QApplication::activePopupWidget()->actions())
        if (action->data().toInt() == IdMemoryPlus)
            memoryPlus = action->text();
    EXPECT_TRUE(memoryPlus.endsWith(QStringLiteral("Ctrl+P"))) << memoryPlus.toStdString();
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

// The desktop chords of the command table, by the letter typed; a plain
// letter on the letter pad's places stays the digit there.
TEST_F(Window, DeskFunctionsAreOneKeyAway)
{
    CalculatorSettings settings = PhoneSettings();
    settings.GrandTotalFlg = 1;
    settings.DeskTaxFlg = 1;
    Open(settings);
    const auto keys = [this](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses) {
        for (const auto& [key, modifiers] : presses)
            QTest::keyClick(&dlg(), key, modifiers);
    };
    constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
    keys({{Qt::Key_1, kNone}, {Qt::Key_0, kNone}, {Qt::Key_0, kNone}, {Qt::Key_T, kNone}});
    EXPECT_EQ(display(), QStringLiteral("110")) << "T: 税込";
    keys({{Qt::Key_T, kNone}});
    EXPECT_EQ(display(), QStringLiteral("10")) << "T again: the tax";
    keys({{Qt::Key_P, Qt::ControlModifier},
          {Qt::Key_M, kNone},
          {Qt::Key_Return, kNone},
          {Qt::Key_Y, kNone},
          {Qt::Key_G, kNone}});
    EXPECT_EQ(state().memoryText, u"10") << "Ctrl+P: M+";
    EXPECT_EQ(display(), QStringLiteral("9")) << "M alone is the letter pad's 9, 9 ＝ goes into GT, G shows it";
    keys({{Qt::Key_Y, kNone}, {Qt::Key_Backspace, kNone}, {Qt::Key_Escape, Qt::ShiftModifier}});
    EXPECT_EQ(display(), QStringLiteral("0"));
    EXPECT_EQ(state().grandTotal, 0.0) << "Shift+Escape: CA";
}

TEST_F(Window, TheSwitchesAreOnTheFaceLiveSavedAndFollowed)
{
    Open(DefaultSettings());
    dlg().FollowStore();
    // Switched off from the keyboard: from the next key, on the tape, saved.
    QTest::keyClick(&dlg(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(dlg().settings().GrandTotalFlg, 0u);
    EXPECT_EQ(dlg().session().tape().Lines().back().mark, u"GT オフ");
    EXPECT_EQ(LoadSettings().GrandTotalFlg, 0u) << "saved to the record";
    Type("5=");
    QTest::keyClick(&dlg(), Qt::Key_G);
    EXPECT_EQ(display(), QStringLiteral("5")) << "GT off: the number stays";
    EXPECT_EQ(state().refused, Refusal::GrandTotalOff);
    EXPECT_EQ(TextsOf(dlg().session()).message, QStringLiteral("GTはオフです。Alt+G でオンにします。"))
        << "said on screen until the next key";
    // From the menu, by its id: the rounding selector's next position.
    dlg().OnCommand(IdSwitchRound);
    EXPECT_TRUE(TextsOf(dlg().session()).message.isEmpty());
    EXPECT_EQ(TextsOf(dlg().session()).switches, QStringLiteral("CUT 0  税計  件  K"));
    // A save of another program's is followed, its switches on the tape too.
    auto record = UserStoreKey::CreateOrOpen(kSettingsKeyPath);
    ASSERT_TRUE(record);
    record->SetValue(u"GrandTotalFlg", 1);
    record->SetValue(u"CommaFormatFlg", 0);
    ASSERT_TRUE(record->Close());
    dlg().ReadRecord();
    EXPECT_EQ(dlg().settings().GrandTotalFlg, 1u);
    EXPECT_EQ(dlg().settings().CommaFormatFlg, 0u);
    EXPECT_EQ(dlg().session().tape().Lines().back().mark, u"GT オン");
    EXPECT_EQ(dlg().settings().RoundSelector, 1u) << "what this calculator changed stays";
}

TEST_F(Window, TheClearMenuOpensAboveTheBarAtTheLeft)
{
    CalculatorSettings settings = PhoneSettings();
    settings.ClearMenuFlg = 1;
    Open(settings);
    Type("5");
    dlg().OnCommand(IdMemoryPlus);
    Type("6");
    dlg().softKeyBar()->PressLeft();
    EXPECT_EQ(display(), QStringLiteral("6")) << "the left key itself clears nothing";
    PopupMenu* menu = dlg().clearMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->geometry().left(), dlg().mapToGlobal(QPoint(0, 0)).x());
    EXPECT_EQ(menu->geometry().top() + menu->geometry().height(),
              dlg().mapToGlobal(QPoint(0, dlg().softKeyBar()->geometry().top())).y());
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("クリア\t(&1)  Esc")) << "with its key";
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("オールクリア\t(&2)  Shift+Esc"));
    QTest::keyClick(menu, Qt::Key_2);
    EXPECT_EQ(display(), QStringLiteral("0"));
    EXPECT_EQ(state().memoryText, u"0") << "オールクリア clears the memory";

    Type("6");
    dlg().softKeyBar()->PressLeft();
    menu = dlg().clearMenu();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(display(), QStringLiteral("6")) << "dismissing the menu changes nothing";
}

TEST_F(Window, CopyPlacesTheDisplayAsShown)
{
    const struct {
        std::uint32_t comma;
        const char* keys;
        const char* copied;
    } cases[] = {
        {1, "1234567", "1,234,567"},
        {0, "1234567", "1234567"},
        {0, "1/0", "ERROR"},
    };
    for (const auto& c : cases) {
        CalculatorSettings settings = PhoneSettings();
        settings.CommaFormatFlg = c.comma;
        Open(settings);
        Type(c.keys);
        dlg().OnCommand(IdOK);
        dlg().OnCommand(IdCopyToClipboard);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.copied);
    }
}

TEST_F(Window, CopyAndPasteLikeADesktopProgram)
{
    CalculatorSettings settings = PhoneSettings();
    settings.CommaFormatFlg = 1;
    Open(settings);
    Type("12345");
    QTest::keyClick(&dlg(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12345")) << "the number only";
    QTest::keyClick(&dlg(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12,345")) << "as shown";
    QGuiApplication::clipboard()->setText(QStringLiteral("¥1.980,50"));
    QTest::keyClick(&dlg(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(state().displayText, u"1,980.50");
    // A pasted column is refused: nothing changes, and screen readers hear why.
    QGuiApplication::clipboard()->setText(QStringLiteral("12\n34"));
    QTest::keyClick(&dlg(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(state().displayText, u"1,980.50");
    QAccessibleInterface* display = AccessibleChildren(&dlg()).at(QStringLiteral("表示"));
    EXPECT_TRUE(display->text(QAccessible::Value).contains(QStringLiteral("貼り付けられません")));
    // So is a margin from the menu with no cost and no price to work from.
    dlg().OnCommand(IdCost);
    dlg().OnCommand(IdMargin);
    EXPECT_EQ(state().displayText, u"1,980.50");
    EXPECT_TRUE(display->text(QAccessible::Value).contains(QStringLiteral("二つが入っていません")));
}

TEST_F(Window, CheckFromTheMenuLightsItsAnnunciator)
{
    Open(PhoneSettings());
    const auto keys = [this] {
        Type("480*5");
        dlg().OnCommand(IdOK);
    };
    const auto name = [this] {
        for (const auto& [shown, child] : AccessibleChildren(&dlg()))
            if (shown.startsWith(QStringLiteral("表示")))
                return shown;
        return QString();
    };
    keys();
    dlg().OnCommand(IdCheck);
    EXPECT_TRUE(name().endsWith(QStringLiteral("検算"))) << name().toStdString();
    keys();
    EXPECT_TRUE(name().endsWith(QStringLiteral("OK"))) << name().toStdString();
    EXPECT_EQ(dlg().session().tape().Lines().size(), 8u)
        << "two calculations of two steps and a total each, the check's beginning and its word";
    EXPECT_EQ(dlg().session().tape().Lines().back().mark, u"OK");
}

TEST_F(Window, TheTapeWindowShowsCorrectsCopiesAndExports)
{
    Open(PhoneSettings());
    Type("123+456+789");
    dlg().OnCommand(IdOK);
    QTest::keyClick(&dlg(), Qt::Key_F3);
    TapeWindow* tape = dlg().tapeWindow();
    ASSERT_NE(tape, nullptr);
    EXPECT_TRUE(tape->isVisible());
    EXPECT_EQ(tape->model().rowCount(), 4) << "three steps and the total";
    EXPECT_EQ(dlg().ClientRect(), (Rect{0, 0, 480, 588})) << "the calculator keeps its layout";

    QStringList said;
    ScopedMessageBoxAnswerer answerer([&](const QString& text, unsigned) {
        said << text;
        return int(AnswerOk);
    });
    const QModelIndex second = tape->model().index(1);
    EXPECT_FALSE(tape->model().setData(second, QStringLiteral("1.2.3")));
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said[0], QStringLiteral("訂正できません。数値は12桁まで、「-」と「.」はひとつまでです。"));
    EXPECT_FALSE(tape->model().setData(second, QStringLiteral("abc")));
    EXPECT_EQ(said.last(), QStringLiteral("訂正できません。数値ではありません。")) << "no digit limit for letters";
    said.clear();
    EXPECT_EQ(state().displayText, u"1368");
    EXPECT_TRUE(tape->model().setData(second, QStringLiteral("457")));
    EXPECT_EQ(state().displayText, u"1369");
    QCoreApplication::processEvents();
    EXPECT_EQ(tape->model().index(3).data().toString(), QStringLiteral("1,369 *"));
    EXPECT_FALSE(tape->model().flags(tape->model().index(3)) & Qt::ItemIsEditable) << "only steps are corrected";
    // Enter on a line that is no step starts nothing, and says nothing on stderr.
    static QStringList warned;
    warned.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) { warned << message; });
    tape->view()->setCurrentIndex(tape->model().index(3));
    QTest::keyClick(tape->view(), Qt::Key_Return);
    QTest::keyClick(tape->view(), Qt::Key_F2);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warned.isEmpty()) << warned.join(u'|').toStdString();
    // The correction field is named for screen readers; Escape leaves the line current.
    tape->view()->setCurrentIndex(tape->model().index(0));
    QTest::keyClick(tape->view(), Qt::Key_Return);
    const QLineEdit* field = tape->view()->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->accessibleName(), QStringLiteral("訂正"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(tape->view()->currentIndex().row(), 0);

    tape->view()->selectionModel()->select(QItemSelection(tape->model().index(0), second),
                                           QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(tape->SelectedText(), QStringLiteral("123 ＋  #1\n457 ＋  #2  (訂正前 456)"));

    const QString csv = QDir::temp().filePath(QStringLiteral("abacor-tape-test.csv"));
    ASSERT_TRUE(tape->ExportTo(csv));
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    written.remove();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF実行,計算,番号,数値,種別,訂正前,注記,日時\r\n1,1,1,123,＋,,,"));
    EXPECT_TRUE(bytes.contains("\r\n1,1,2,457,＋,456,")) << "the earlier number in a column of its own";
    EXPECT_TRUE(bytes.contains("\r\n1,1,,1369,*,,")) << "numbers without grouping";
    // For people in English: its columns and marks; the same file Abacor opens again otherwise.
    InstallTranslations(QStringLiteral("en"));
    ASSERT_TRUE(tape->ExportTo(csv, true));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray english = written.readAll();
    written.close();
    ASSERT_TRUE(tape->ExportTo(csv));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes);
    written.remove();
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
    EXPECT_TRUE(english.startsWith("\xEF\xBB\xBFRun,Calculation,Step,Number,Mark,Was,Note,Time\r\n1,1,1,123,＋,,,"))
        << english.left(80).toStdString();
    EXPECT_TRUE(english.contains("\r\n1,1,,1369,*,,"));
    EXPECT_FALSE(tape->ExportTo(QStringLiteral("/nonexistent-folder/tape.csv")));
    EXPECT_TRUE(said.last().startsWith(QStringLiteral("エクスポートできませんでした。"))) << "never silent";
    {
        // A full disk: the old file of that name stays as it was, and the user is told.
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write("old");
        written.close();
        said.clear();
        const FileSizeLimit full(8);
        EXPECT_FALSE(tape->ExportTo(csv));
    }
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "old");
    written.remove();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("エクスポートできませんでした。")));

    EXPECT_TRUE(dlg().session().SetNote(0, u"請求書 A-101").empty());
    EXPECT_EQ(tape->model().index(0).data().toString(), QStringLiteral("123 ＋  #1  請求書 A-101"))
        << "read with its line";
    EXPECT_FALSE(dlg().session().SetNote(0, std::u16string(201, u'x')).empty()) << "refused, never cut";
    EXPECT_TRUE(tape->FindNext(QStringLiteral("a-101"))) << "found in a note";
    EXPECT_EQ(tape->view()->currentIndex().row(), 0);
    EXPECT_TRUE(tape->FindNext(QStringLiteral("1369"))) << "found without grouping";
    EXPECT_EQ(tape->view()->currentIndex().row(), 3);
    EXPECT_FALSE(tape->FindNext(QStringLiteral("999")));
    // Typed into the find field: a miss leaves the current line where it was.
    tape->RunCommand(IdTapeFind);
    auto* find = tape->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(find, nullptr);
    QTest::keyClicks(find, QStringLiteral("zz"));
    EXPECT_EQ(tape->view()->currentIndex().row(), 3) << "not moved by a miss";
    auto* notFound = tape->findChild<AccessibleNotice*>(QStringLiteral("notFound"));
    ASSERT_NE(notFound, nullptr);
    EXPECT_TRUE(!notFound->isHidden() && notFound->text() == QStringLiteral("見つかりません")) << "shown, and said";
    QTest::keyClick(find, Qt::Key_Backspace);
    QTest::keyClick(find, Qt::Key_Backspace);
    QTest::keyClicks(find, QStringLiteral("1369"));
    EXPECT_EQ(tape->view()->currentIndex().row(), 3) << "the current line matches: it stays";
    EXPECT_TRUE(notFound->isHidden());

    const QString pdf = QDir::temp().filePath(QStringLiteral("abacor-tape-test.pdf"));
    ASSERT_TRUE(tape->Print(pdf)) << said.last().toStdString();
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(pdfinfo.waitForFinished(20000));
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    EXPECT_TRUE(
        info.contains(QRegularExpression(QStringLiteral("Title: +Abacor テープ \\d{4}-\\d\\d-\\d\\d \\d{4}\n"))))
        << "a name every file system takes: " << info.toStdString();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    QFile::remove(pdf);
    QStringList printed;
    for (const QString& line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n'))
        printed << line.simplified();
    EXPECT_TRUE(printed.contains(QStringLiteral("#2 457 ＋"))) << printed.join(u'|').toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("(訂正前 456)")));
    EXPECT_TRUE(printed.contains(QStringLiteral("1,369 *")));
    EXPECT_TRUE(printed.contains(QStringLiteral("請求書 A-101"))) << "a note below its line";
    EXPECT_FALSE(tape->Print(QStringLiteral("/nonexistent-folder/tape.pdf")));
    EXPECT_TRUE(said.last().startsWith(QStringLiteral("印刷できませんでした。")));
    // No printer set up (a print server that is not there): said, and a PDF
    // offered; never nothing.
    qputenv("CUPS_SERVER", QFile::encodeName(QDir::temp().filePath(QStringLiteral("abacor-no-cups.sock"))));
    said.clear();
    EXPECT_TRUE(tape->Print());
    qunsetenv("CUPS_SERVER");
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("プリンターが設定されていません。")));

    // The buttons from the keyboard: each takes the focus, each has its Alt letter.
    const QList<QToolButton*> buttons = tape->findChildren<QToolButton*>();
    ASSERT_GE(buttons.size(), 3);
    for (const QToolButton* button : buttons) {
        if (button->defaultAction() != nullptr && qobject_cast<QToolBar*>(button->parentWidget()) != nullptr) {
            EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << button->text().toStdString();
        }
    }
    tape->activateWindow();
    QTest::keyClick(tape, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(said.last(), QStringLiteral("テープを消去しますか？")) << "Alt+D asks, the answer No keeps it";
    EXPECT_EQ(tape->model().rowCount(), 4);

    // Saved, then opened again as a new calculation: the same results, the note back.
    const QString saved = QDir::temp().filePath(QStringLiteral("abacor-tape-test.abacor-tape"));
    ASSERT_TRUE(tape->SaveTo(saved, dlg().session().CalculationLines()));
    ASSERT_TRUE(tape->OpenFrom(saved));
    EXPECT_EQ(tape->model().index(tape->model().rowCount() - 4).data().toString(),
              QStringLiteral("123 ＋  #1  請求書 A-101"));
    EXPECT_TRUE(tape->view()->hasFocus()) << "select all and copy take the opened lines";
    EXPECT_EQ(state().displayText, u"1369");
    {
        // A result the file has otherwise: said, and the keys back on the line that says where.
        QFile file(saved);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll().replace("1369", "1370");
        file.close();
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    said.clear();
    ASSERT_TRUE(tape->OpenFrom(saved));
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(QStringLiteral("異なります")));
    EXPECT_TRUE(tape->view()->hasFocus());
    EXPECT_EQ(tape->view()->currentIndex().row(), tape->model().rowCount() - 1);
    QFile::remove(saved);
    said.clear();
    EXPECT_FALSE(tape->OpenFrom(QStringLiteral("/nonexistent-folder/tape.abacor-tape")));
    EXPECT_EQ(said.size(), 1) << "a refusal is said";

    // Keys at the calculator while the tape is open: the tape follows without
    // moving its current line (a screen reader would leave the display for it)
    // until it is the active window again.
    const auto active = [](QWidget* window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    };
    dlg().activateWindow();
    ASSERT_TRUE(active(&dlg()));
    const int current = tape->view()->currentIndex().row();
    Type("4*5");
    dlg().OnCommand(IdOK);
    EXPECT_EQ(tape->view()->currentIndex().row(), current);
    tape->activateWindow();
    ASSERT_TRUE(active(tape));
    EXPECT_EQ(tape->view()->currentIndex().row(), tape->model().rowCount() - 1);

    // F3 from the tape closes it and gives the keys back to the calculator.
    QTest::keyClick(tape, Qt::Key_F3);
    EXPECT_FALSE(tape->isVisible());
    EXPECT_TRUE(active(&dlg()));
    QTest::keyClick(&dlg(), Qt::Key_F3);
    ASSERT_TRUE(tape->isVisible());
    QTest::keyClick(&dlg(), Qt::Key_F3);
    EXPECT_FALSE(tape->isVisible());
    EXPECT_TRUE(active(&dlg()));
}

// The printed roll as pdftotext reads it, a line each, spaces made single.
QStringList PrintedRoll(TapeWindow& tape)
{
    const QString pdf = QDir::temp().filePath(QStringLiteral("abacor-roll-test.pdf"));
    if (!tape.Print(pdf))
        return {};
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(20000);
    QFile::remove(pdf);
    QStringList printed;
    for (const QString& line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n'))
        printed << line.simplified();
    return printed;
}

TEST_F(Window, ThePrintedRollShowsEveryMarkWhole)
{
    // An invoice at two rates with its per-rate figures, and a counted total.
    Open(DefaultSettings());
    for (const char* token :
         {"1",      "0",      "0",      "0",      "tax+",   "rate",   "5", "0", "0", "tax+", "taxsum",
          "taxsum", "taxsum", "taxsum", "taxsum", "taxsum", "taxsum", "1", "+", "2", "="})
        ASSERT_EQ(dlg().session().Apply(token).outcome, TokenOutcome::Applied) << token;
    QTest::keyClick(&dlg(), Qt::Key_F3);
    TapeWindow* tape = dlg().tapeWindow();
    ASSERT_NE(tape, nullptr);
    const QStringList japanese = PrintedRoll(*tape);
    for (const char* line : {"税率 8%", "1,000 税抜 税10%", "100 税額 税10%", "500 税抜 税8%", "40 税額 税8%",
                             "1,640 税込計", "1,500 税抜計", "140 税額計", "3 * 2件"})
        EXPECT_TRUE(japanese.contains(QString::fromUtf8(line))) << line << ": " << japanese.join(u'|').toStdString();
    InstallTranslations(QStringLiteral("en"));
    const QStringList english = PrintedRoll(*tape);
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
    for (const char* line : {"RATE 8%", "1,000 NET RATE 10%", "100 TAX RATE 10%", "1,640 GROSS TOTAL",
                             "1,500 NET TOTAL", "140 TAX TOTAL", "3 * 2 ITEMS"})
        EXPECT_TRUE(english.contains(QString::fromUtf8(line))) << line << ": " << english.join(u'|').toStdString();
    // In the pseudo-language every word on paper went through the tables.
    InstallTranslations(QStringLiteral("qps"));
    const QStringList pseudo = PrintedRoll(*tape);
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
    EXPECT_TRUE(pseudo.contains(QStringLiteral("1,640 [GRÖSS TÖTÀL~~~~~]"))) << pseudo.join(u'|').toStdString();
    for (const QString& line : pseudo)
        for (const QString& word : line.split(u' ', Qt::SkipEmptyParts)) {
            const bool translated =
                word.contains(u'[') || word.contains(u']') || word.contains(u'~') || word == u"Abacor"_qs;
            EXPECT_TRUE(translated || std::none_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); }))
                << word.toStdString() << " in " << line.toStdString();
        }
}

TEST_F(Window, KeptStateAndTapeFollowTheirSettings)
{
    const QTemporaryDir folder;
    const std::filesystem::path path = folder.filePath(QStringLiteral("tape.db")).toStdString();
    CalculatorSettings settings = PhoneSettings();
    settings.KeepStateFlg = 1;
    settings.GrandTotalFlg = 1;
    settings.CommaFormatFlg = 1;
    Open(settings);
    dlg().OpenTapeStore(path);
    Type("1234*2");
    dlg().OnCommand(IdOK);
    dlg().OnCommand(IdMemoryPlus);
    dlg().OnCommand(IdRateSwitch);
    const KeptState kept = dlg().session().calculator().Kept();
    dialog_.reset();  // written at the end

    // Opened after the first frame, as at start: nothing shown of what may
    // change a moment later until it has come (keys typed meanwhile reach the
    // tape: tape_file_under_xvfb).
    settings.TapeKeepFlg = 0;
    Open(settings);
    dlg().AwaitTapeStore();
    EXPECT_EQ(TextsOf(dlg().session()).memory, QString());
    EXPECT_EQ(TextsOf(dlg().session()).annunciators, QString()) << "nor a GT that may be lit a moment later";
    dlg().OpenTapeStoreInBackground(path);
    QTRY_VERIFY_WITH_TIMEOUT(dlg().session().KeptStateKnown(), 30000);
    EXPECT_TRUE(TextsOf(dlg().session()).annunciators.contains(QStringLiteral("GT")));
    EXPECT_EQ(dlg().session().calculator().Kept(), kept);
    EXPECT_EQ(state().memoryText, u"2,468");
    EXPECT_EQ(state().lastAnswerText, u"2,468");
    EXPECT_EQ(display(), QStringLiteral("0")) << "only what is kept comes back";
    dlg().OnCommand(IdMemoryClear);
    dialog_.reset();

    settings.KeepStateFlg = 0;
    settings.TapeKeepFlg = 1;
    Open(settings);
    dlg().OpenTapeStore(path);
    EXPECT_EQ(state().memoryText, u"0") << "afresh, as designed";
    dlg().ToggleTape();
    EXPECT_EQ(dlg().tapeWindow()->model().rowCount(), 6 + 1) << "the first run's lines, none of the second's";
    dialog_.reset();
    settings.KeepStateFlg = 1;
    Open(settings);
    dlg().OpenTapeStore(path);
    EXPECT_EQ(state().memoryText, u"0") << "a memory cleared is kept cleared";
    EXPECT_EQ(state().grandTotal, kept.grandTotal);
    dialog_.reset();

    // A tape that cannot be kept says so on the display and in the tape window.
    Open(settings);
    const auto notKept = [this] {
        const std::vector<std::u16string> lit = dlg().session().Annunciators(false);
        return std::count(lit.begin(), lit.end(), u"テープ×");
    };
    EXPECT_EQ(notKept(), 0);
    dlg().OpenTapeStore(folder.path().toStdString());
    EXPECT_EQ(notKept(), 1);
    dlg().ToggleTape();
    const auto* told = dlg().tapeWindow()->findChild<QLabel*>(QStringLiteral("keeping"));
    ASSERT_NE(told, nullptr);
    EXPECT_TRUE(told->isVisible());
    EXPECT_TRUE(told->text().contains(QStringLiteral("開けません"))) << told->text().toStdString();
}

TEST_F(Window, VersionBoxAndExit)
{
    Open();
    QString shown;
    unsigned style = 99;
    {
        ScopedMessageBoxAnswerer answerer([&](const QString& text, unsigned s) {
            shown = text;
            style = s;
            return int(AnswerOk);
        });
        dlg().OnCommand(IdVersion);
    }
    EXPECT_EQ(shown, QStringLiteral("Abacor  Version ") + QString::fromUtf16(ABACOR_VERSION_TEXT));
    EXPECT_EQ(style, 0u);
    dlg().OnCommand(IdExit);
    EXPECT_TRUE(dlg().isVisible()) << "posted, not at once";
    QTest::qWait(20);
    EXPECT_FALSE(dlg().isVisible());
}

TEST_F(Window, TurningToLandscapeKeepsTheCalculation)
{
    Open();
    Type("12");
    QTest::keyClick(&dlg(), Qt::Key_Up);
    Type("3");
    dlg().resize(640, 480);
    EXPECT_TRUE(dlg().layout().landscape);
    EXPECT_EQ(dlg().ClientRect(), (Rect{0, 0, 640, 428}));
    EXPECT_EQ(dlg().Framebuffer().size(), QSize(640, 428));
    EXPECT_EQ(dlg().resources().screenClass.k, 1);
    EXPECT_EQ(display(), QStringLiteral("3"));
    EXPECT_EQ(state().operatorText, u"＋");
    dlg().OnCommand(IdOK);
    EXPECT_EQ(display(), QStringLiteral("15"));
    dlg().resize(480, 640);
    EXPECT_FALSE(dlg().layout().landscape);
    EXPECT_EQ(display(), QStringLiteral("15"));
}

// The tape beside the calculator where it fits, else at its other side,
// else over it; always wholly on the screen.
TEST(TapePlace, BesideWhereItFitsAndAlwaysOnTheScreen)
{
    const QRect screen(0, 0, 1280, 1000);
    const QSize tape(330, 680);
    const struct {
        QRect calculator;
        QRect expected;
    } cases[] = {
        {{100, 50, 490, 680}, {598, 50, 330, 680}},    // at the right
        {{900, 50, 370, 680}, {562, 50, 330, 680}},    // no room at the right: at the left
        {{0, 0, 1280, 1000}, {950, 0, 330, 680}},      // maximised: over it, at its right edge
        {{400, 600, 490, 680}, {898, 320, 330, 680}},  // low: lifted onto the screen
        {{-200, -50, 490, 680}, {298, 0, 330, 680}},   // partly off the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(TapePlace(c.calculator, tape, screen, 8), c.expected) << c.calculator.x() << ',' << c.calculator.y();
    EXPECT_EQ(TapePlace({0, 0, 100, 100}, {400, 2000}, {0, 0, 800, 600}, 8), QRect(108, 0, 400, 600)) << "too tall";
}

// A window file says anything: a window larger than the screen, far off it.
TEST(OnScreen, ARestoredWindowIsWhollyOnTheAvailableArea)
{
    const QRect screen(0, 0, 1024, 768);
    EXPECT_EQ(OnScreen({0, 0, 60000, 60000}, screen), QRect(0, 0, 1024, 720));
    EXPECT_EQ(OnScreen({5000, -900, 300, 400}, screen), QRect(724, 0, 300, 400));
    EXPECT_EQ(OnScreen({100, 50, 480, 640}, screen), QRect(100, 50, 480, 640));
    EXPECT_EQ(TapePlace({540, 0, 480, 600}, {330, 600}, screen, 8), QRect(202, 0, 330, 600)) << "never at x = 1027";
}

// The state folder as the environment's bytes; a file that is no regular
// file read without blocking; a save that fails leaves the old file.
TEST(StateFiles, KeepTheFolderNameAndNeverBlockOrHalfWrite)
{
    const QTemporaryDir temporary;
    const std::string folder = QFile::encodeName(temporary.path()).toStdString() + "/st\xff";
    const QByteArray previous = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(folder));
    const std::filesystem::path tape = TapeFile();
    EXPECT_EQ(tape.native(), folder + "/Korvel/Abacor/tape.db") << "the same bytes, not U+FFFD";
    const WindowPlacement placement{QByteArray("geometry"), true, QByteArray("tape")};
    EXPECT_TRUE(SavePlacement(placement));
    const std::string window = folder + "/Korvel/Abacor/window";
    EXPECT_EQ(LoadPlacement()->geometry, placement.geometry);
    {
        const FileSizeLimit full(4);
        EXPECT_FALSE(SavePlacement({QByteArray(200, 'x'), false, {}}));
    }
    EXPECT_EQ(LoadPlacement()->tapeGeometry, placement.tapeGeometry) << "the old file whole";
    std::filesystem::remove(window);
    ASSERT_EQ(mkfifo(window.c_str(), 0600), 0);
    EXPECT_FALSE(LoadPlacement()) << "a FIFO is not waited on";
    EXPECT_FALSE(SavePlacement(placement)) << "nor replaced";
    if (previous.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", previous);
}

TEST_F(Window, ThePictureIsAFunctionOfTheSizeAlone)
{
    const auto through = [](std::initializer_list<QSize> sizes) {
        CalculatorWindow window(PhoneSettings(), {480, 640, 192});
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.session().RunKey(KeyId::Digit7);
        for (const QSize& size : sizes) {
            window.resize(size);
            QCoreApplication::processEvents();
        }
        window.repaint();
        return window.Framebuffer().copy();
    };
    const QImage straight = through({{300, 400}});
    EXPECT_EQ(straight.size(), through({{600, 800}, {300, 400}}).size());
    EXPECT_EQ(straight, through({{600, 800}, {300, 400}})) << "by a larger size";
    EXPECT_EQ(straight, through({{240, 320}, {300, 400}})) << "by a smaller one";
    EXPECT_EQ(through({{240, 320}}), through({{960, 1280}, {240, 320}}));
}

TEST_F(Window, ALayoutWhileAKeyIsHeldLeavesNoInvertedPatch)
{
    Open();
    const Rect five = dlg().layout().KeyRect(KeyId::Digit5);
    PressAt(five.left + 5, five.top + 5);
    dlg().resize(640, 480);
    ReleasePress();
    dlg().resize(480, 640);
    CalculatorWindow fresh(PhoneSettings(), {480, 640, 192});
    fresh.session().RunKey(KeyId::Digit5);
    EXPECT_EQ(dlg().Framebuffer(), fresh.Framebuffer());

    // Also when the layout comes without a change of size.
    PressAt(five.left + 5, five.top + 5);
    dlg().SetScreen({480, 640, 192});
    ReleasePress();
    fresh.session().RunKey(KeyId::Digit5);
    EXPECT_EQ(dlg().Framebuffer(), fresh.Framebuffer());
}

TEST_F(Window, ActivationSetsThePhoneStatusOnlyWhereItExists)
{
    const auto status = [] { return UserStoreKey::OpenForRead(u"\\Software\\Sharp\\PhoneStatus"); };
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg()));
    EXPECT_FALSE(status().has_value()) << "not created";
    EXPECT_FALSE(dlg().testAttribute(Qt::WA_InputMethodEnabled));
    dialog_.reset();
    {
        auto key = UserStoreKey::CreateOrOpen(u"\\Software\\Sharp\\PhoneStatus");
        ASSERT_TRUE(key.has_value());
        key->SetValue(u"Status22", 1);
        ASSERT_TRUE(key->Close());
    }
    Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return status()->QueryText(u"Status22") == u"7"; }, 10000));
    // Coming back to the calculator writes nothing that is already so.
    const std::filesystem::path file(UserStoreKey::Location(u"\\Software\\Sharp\\PhoneStatus"));
    const auto written = std::filesystem::last_write_time(file);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    dlg().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg()));
    QCoreApplication::processEvents();
    EXPECT_EQ(std::filesystem::last_write_time(file), written);
}

}  // namespace
}  // namespace abacor::test
