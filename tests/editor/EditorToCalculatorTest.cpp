// Both programs' paths: what the editor saves is what the calculator starts with.
#include <QTest>

#include "calculator/window/CalculatorWindow.h"
#include "tests/editor/EditorFixture.h"

namespace abacor::test {
namespace {

using EditorToCalculator = Editor;

TEST_F(EditorToCalculator, TheCalculatorStartsWithWhatTheEditorSaved)
{
    SettingsSheet& s = Open();
    s.SetActivePage(1);
    Click(page2().controls().Check(IdcCommaFormat));
    Click(page2().controls().Check(IdcRoundButton));
    KeysPage& p3 = page3();
    QComboBox* upperLeft = p3.controls().Combo(IdcAddButton1);
    upperLeft->setCurrentIndex(2);
    emit upperLeft->activated(2);
    s.OnCommand(IdSave);
    ASSERT_TRUE(Exit());

    CalculatorWindow calculator(LoadSettings(), {480, 640, 192});
    EXPECT_EQ(calculator.settings(), s.settings());
    QTest::keyClicks(&calculator, QStringLiteral("1234567"));
    EXPECT_EQ(calculator.session().state().displayText, u"1234567") << "grouping switched off";
    EXPECT_FALSE(calculator.layout().KeyRect(KeyId::AllClear).IsNull()) << "the CA key in the upper left";
    const Rect key = calculator.layout().KeyRect(KeyId::Digit5);
    EXPECT_EQ(FromPixel(calculator.Framebuffer().pixel(key.left, key.top)), s.settings().DialogBackColor)
        << "rounded corners";
}

}  // namespace
}  // namespace abacor::test
