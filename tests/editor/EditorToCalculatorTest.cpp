// Both programs' paths: what the editor saves is what the calculator starts with.
#include <QTest>

#include "calculator/core/CommandTable.h"
#include "calculator/window/CalculatorWindow.h"
#include "editor/DialogTemplates.h"
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

// The editor's list names each kind by the key it places: its caption
// (the list writes the Latin letters full-width, as the design does).
TEST(EditorToCalculatorKeys, EveryKindIsNamedByItsKeysCaption)
{
    EXPECT_EQ(kAddButtonEntries.size(), kLastAddButtonType + 1);
    for (std::uint32_t kind = 1; kind <= kLastAddButtonType; ++kind) {
        const QString listed = QString::fromUtf16(kAddButtonEntries[kind].data(), kAddButtonEntries[kind].size())
                                   .normalized(QString::NormalizationForm_KC);
        const std::u16string_view caption = CommandOfKey(AdditionalKey(static_cast<AddButtonType>(kind))).caption;
        EXPECT_EQ(listed, QString::fromUtf16(caption.data(), caption.size()).normalized(QString::NormalizationForm_KC))
            << kind;
    }
}

}  // namespace
}  // namespace abacor::test
