#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

#include "tests/editor/EditorFixture.h"

namespace abacor::test {
namespace {

using SheetFlow = Editor;

const Editor::Asked kAskExit{"保存せずに終了しますか？", 0x104};
const Editor::Asked kSavedOk{"設定を保存しました。", 0};

TEST_F(SheetFlow, FirstRunShowsDefaultsAndExitsWithoutAQuestion)
{
    SettingsSheet& s = Open();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Abacorの設定"));
    EXPECT_EQ(s.settings(), DefaultSettings());
    EXPECT_EQ(s.modified(), 0);
    EXPECT_TRUE(s.page1()->IsInitialised());
    EXPECT_FALSE(s.page2()->IsInitialised());
    EXPECT_FALSE(s.page3()->IsInitialised());
    EXPECT_TRUE(Exit());
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(ConfigDirIsEmpty());
}

TEST_F(SheetFlow, UnsavedChangesAskBeforeExit)
{
    SettingsSheet& s = Open();
    s.SetActivePage(1);
    Click(page2().controls().Check(IdcCommaFormat));
    EXPECT_EQ(s.modified(), 1);
    answers = {AnswerNo};
    EXPECT_FALSE(Exit()) << "いいえ keeps the sheet open";
    EXPECT_EQ(asked, std::vector<Asked>{kAskExit});
    EXPECT_EQ(s.settings().CommaFormatFlg, 0u) << "and the change in the copy (grouping is on by default)";
    EXPECT_EQ(s.modified(), 1);
    answers = {AnswerYes};
    EXPECT_TRUE(Exit()) << "はい closes";
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_TRUE(ConfigDirIsEmpty()) << "the store is unchanged";
}

TEST_F(SheetFlow, EveryWayOfClosingAsksTheSameQuestion)
{
    SettingsSheet& s = Open();
    Click(page1().controls().Check(IdcGradation));
    answers = {AnswerNo, AnswerNo};
    s.close();
    EXPECT_TRUE(s.isVisible()) << "the window's close button";
    QTest::keyClick(&s, Qt::Key_Escape);
    EXPECT_TRUE(s.isVisible()) << "Escape";
    EXPECT_EQ(asked, (std::vector<Asked>{kAskExit, kAskExit}));
}

TEST_F(SheetFlow, SaveThenExitAsksNothingAndTheStoreHoldsTheCopy)
{
    SettingsSheet& s = Open();
    s.SetActivePage(1);
    Click(page2().controls().Check(IdcRoundButton));
    s.OnCommand(IdSave);
    EXPECT_EQ(asked, std::vector<Asked>{kSavedOk});
    EXPECT_EQ(s.modified(), 0);
    EXPECT_TRUE(Exit());
    EXPECT_EQ(asked.size(), 1u);
    CalculatorSettings expected = DefaultSettings();
    expected.RoundButtonFlg = 1;
    EXPECT_EQ(LoadSettings(), expected);
}

TEST_F(SheetFlow, SaveWithNothingChangedWritesEveryValue)
{
    SettingsSheet& s = Open();
    s.softKeyBar()->PressLeft();  // "保存"
    EXPECT_EQ(asked, std::vector<Asked>{kSavedOk});
    const QByteArray file = ReadStoreFile();
    for (const SettingDescriptor& entry : kSettingsTable)
        EXPECT_TRUE(file.contains(QByteArray(entry.name.data(), qsizetype(entry.name.size())) + '=')) << entry.name;
}

TEST_F(SheetFlow, AFailedSaveSaysSoAndKeepsTheChangesUnsaved)
{
    // The configuration "directory" is a plain file: nothing can be written.
    QFile blocker(ConfigDir() + QStringLiteral("/blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", blocker.fileName().toUtf8());
    SettingsSheet& s = Open();
    Click(page1().controls().Check(IdcGradation));
    s.OnCommand(IdSave);
    EXPECT_EQ(asked, (std::vector<Asked>{{"設定を保存できませんでした。", 0}}));
    EXPECT_EQ(s.modified(), 1);
    answers = {AnswerNo};
    EXPECT_FALSE(Exit()) << "the unsaved changes still ask before exit";
}

TEST_F(SheetFlow, AReadOnlyFileSaysSo)
{
    WriteStoreFile("[General]\n");
    ASSERT_EQ(::chmod(QFile::encodeName(StoreFile()).constData(), 0444), 0);
    SettingsSheet& s = Open();
    Click(page1().controls().Check(IdcGradation));
    s.OnCommand(IdSave);
    EXPECT_EQ(asked, (std::vector<Asked>{{"設定ファイルが読み取り専用のため、設定を保存できませんでした。", 0}}));
    EXPECT_EQ(s.modified(), 1);
}

TEST_F(SheetFlow, RevertShowsTheStoredValuesOnEveryShownPage)
{
    CalculatorSettings stored = DefaultSettings();
    stored.GradationFlg = 1;
    stored.ShiftKeyFlg = 1;
    stored.TaxPercent = 800;
    stored.AddButton3Type = 5;
    ASSERT_TRUE(SaveSettings(stored));
    SettingsSheet& s = Open();
    s.SetActivePage(1);
    KeysPage& p3 = page3();
    Click(page1().controls().Check(IdcGradation));
    Click(page2().controls().Check(IdcShiftKey));
    p3.controls().Slider(IdcTaxSlider)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(s.settings().TaxPercent, 801u);
    s.OnCommand(IdRevert);
    EXPECT_EQ(s.settings(), stored);
    EXPECT_EQ(s.modified(), 0);
    EXPECT_TRUE(page1().controls().Check(IdcGradation)->isChecked());
    EXPECT_TRUE(page2().controls().Check(IdcShiftKey)->isChecked());
    EXPECT_EQ(p3.controls().Slider(IdcTaxSlider)->value(), 800);
    EXPECT_EQ(p3.controls().Label(IdcTaxRate)->text(), QStringLiteral("08.00%"));
    EXPECT_EQ(p3.controls().Combo(IdcAddButton3)->currentIndex(), 5);
    EXPECT_TRUE(Exit()) << "no question after revert";
}

TEST_F(SheetFlow, APageFirstShownAfterRevertShowsTheReloadedValues)
{
    SettingsSheet& s = Open();
    CalculatorSettings stored = DefaultSettings();
    stored.NumKeyRevFlg = 1;
    stored.TaxPercent = 1234;
    ASSERT_TRUE(SaveSettings(stored));
    s.OnCommand(IdRevert);
    EXPECT_FALSE(s.page3()->IsInitialised());
    KeysPage& p3 = page3();
    EXPECT_TRUE(s.page3()->IsInitialised());
    EXPECT_TRUE(p3.controls().Check(IdcNumKeyRev)->isChecked());
    EXPECT_EQ(p3.controls().Label(IdcTaxRate)->text(), QStringLiteral("12.34%"));
}

TEST_F(SheetFlow, DeleteAnsweredNoChangesNothingYesRestoresTheDefaults)
{
    CalculatorSettings stored = DefaultSettings();
    stored.CommaFormatFlg = 1;
    ASSERT_TRUE(SaveSettings(stored));
    SettingsSheet& s = Open();
    Click(page1().controls().Check(IdcGradation));
    answers = {AnswerNo};
    s.OnCommand(IdDelete);
    EXPECT_EQ(asked, (std::vector<Asked>{{"設定を削除しますか？", StyleYesNo | StyleSecondDefault}}));
    EXPECT_TRUE(QFile::exists(StoreFile()));
    EXPECT_EQ(s.modified(), 1) << "No keeps the flag as it was";
    EXPECT_EQ(s.settings().GradationFlg, 1u);

    asked.clear();
    answers = {AnswerYes, AnswerOk};
    s.OnCommand(IdDelete);
    EXPECT_EQ(asked, (std::vector<Asked>{{"設定を削除しますか？", StyleYesNo | StyleSecondDefault},
                                         {"設定を削除しました。", 0}}));
    EXPECT_FALSE(QFile::exists(StoreFile()));
    EXPECT_EQ(s.settings(), DefaultSettings());
    EXPECT_EQ(s.modified(), 0);
    EXPECT_FALSE(page1().controls().Check(IdcGradation)->isChecked());
}

TEST_F(SheetFlow, AFailedDeleteSaysSoAndRevertsNothing)
{
    ASSERT_TRUE(QDir().mkpath(StoreFile()));  // a directory where the file belongs
    SettingsSheet& s = Open();
    Click(page1().controls().Check(IdcGradation));
    answers = {AnswerYes};
    s.OnCommand(IdDelete);
    EXPECT_EQ(asked, (std::vector<Asked>{{"設定を削除しますか？", StyleYesNo | StyleSecondDefault},
                                         {"設定を削除できませんでした。", 0}}));
    EXPECT_EQ(s.settings().GradationFlg, 1u);
    EXPECT_EQ(s.modified(), 1);
}

TEST_F(SheetFlow, ListMovesTapsAndACancelledColourDialogLeaveNoChanges)
{
    SettingsSheet& s = Open();
    ColoursPage& p1 = page1();
    p1.SelectEntry(5);
    const Rect key = p1.layout().Key(SampleKey::Tax);
    p1.PressAt(key.left + 5, key.top + 5);
    EXPECT_EQ(p1.SelectedEntry(), 13);
    p1.SetColourDialogRunner([](ColourDialog& dialog) {
        dialog.SetColour(0x123456);
        return int(QDialog::Rejected);
    });
    p1.OnChooseColour();
    s.SetActivePage(1);
    s.SetActivePage(0);
    EXPECT_EQ(s.settings(), DefaultSettings());
    EXPECT_EQ(s.modified(), 0);
    EXPECT_TRUE(Exit());
    EXPECT_TRUE(asked.empty());
}

TEST_F(SheetFlow, AnAcceptedColourGoesToTheSelectedEntrysValue)
{
    SettingsSheet& s = Open();
    ColoursPage& p1 = page1();
    p1.SelectEntry(5);
    ColorRef offered = 0xFFFFFFFF;
    QString heard;
    p1.SetColourDialogRunner([&](ColourDialog& dialog) {
        offered = dialog.GetColour();
        heard = dialog.accessibleName();
        dialog.SetColour(0x669933);
        return int(QDialog::Accepted);
    });
    s.SetValue(&CalculatorSettings::ButtonTextColor1, 0x0000AA);
    p1.OnChooseColour();
    EXPECT_EQ(offered, 0x0000AAu) << "the dialog starts from ButtonTextColor1";
    EXPECT_TRUE(heard.endsWith(QStringLiteral("数字キーの文字色"))) << "a reader hears which item";
    EXPECT_EQ(s.settings().ButtonTextColor1, 0x669933u);
    EXPECT_EQ(s.modified(), 1);
}

}  // namespace
}  // namespace abacor::test
