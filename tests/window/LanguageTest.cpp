#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <array>
#include <string>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "calculator/display/AnnunciatorWords.h"
#include "calculator/display/SpokenChange.h"
#include "calculator/tape/TapeFile.h"
#include "calculator/tape/TapeMarks.h"
#include "calculator/tape/TapeNotes.h"
#include "calculator/tape/TapeStore.h"
#include "calculator/window/CalculatorMenus.h"
#include "calculator/window/TapeWords.h"
#include "editor/EditorMenus.h"
#include "editor/SettingsPage.h"
#include "editor/SettingsSheet.h"
#include "platform/shell/Translated.h"
#include "platform/shell/UiLanguage.h"
#include "tests/TempFolder.h"

namespace abacor {
namespace {

// A third language is one more translation file: a German one, say.
const QStringList kSpoken{u"ja"_qs, u"de"_qs, u"en"_qs};

TEST(UiLanguage, FollowsTheFirstSpokenAmongTheDesktopsLanguages)
{
    struct Row {
        QStringList languages;
        UiLanguage expected;
    };
    const Row rows[] = {
        {{u"ja-JP"_qs, u"en"_qs}, u"ja"_qs},
        {{u"en-US"_qs, u"ja"_qs}, u"en"_qs},
        {{u"fr-FR"_qs, u"ja-JP"_qs}, u"ja"_qs},
        {{u"fr-FR"_qs}, u"en"_qs},
        {{u"de_AT"_qs, u"en"_qs}, u"de"_qs},
        {{u"C"_qs}, u"en"_qs},
        {{}, u"en"_qs},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LanguageOfDesktop(row.languages, kSpoken), row.expected) << row.languages.join(u',').toStdString();
}

TEST(UiLanguage, TheProgramsSpeakJapaneseAndEveryBuiltInTranslation)
{
    // qps: the pseudo-language the build makes from the English.
    EXPECT_EQ(LanguagesOfPrograms(), (QStringList{u"ja"_qs, u"en"_qs, u"qps"_qs}));
}

TEST(UiLanguage, TheLangOptionIsTakenOutOfTheArguments)
{
    struct Row {
        std::vector<std::string> arguments;
        std::optional<UiLanguage> expected;
        bool error;
        std::vector<std::string> left;
    };
    const Row rows[] = {
        {{"Abacor", "--lang", "en", "-x"}, u"en"_qs, false, {"Abacor", "-x"}},
        {{"Abacor", "-x", "--lang=ja"}, u"ja"_qs, false, {"Abacor", "-x"}},
        {{"Abacor", "-x"}, std::nullopt, false, {"Abacor", "-x"}},
        {{"Abacor", "--lang", "de"}, u"de"_qs, false, {"Abacor"}},
        {{"Abacor", "--lang", "fr"}, std::nullopt, true, {}},
        {{"Abacor", "--lang"}, std::nullopt, true, {}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> storage = row.arguments;
        std::vector<char*> argv;
        for (std::string& argument : storage)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(row.arguments.size());
        QString error;
        EXPECT_EQ(TakeLanguageOption(argc, argv.data(), kSpoken, &error), row.expected) << row.arguments.back();
        EXPECT_EQ(!error.isEmpty(), row.error) << row.arguments.back();
        if (row.error)
            continue;
        ASSERT_EQ(argc, static_cast<int>(row.left.size()));
        for (int i = 0; i < argc; ++i)
            EXPECT_EQ(argv[static_cast<std::size_t>(i)], row.left[static_cast<std::size_t>(i)]);
        EXPECT_EQ(argv[static_cast<std::size_t>(argc)], nullptr);
    }
}

bool HasJapanese(const QString& text)
{
    for (const QChar c : text)
        if ((c.unicode() >= 0x3000 && c.unicode() <= 0x30ff) || (c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff) ||
            (c.unicode() >= 0xff00 && c.unicode() <= 0xffef))
            return true;
    return false;
}

TEST(UiLanguage, EveryMenuOfBothProgramsIsInEnglishUnderEnglish)
{
    InstallTranslations(u"en"_qs);
    for (const MenuDescription menu :
         {MenuDescription(kSoftKeyMenu), MenuDescription(kClearMenu), MenuDescription(kDisplayMenu),
          MenuDescription(kEditorMenu), MenuDescription(kColourDialogMenu)})
        for (const MenuEntry& entry : menu) {
            const QString shown = Translated("Menu", entry.text);
            EXPECT_FALSE(HasJapanese(shown)) << shown.toStdString();
            if (HasJapanese(QStringView(entry.text).toString())) {
                EXPECT_NE(shown, QStringView(entry.text).toString()) << shown.toStdString();
            }
        }
    // The other tests of the program read the design's Japanese.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
    EXPECT_EQ(Translated("Menu", kSoftKeyMenu[0].text), u"クリア"_qs);
}

void SpeakJapanese();

TEST(UiLanguage, TheTapesMarksAreEnglishOnScreenAndOnPaper)
{
    InstallTranslations(u"en"_qs);
    for (const LineMark& entry : kLineMarks)
        EXPECT_FALSE(HasJapanese(ShownTapeMark(entry.mark))) << ShownTapeMark(entry.mark).toStdString();
    EXPECT_EQ(ShownTapeMark(u"税率 8%"), u"RATE 8%"_qs);
    EXPECT_EQ(ShownTapeMark(u"平均  3件"), u"AVG  3 ITEMS"_qs);
    EXPECT_EQ(ShownTapeMark(u"平均  1件"), u"AVG  1 ITEM"_qs);
    EXPECT_EQ(ShownTapeMark(u"NG12"), u"DIFF 12"_qs);
    EXPECT_EQ(SpokenAnnunciator(u"NG2"_qs), u"differs at step 2"_qs);
    EXPECT_EQ(TaxRateText(800), u"8.00%"_qs);
    EXPECT_EQ(ShownTapeMark(u"税率 "), u"RATE "_qs);
    EXPECT_EQ(CorrectedPhrase(u"1,200"), u"(was 1,200)"_qs);
    SpeakJapanese();
    EXPECT_EQ(ShownTapeMark(u"税率 8%"), u"税率 8%"_qs);
    EXPECT_EQ(ShownTapeMark(u"NG12"), u"NG12"_qs);
    EXPECT_EQ(TaxRateText(800), u"08.00%"_qs);
    EXPECT_EQ(CorrectedPhrase(u"1,200"), u"(訂正前 1,200)"_qs);
}

TEST(UiLanguage, TheScreenReaderHearsEnglishUnderEnglish)
{
    struct Row {
        DisplayTexts before, after;
        const char16_t* heard;
    };
    const Row rows[] = {
        {{u"0"_qs, u"0"_qs, u"0"_qs, {}, {}},
         {u"15"_qs, u"0"_qs, u"15"_qs, {}, u"税8%  GT"_qs},
         u"15 memory 15 RATE 8% GT"},
        {{u"0"_qs, u"0"_qs, u"0"_qs, {}, u"GT"_qs},
         {u"-1:02:03"_qs, u"0"_qs, u"0"_qs, {}, u"時間"_qs},
         u"minus 1 hour 2 minutes 3 seconds GT cleared"},
        // Hours beyond an int: the count said whole, its plural chosen by its end.
        {{u"0"_qs, u"0"_qs, u"0"_qs, {}, {}},
         {u"123456789001:01:00"_qs, u"0"_qs, u"0"_qs, {}, u"時間"_qs},
         u"123456789001 hours 1 minute 0 seconds"},
        {{u"0"_qs, u"0"_qs, u"0"_qs, {}, {}},
         {u"2024.05.15"_qs, u"0"_qs, u"0"_qs, {}, u"日付  3件"_qs},
         u"5/15/2024 3 items"},
        {{u"0"_qs, u"0"_qs, u"0"_qs, {}, {}},
         {u"04.27"_qs, u"0"_qs, u"0"_qs, u"〜"_qs, u"日付  1件  税計"_qs},
         u"4/27 to 1 item tax total"},
    };
    InstallTranslations(u"en"_qs);
    for (const Row& row : rows)
        EXPECT_EQ(SpeakDisplay(row.before, row.after, false).text, QString::fromUtf16(row.heard));
    EXPECT_EQ(DisplayName(rows[0].after, u"15"_qs), u"Display RATE 8% GT"_qs);
    EXPECT_EQ(DisplayName({u"3"_qs, {}, {}, {}, u"税8.5%  12件"_qs}, {}), u"Display RATE 8.5% 12 items"_qs);
    SpeakJapanese();
}

TEST(UiLanguage, TheTapesMessagesAreWholeSentencesInEitherLanguage)
{
    const test::TempFolder folder;
    struct Row {
        Message message;
        const char16_t *japanese, *english;
    };
    const Row rows[] = {
        {NoteRefusal(std::u16string_view(std::u16string(205, u'x'))), u"注記は200文字までです（205文字あります）。",
         u"A note holds at most 200 characters (this one has 205)."},
        {ParseTapeFile("x,y\r\n", DefaultSettings()).Refusal(), u"1行目: Abacorのテープではありません",
         u"Line 1: Not an Abacor tape"},
        // A folder where the file would be: the reason is a sentence of its own, translated too.
        {TapeStore::Open(folder.File("")).problem,
         u"テープのファイル（%1）を開けません：ファイルを開けません。テープはこの実行の間だけ残ります。",
         u"Cannot open the tape file (%1): the file cannot be opened. The tape is kept only while Abacor runs."},
    };
    const QString where = QString::fromStdString(folder.File("").string());
    for (const Row& row : rows) {
        EXPECT_EQ(Translated(row.message), QString::fromUtf16(row.japanese).arg(where));
        EXPECT_EQ(QString::fromStdU16String(Composed(row.message)), QString::fromUtf16(row.japanese).arg(where));
    }
    InstallTranslations(u"en"_qs);
    for (const Row& row : rows)
        EXPECT_EQ(Translated(row.message), QString::fromUtf16(row.english).arg(where));
    SpeakJapanese();
}

// The width a label, box or button needs: a button's text within the room
// its style leaves inside it.
int NeededWidth(const QWidget* control)
{
    const auto* button = qobject_cast<const QPushButton*>(control);
    if (button == nullptr)
        return control->sizeHint().width();
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    int widest = 0;
    for (const QString& line : button->text().remove(u'&').split(u'\n'))
        widest = std::max(widest, button->fontMetrics().horizontalAdvance(line));
    return widest + button->width() - inside.width();
}

// Whether a text is through the tables under the pseudo-language: bracketed,
// or a language's own symbol (digits, signs, the keys' codes).
bool ThroughTheTables(const QString& text)
{
    static const QStringList codes{u"F"_qs, u"GT"_qs, u"K"_qs,  u"C"_qs,    u"CA"_qs, u"CE"_qs,
                                   u"M"_qs, u"MC"_qs, u"MR"_qs, u"ADD2"_qs, u"OK"_qs};
    const QString words = text.section(u'\t', 0, 0).remove(u'&');
    return words.startsWith(u'[') || codes.contains(words) ||
           std::none_of(words.begin(), words.end(), [](QChar c) { return c.isLetter(); });
}

TEST(UiLanguage, ThePseudoLanguageShowsEveryWordThroughTheTables)
{
    InstallTranslations(u"qps"_qs);
    std::vector<QString> shown;
    for (const MenuDescription menu :
         {MenuDescription(kSoftKeyMenu), MenuDescription(kClearMenu), MenuDescription(kDisplayMenu),
          MenuDescription(kEditorMenu), MenuDescription(kColourDialogMenu)})
        for (const MenuEntry& entry : menu)
            shown.push_back(Translated("Menu", entry.text));
    for (const LineMark& entry : kLineMarks)
        shown.push_back(ShownTapeMark(entry.mark));
    shown.push_back(Translated(NoteRefusal(std::u16string_view(std::u16string(205, u'x')))));
    shown.push_back(Translated(ParseTapeFile("x,y\r\n", DefaultSettings()).Refusal()));
    for (const ScreenMetrics screen : {ScreenMetrics{480, 640, 192}, ScreenMetrics{240, 320, 96}}) {
        SettingsSheet sheet(screen);
        for (int page = 0; page < 4; ++page) {
            sheet.SetActivePage(page);
            std::vector<QWidget*> placed;
            for (QWidget* control : sheet.findChildren<QWidget*>()) {
                // Texts 40 % longer keep their room (a smaller font or a
                // second line where they must), none over another.
                const bool text = (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) &&
                                  !control->property("text").toString().isEmpty();
                if (text && control->isVisibleTo(&sheet)) {
                    const QString words = control->property("text").toString();
                    EXPECT_LE(NeededWidth(control), control->width()) << words.toStdString();
                    EXPECT_LE((words.count(u'\n') + 1) * control->fontMetrics().lineSpacing(), control->height())
                        << words.toStdString();
                    for (const QWidget* other : placed)
                        EXPECT_FALSE(other->parentWidget() == control->parentWidget() &&
                                     other->geometry().intersects(control->geometry()))
                            << control->property("text").toString().toStdString() << " over "
                            << other->property("text").toString().toStdString();
                }
                if (control->isVisibleTo(&sheet) &&
                    (text || qobject_cast<QComboBox*>(control) || qobject_cast<QSlider*>(control)))
                    placed.push_back(control);
                if (const auto* label = qobject_cast<QLabel*>(control))
                    shown.push_back(label->text());
                else if (const auto* button = qobject_cast<QAbstractButton*>(control))
                    shown.push_back(button->text());
                else if (const auto* list = qobject_cast<QComboBox*>(control))
                    for (int item = 0; item < list->count(); ++item)
                        shown.push_back(list->itemText(item));
            }
        }
    }
    SpeakJapanese();
    for (const QString& text : shown)
        EXPECT_TRUE(ThroughTheTables(text)) << text.toStdString();
    EXPECT_GT(shown.size(), 200u);
}

void SpeakJapanese()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(translator);
}

// For every page's label, box, button and list, in widget order: whether its
// text has the room it asks for.
std::vector<std::pair<QString, bool>> Room(const ScreenMetrics& screen)
{
    SettingsSheet sheet(screen);
    std::vector<std::pair<QString, bool>> room;
    for (int page = 0; page < 4; ++page) {
        sheet.SetActivePage(page);
        for (QWidget* control : sheet.findChildren<QWidget*>()) {
            QString text;
            if (const auto* label = qobject_cast<QLabel*>(control))
                text = label->text();
            else if (const auto* button = qobject_cast<QAbstractButton*>(control))
                text = button->text();
            else if (const auto* list = qobject_cast<QComboBox*>(control))
                text = list->currentText();
            else
                continue;
            if (control->isVisible() || page == 0)
                room.emplace_back(text, control->sizeHint().width() <= control->width());
        }
    }
    return room;
}

TEST(UiLanguage, EnglishFitsWhereverJapaneseFitsOnEveryPage)
{
    for (const ScreenMetrics screen : {ScreenMetrics{480, 640, 192}, ScreenMetrics{240, 320, 96}}) {
        SpeakJapanese();
        const auto japanese = Room(screen);
        InstallTranslations(u"en"_qs);
        const auto english = Room(screen);
        SpeakJapanese();
        ASSERT_EQ(english.size(), japanese.size());
        for (std::size_t i = 0; i < english.size(); ++i) {
            if (japanese[i].second) {
                EXPECT_TRUE(english[i].second) << english[i].first.toStdString() << " at " << screen.width;
            }
            EXPECT_FALSE(HasJapanese(english[i].first)) << english[i].first.toStdString();
        }
    }
}

}  // namespace
}  // namespace abacor
