#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <array>

#include "platform/input/InputMethod.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/PopupMenu.h"
#include "platform/shell/SoftKeyBar.h"

namespace abacor {
namespace {

constexpr std::array<MenuEntry, 8> kMenu{{
    {0, u"クリア", 100},
    {0, u"メニュー", 0},
    {1, u"メモリー\t(&1)", 0},
    {2, u"プラス\t(&1)", 201},
    {2, u"リコール\t(&3)", 203},
    {1, u"べき乗\t(&4)", 0},
    {2, u"２乗\t(&2)", 302},
    {1, u"終了\t(&0)", 400},
}};

class SoftKeys : public testing::Test {
protected:
    void SetUp() override
    {
        window_.resize(480, 640);
        bar_ = new SoftKeyBar(kMenu, &window_);
        bar_->setGeometry(0, 640 - SoftKeyBar::kHeight, 480, SoftKeyBar::kHeight);
        window_.show();
        window_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    QWidget window_;
    SoftKeyBar* bar_ = nullptr;
};

TEST_F(SoftKeys, ShowTheirLabels)
{
    EXPECT_EQ(bar_->KeyText(0), QStringLiteral("クリア"));
    EXPECT_EQ(bar_->KeyText(1), QStringLiteral("メニュー"));
    EXPECT_EQ(SoftKeyBar::Find(&window_), bar_);
}

TEST_F(SoftKeys, TheLeftKeyIsACommand)
{
    QSignalSpy chosen(bar_, &SoftKeyBar::commandChosen);
    bar_->PressLeft();
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 100);
    QTest::keyClick(&window_, Qt::Key_F1);
    EXPECT_EQ(chosen.count(), 2) << "F1 presses the left soft key";
}

TEST_F(SoftKeys, DigitsChooseItemsOfTheRightKeysPopup)
{
    QSignalSpy chosen(bar_, &SoftKeyBar::commandChosen);
    QTest::keyClick(&window_, Qt::Key_F2);
    PopupMenu* popup = bar_->OpenPopup();
    ASSERT_NE(popup, nullptr) << "F2 opens the right soft key's popup";
    EXPECT_EQ(popup->accessibleName(), QStringLiteral("メニュー")) << "named for screen readers";
    EXPECT_LE(popup->geometry().bottom(), bar_->mapToGlobal(QPoint(0, 0)).y()) << "above the bar";
    QTest::keyClick(popup, Qt::Key_0);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 400);

    bar_->PressRight();
    popup = bar_->OpenPopup();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_1);  // opens "メモリー"
    auto* submenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(submenu, nullptr);
    ASSERT_NE(submenu, popup);
    QTest::keyClick(submenu, Qt::Key_3);
    ASSERT_EQ(chosen.count(), 2);
    EXPECT_EQ(chosen.at(1).at(0).toInt(), 203);
}

TEST_F(SoftKeys, APopupMenuOpensWithItsBottomLeftCornerAtThePoint)
{
    PopupMenu menu(kMenu, 5, &window_);
    QSignalSpy chosen(&menu, &PopupMenu::commandChosen);
    menu.PopupAboveLeft(QPoint(0, 500));
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.geometry().left(), 0);
    EXPECT_EQ(menu.geometry().top() + menu.geometry().height(), 500);
    QTest::keyClick(&menu, Qt::Key_2);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 302);
}

TEST(MessageBox, TheAnswererStandsInForAPerson)
{
    QString asked;
    unsigned style = 99;
    {
        ScopedMessageBoxAnswerer answerer([&](const QString& text, unsigned s) {
            asked = text;
            style = s;
            return int(AnswerNo);
        });
        EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("保存せずに終了しますか？"), 0x104), AnswerNo);
    }
    EXPECT_EQ(asked, QStringLiteral("保存せずに終了しますか？"));
    EXPECT_EQ(style, 0x104u);
}

// Answers the real box that opens next, after checking its buttons.
void AnswerNextBox(const QString& buttonText, QStringList* buttons, QString* defaultButton, QString* caption)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *caption = box->windowTitle();
        for (QAbstractButton* button : box->buttons())
            buttons->append(button->text());
        *defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == buttonText)
                button->click();
    });
}

TEST(MessageBox, StylesGiveTheJapaneseButtons)
{
    QStringList buttons;
    QString defaultButton, caption;
    AnswerNextBox(QStringLiteral("いいえ"), &buttons, &defaultButton, &caption);
    EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("保存せずに終了しますか？"), StyleYesNo | StyleSecondDefault),
              AnswerNo);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}));
    EXPECT_EQ(defaultButton, QStringLiteral("いいえ"));
    EXPECT_EQ(caption, QStringLiteral("Abacor"));

    buttons.clear();
    AnswerNextBox(QStringLiteral("はい"), &buttons, &defaultButton, &caption);
    EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("設定を削除しますか？"), StyleYesNo), AnswerYes);
    EXPECT_EQ(defaultButton, QStringLiteral("はい"));

    buttons.clear();
    AnswerNextBox(QStringLiteral("OK"), &buttons, &defaultButton, &caption);
    EXPECT_EQ(ShowMessageBox(nullptr, QStringLiteral("設定を保存しました。"), StyleOk), AnswerOk);
    EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});
}

TEST(Clipboard, PlacesUnicodeText)
{
    EXPECT_TRUE(PlaceClipboardText(QStringLiteral("1,234,567")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1,234,567"));
    EXPECT_TRUE(PlaceClipboardText(QStringLiteral("ERROR")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ERROR"));
}

TEST(InputMethod, AlphanumericInputTakesNoComposedText)
{
    QWidget window;
    window.setAttribute(Qt::WA_InputMethodEnabled, true);
    SwitchToAlphanumericInput(window);
    EXPECT_FALSE(window.testAttribute(Qt::WA_InputMethodEnabled));
}

}  // namespace
}  // namespace abacor
