#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>

#include <QTest>
#include <set>

#include "editor/ColourDialog.h"
#include "editor/ColourPalette.h"
#include "editor/DeskPage.h"
#include "editor/EditorMenus.h"
#include "platform/shell/MessageBox.h"
#include "tests/editor/EditorFixture.h"

namespace abacor::test {
namespace {

TEST(PreviewLayout, TheWorkedExample)
{
    const PreviewLayout l = LayoutPreview({480, 640, 192}, ComputePreviewFontHeights({480, 640, 192}));
    EXPECT_EQ(l.divisor, 1);
    EXPECT_EQ(l.display, (Rect{18, 16, 462, 75}));
    EXPECT_EQ(l.Key(SampleKey::Tax), (Rect{16, 92, 126, 142}));
    EXPECT_EQ(l.Key(SampleKey::Clear), (Rect{129, 92, 239, 142}));
    EXPECT_EQ(l.Key(SampleKey::Calculation), (Rect{242, 92, 352, 142}));
    EXPECT_EQ(l.Key(SampleKey::Digit), (Rect{355, 92, 465, 142}));
    EXPECT_EQ(l.background, (Rect{0, 0, 480, 148}));
    EXPECT_EQ(l.caption, (Rect{18, 75, 239, 92}));
    // Turned, the sample keeps its portrait sizes.
    EXPECT_EQ(LayoutPreview({640, 480, 192}, ComputePreviewFontHeights({480, 640, 192})).Key(SampleKey::Digit),
              l.Key(SampleKey::Digit));
}

TEST(PreviewLayout, EverySizeFrom240UpHoldsTheWholeSample)
{
    // The phones' screens keep their sizes: 240 x 320 at 96 dpi and 320 x 480 at 128 dpi.
    const PreviewLayout small = LayoutPreview({240, 320, 96}, ComputePreviewFontHeights({240, 320, 96}));
    EXPECT_EQ(small.divisor, 2);
    EXPECT_EQ(small.Key(SampleKey::Tax).left, 8);
    EXPECT_EQ(small.Key(SampleKey::Tax).Width(), 55);  // (240 - 2 - 16) x 0.25, truncated
    EXPECT_EQ(EditorDivisor({320, 480, 128}), 2);
    EXPECT_EQ(ComputePreviewFontHeights({320, 480, 128}).large, 39);
    // A desktop window of any size keeps 192 dpi; the sample follows the window.
    for (const ScreenMetrics screen :
         {ScreenMetrics{240, 320, 192}, ScreenMetrics{320, 480, 192}, ScreenMetrics{300, 640, 192},
          ScreenMetrics{600, 800, 96}, ScreenMetrics{640, 480, 192}}) {
        const int shorter = std::min(screen.width, screen.height);
        const PreviewLayout l = LayoutPreview(screen, ComputePreviewFontHeights(screen));
        EXPECT_EQ(l.background.right, shorter) << screen.width << "x" << screen.height;
        EXPECT_LE(l.Key(SampleKey::Digit).right, shorter) << screen.width << "x" << screen.height;
        EXPECT_LE(l.display.right, shorter) << screen.width << "x" << screen.height;
    }
}

TEST(ColourWalk, TapsWalkEachGroupThenItsSharedEntry)
{
    const PreviewLayout l = LayoutPreview({480, 640, 192}, ComputePreviewFontHeights({480, 640, 192}));
    const auto tap = [&](int selected, SampleKey key) {
        return NextColourEntry(selected, l, l.Key(key).left + 2, l.Key(key).top + 2);
    };
    int i = 0;
    std::vector<int> walk;
    for (int n = 0; n < 5; ++n)
        walk.push_back(i = tap(i, SampleKey::Tax));
    EXPECT_EQ(walk, (std::vector<int>{13, 14, 15, 16, 13}));
    EXPECT_EQ(tap(16, SampleKey::Digit), 4);
    EXPECT_EQ(tap(5, SampleKey::Digit), 6);
    EXPECT_EQ(tap(6, SampleKey::Digit), 16);
    EXPECT_EQ(tap(11, SampleKey::Clear), 12);
    EXPECT_EQ(tap(12, SampleKey::Clear), 16);
    EXPECT_EQ(tap(9, SampleKey::Calculation), 16);
    EXPECT_EQ(tap(0, SampleKey::Calculation), 7);
    EXPECT_EQ(NextColourEntry(3, l, 5, 5), 17) << "the background";
    EXPECT_EQ(NextColourEntry(17, l, 5, 5), 0);
    EXPECT_EQ(NextColourEntry(1, l, 5, 5), 2);
    EXPECT_EQ(NextColourEntry(9, l, 5, 300), 9) << "outside every rectangle";
    EXPECT_EQ(NextColourEntry(9, l, l.Key(SampleKey::Tax).right + 1, 100), 0) << "the gap is background";
}

using Preview = Editor;

// The page as shown, the sample display included.
QImage Shown(SamplePage& page) { return page.Render(); }

TEST_F(Preview, TheSampleFollowsTheFlags)
{
    const struct {
        std::uint32_t gradation, round;
    } looks[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (const auto& look : looks) {
        CalculatorSettings stored = DefaultSettings();
        stored.GradationFlg = look.gradation;
        stored.RoundButtonFlg = look.round;
        stored.DialogBackColor = 0x00FF00;
        stored.ButtonBackColor1 = 0x0000FF;
        stored.ButtonGradColor1 = 0xFFFFFF;
        ASSERT_TRUE(SaveSettings(stored));
        Open();
        const QImage image = Shown(page1());
        const Rect key = page1().layout().Key(SampleKey::Digit);
        const auto at = [&](int x, int y) { return FromPixel(image.pixel(x, y)); };
        const std::string name = "gradation " + std::to_string(look.gradation) + " round " + std::to_string(look.round);
        if (look.round) {
            EXPECT_EQ(at(key.left, key.top), 0x00FF00u) << name << ": the corner shows the background";
            EXPECT_EQ(at(key.right - 1, key.bottom - 1), 0x00FF00u) << name;
            EXPECT_EQ(at(key.left + 30, key.top), 0x000000u) << name << ": rounded border";
            EXPECT_EQ(at(key.left + 30, key.bottom - 1), 0x000000u) << name;
        } else {
            EXPECT_EQ(at(key.left + 30, key.top), 0xFFFFFFu) << name << ": white top edge";
            EXPECT_EQ(at(key.left, key.top + 20), 0xFFFFFFu) << name << ": white left edge";
            EXPECT_EQ(at(key.left + 30, key.bottom - 1), 0x000000u) << name << ": line-coloured bottom";
            EXPECT_EQ(at(key.right - 1, key.top + 20), 0x000000u) << name << ": line-coloured right";
        }
        if (look.gradation) {
            EXPECT_EQ(at(key.left + 4, key.top + 1), Rgb(255, 249, 249)) << name << ": from the gradation colour";
            EXPECT_EQ(at(key.left + 4, key.bottom - 2), Rgb(255, 10, 10)) << name << ": to the background";
        } else {
            EXPECT_EQ(at(key.left + 4, key.top + 4), 0x0000FFu) << name << ": flat";
        }
        EXPECT_EQ(at(2, 2), 0x00FF00u) << name << ": the sample's background";
        EXPECT_EQ(at(0, 0), 0x000000u) << name << ": framed with the default pen";
    }
}

TEST_F(Preview, TheDisplayBoxAndCaption)
{
    CalculatorSettings stored = DefaultSettings();
    stored.StaticBackColor = 0xFFEEDD;
    stored.StaticLineColor = 0x0000FF;
    stored.StaticTextColor = 0x00AA00;
    stored.CommaFormatFlg = 1;
    stored.ShiftKeyFlg = 1;
    ASSERT_TRUE(SaveSettings(stored));
    Open();
    SamplePage& p = page1();
    const QImage image = Shown(p);
    const Rect d = p.layout().display;
    EXPECT_EQ(p.SampleDisplay()->text(), QStringLiteral("19,800"));
    EXPECT_EQ(FromPixel(image.pixel(d.left + 5, d.top + 5)), 0xFFEEDDu);
    // A 4-pixel frame, half of it outside the display control.
    EXPECT_EQ(FromPixel(image.pixel(d.left - 1, d.top + 20)), 0x0000FFu);
    EXPECT_EQ(FromPixel(image.pixel(d.left - 2, d.top + 20)), 0x0000FFu);
    EXPECT_EQ(FromPixel(image.pixel(d.left - 3, d.top + 20)), DefaultSettings().DialogBackColor);
    EXPECT_EQ(FromPixel(image.pixel(d.right + 1, d.top + 20)), 0x0000FFu);
    int text = 0;
    for (int y = d.top; y < d.bottom; ++y)
        for (int x = d.left; x < d.right; ++x)
            text += FromPixel(image.pixel(x, y)) == 0x00AA00u ? 1 : 0;
    EXPECT_GT(text, 50) << "the text in StaticTextColor";
    // The page fills the window's width, so the sample's right edge is drawn.
    EXPECT_EQ(p.width(), 480);
    EXPECT_EQ(FromPixel(image.pixel(479, p.layout().background.bottom - 10)), 0x000000u);
}

TEST_F(Preview, Page2ChangesTheSampleAtOnce)
{
    SettingsSheet& s = Open();
    s.SetActivePage(1);
    DisplayPage& p2 = page2();
    const QImage before = Shown(p2);
    EXPECT_EQ(p2.SampleDisplay()->text(), QStringLiteral("19,800")) << "grouped by default";
    Click(p2.controls().Check(IdcCommaFormat));
    Shown(p2);
    EXPECT_EQ(p2.SampleDisplay()->text(), QStringLiteral("19800"));
    Click(p2.controls().Check(IdcShiftKey));
    const QImage after = Shown(p2);
    const Rect clear = p2.layout().Key(SampleKey::Clear);
    bool captionChanged = false;
    for (int y = clear.top; y < clear.bottom; ++y)
        for (int x = clear.left; x < clear.right; ++x)
            captionChanged = captionChanged || before.pixel(x, y) != after.pixel(x, y);
    EXPECT_TRUE(captionChanged) << "CE became ⇒";
    EXPECT_EQ(s.modified(), 1);

    Click(p2.controls().Check(IdcClearType));
    EXPECT_EQ(s.settings().ClearTypeFlg, 1u);
    EXPECT_TRUE(page1().fonts().large.styleStrategy() & QFont::PreferAntialias) << "page 1's fonts too";
    EXPECT_TRUE(p2.SampleDisplay()->font().styleStrategy() & QFont::PreferAntialias);
    EXPECT_TRUE(page1().SampleDisplay()->font().styleStrategy() & QFont::PreferAntialias);
    s.SetActivePage(0);
    EXPECT_FALSE(Shown(page1()).isNull());
}

using Page3 = Editor;

TEST(TaxRateText, HundredthsOfAPercent)
{
    EXPECT_EQ(TaxRateText(500), QStringLiteral("05.00%"));
    EXPECT_EQ(TaxRateText(2000), QStringLiteral("20.00%"));
    EXPECT_EQ(TaxRateText(0), QStringLiteral("00.00%"));
    EXPECT_EQ(TaxRateText(825), QStringLiteral("08.25%"));
    EXPECT_EQ(TaxRateText(2500), QStringLiteral("25.00%"));
    EXPECT_EQ(TaxRateText(0xFFFFFFFFu), QStringLiteral("42949672.95%"));
}

TEST_F(Page3, ListsEditTheirValuesInScreenOrder)
{
    SettingsSheet& s = Open();
    KeysPage& p3 = page3();
    QComboBox* landscape = p3.controls().Combo(IdcAddButton3);
    landscape->setCurrentIndex(6);
    emit landscape->activated(6);
    EXPECT_EQ(s.settings().AddButton3Type, 6u) << "税抜 under 横";
    QComboBox* upperRight = p3.controls().Combo(IdcAddButton4);
    upperRight->setCurrentIndex(4);
    emit upperRight->activated(4);
    EXPECT_EQ(s.settings().AddButton4Type, 4u) << "√ under 縦(右上)";
    EXPECT_EQ(s.modified(), 1);
    EXPECT_EQ(landscape->itemText(2), QStringLiteral("ＣＡ"));
    EXPECT_EQ(landscape->count(), 18);
    EXPECT_EQ(landscape->itemText(17), QStringLiteral("〜"));
    EXPECT_EQ(landscape->itemText(7), QStringLiteral("GT"));
    EXPECT_EQ(landscape->itemText(9), QStringLiteral("００"));
    EXPECT_EQ(landscape->itemText(14), QStringLiteral("平均"));
    // On screen: 1019, 1020, 1024, 1021 from left to right.
    EXPECT_LT(p3.controls().Combo(IdcAddButton2)->x(), upperRight->x());
    EXPECT_LT(upperRight->x(), landscape->x());
    EXPECT_EQ(upperRight->accessibleName(), QStringLiteral("縦(右上)")) << "named by its label";
    EXPECT_EQ(p3.controls().Slider(IdcTaxSlider)->accessibleName(), QStringLiteral("税率設定"));
    // The opened lists' items are as high as their fields: 40 here, 50 on page 1.
    EXPECT_EQ(landscape->view()->sizeHintForRow(0), 40);
    EXPECT_EQ(page1().controls().Combo(IdcColourList)->view()->sizeHintForRow(3), 50);
}

TEST_F(Page3, TheSliderStepsInHundredthsAndEveryScrollCounts)
{
    SettingsSheet& s = Open();
    KeysPage& p3 = page3();
    QSlider* slider = p3.controls().Slider(IdcTaxSlider);
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 2000);
    EXPECT_EQ(s.modified(), 0);
    // A screen reader reads the rate as shown and sets it as a user would.
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(slider);
    ASSERT_NE(spoken->valueInterface(), nullptr);
    EXPECT_DOUBLE_EQ(spoken->valueInterface()->currentValue().toDouble(), 10.0) << "today's standard rate";
    EXPECT_EQ(spoken->text(QAccessible::Value), QStringLiteral("10.00%"));
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(s.settings().TaxPercent, 1100u) << "PageUp: a whole percent";
    spoken->valueInterface()->setCurrentValue(5.0);
    EXPECT_EQ(s.settings().TaxPercent, 500u);
    slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(s.settings().TaxPercent, 501u);
    EXPECT_EQ(p3.controls().Label(IdcTaxRate)->text(), QStringLiteral("05.01%"));
    QSignalSpy changes(&s, &SettingsSheet::changed);
    slider->triggerAction(QAbstractSlider::SliderNoAction);
    EXPECT_EQ(changes.count(), 1) << "a scroll that moves nothing still counts";
    EXPECT_EQ(s.settings().TaxPercent, 501u);
}

TEST_F(Page3, StoredValuesBeyondTheControlsStayInTheCopy)
{
    CalculatorSettings stored = DefaultSettings();
    stored.TaxPercent = 2500;
    stored.AddButton1Type = 18;
    stored.ClearMenuFlg = 7;
    ASSERT_TRUE(SaveSettings(stored));
    SettingsSheet& s = Open();
    KeysPage& p3 = page3();
    EXPECT_EQ(p3.controls().Slider(IdcTaxSlider)->value(), 2000);
    EXPECT_EQ(p3.controls().Label(IdcTaxRate)->text(), QStringLiteral("25.00%"));
    EXPECT_EQ(p3.controls().Combo(IdcAddButton1)->currentIndex(), -1);
    EXPECT_TRUE(p3.controls().Check(IdcClearMenu)->isChecked());
    EXPECT_EQ(s.settings(), stored) << "untouched controls change nothing";
    EXPECT_EQ(s.modified(), 0);
}

TEST_F(Page3, PresetsFillEveryColourAndSingleColoursStayEditable)
{
    SettingsSheet& s = Open();
    QComboBox* presets = page1().controls().Combo(IdcPreset);
    ASSERT_EQ(presets->count(), 3);
    EXPECT_EQ(presets->itemText(2), QStringLiteral("ハイコントラスト"));
    EXPECT_EQ(presets->accessibleName(), QStringLiteral("プリセット"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(presets)->text(QAccessible::Value),
              QStringLiteral("選んでください"))
        << "with nothing chosen a screen reader hears what it holds";
    QStringList said;
    ScopedMessageBoxAnswerer answerer([&](const QString& text, unsigned) {
        said << text;
        return int(AnswerOk);
    });
    // An arrow on the closed list opens it; nothing applies on the way.
    s.SetValue(&CalculatorSettings::ButtonTextColor1, 0x0000AA);
    const CalculatorSettings before = s.settings();
    presets->setFocus();
    QTest::keyClick(presets, Qt::Key_Down);
    EXPECT_EQ(s.settings(), before);
    EXPECT_TRUE(said.isEmpty());
    presets->hidePopup();
    presets->setCurrentIndex(2);
    emit presets->activated(2);
    EXPECT_TRUE(said.isEmpty()) << "said after the list's own handling, not inside it";
    emit presets->activated(2);  // the Return that closes the message, reaching the list again
    QCoreApplication::processEvents();
    EXPECT_EQ(s.settings().DialogBackColor, 0x000000u);
    EXPECT_EQ(s.settings().ButtonTextColor2, 0x00FFFFu);
    EXPECT_EQ(s.settings().LabelTextColor, 0xFFFFFFu);
    EXPECT_EQ(s.modified(), 1);
    ASSERT_EQ(said.size(), 1) << "said what happened, once";
    EXPECT_TRUE(said[0].contains(QStringLiteral("ハイコントラスト")));
    // 元に戻す brings back the colours before it, a colour set by hand included.
    s.OnCommand(IdRevert);
    EXPECT_EQ(s.settings(), before);
    presets->setCurrentIndex(0);
    emit presets->activated(0);
    QCoreApplication::processEvents();
    for (const ColourListEntry& entry : kColourList)
        EXPECT_EQ(s.settings().*entry.field, DefaultSettings().*entry.field);
}

using Page4 = Editor;

TEST_F(Page4, TheDeskControlsWriteTheRecord)
{
    SettingsSheet& s = Open();
    s.SetActivePage(3);
    DeskPage& p4 = *s.page4();
    QComboBox* round = p4.controls().Combo(IdcRoundSelector);
    QComboBox* places = p4.controls().Combo(IdcDecimalSelector);
    EXPECT_EQ(round->currentText(), QStringLiteral("F"));
    EXPECT_EQ(places->currentText(), QStringLiteral("0")) << "CUT from F gives whole yen";
    round->setCurrentIndex(3);
    emit round->activated(3);
    places->setCurrentIndex(5);
    emit places->activated(5);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(places);
    ASSERT_NE(list->textInterface(), nullptr);
    EXPECT_EQ(list->textInterface()->text(0, -1), places->currentText()) << "a screen reader hears the value";
    Click(p4.controls().Check(IdcGrandTotal));
    Click(p4.controls().Check(IdcDeskTax));
    EXPECT_TRUE(p4.controls().Check(IdcTapeKeep)->isChecked()) << "the tape is kept by default";
    Click(p4.controls().Check(IdcTapeKeep));
    EXPECT_TRUE(p4.controls().Check(IdcKeepState)->isChecked()) << "memory is kept by default";
    Click(p4.controls().Check(IdcKeepState));
    Click(p4.controls().Check(IdcTaxSum));
    QComboBox* constant = p4.controls().Combo(IdcConstantMode);
    QComboBox* count = p4.controls().Combo(IdcItemCount);
    EXPECT_EQ(constant->currentText(), QStringLiteral("××で設定（K）")) << "on by default";
    constant->setCurrentIndex(2);
    emit constant->activated(2);
    count->setCurrentIndex(2);
    emit count->activated(2);
    EXPECT_EQ(count->currentText(), QStringLiteral("＋で加算・－で減算"));
    QComboBox* days = p4.controls().Combo(IdcDayCount);
    EXPECT_EQ(days->currentText(), QStringLiteral("片落"));
    days->setCurrentIndex(1);
    emit days->activated(1);
    QSlider* rate = p4.controls().Slider(IdcTaxSlider2);
    EXPECT_EQ(p4.controls().Label(IdcTaxRate2)->text(), QStringLiteral("08.00%"));
    rate->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(p4.controls().Label(IdcTaxRate2)->text(), QStringLiteral("08.01%"));
    const CalculatorSettings& edited = s.settings();
    EXPECT_EQ(edited.RoundSelector, 3u);
    EXPECT_EQ(edited.DecimalSelector, 5u);
    EXPECT_EQ(edited.GrandTotalFlg, 0u) << "on by default";
    EXPECT_EQ(edited.DeskTaxFlg, 0u);
    EXPECT_EQ(edited.TaxPercent2, 801u);
    EXPECT_EQ(edited.TapeKeepFlg, 0u);
    EXPECT_EQ(edited.KeepStateFlg, 0u);
    EXPECT_EQ(edited.TaxSumFlg, 0u);
    EXPECT_EQ(edited.ConstantMode, 2u);
    EXPECT_EQ(edited.ItemCountFlg, 2u);
    EXPECT_EQ(edited.DayCountMode, 1u) << "両端入";
    // Named through their labels.
    for (QWidget* control :
         {static_cast<QWidget*>(round), static_cast<QWidget*>(places), static_cast<QWidget*>(rate),
          static_cast<QWidget*>(constant), static_cast<QWidget*>(count), static_cast<QWidget*>(days)}) {
        bool labelled = false;
        for (QLabel* label : p4.findChildren<QLabel*>())
            labelled = labelled || label->buddy() == control;
        EXPECT_TRUE(labelled) << control->accessibleName().toStdString();
    }
    EXPECT_EQ(round->accessibleName(), QStringLiteral("ラウンドセレクター"));
    EXPECT_EQ(constant->accessibleName(), QStringLiteral("定数計算"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(p4.controls().Check(IdcTaxSum))->text(QAccessible::Name),
              QStringLiteral("税率別に集計する（税合計キー）"));
}

using ColorDialog = Editor;

TEST_F(ColorDialog, PaletteSlidersLabelsAndSwatch)
{
    ColourDialog dialog({480, 640, 192});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Abacorの設定"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&dialog)->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog.softKeyBar()->KeyText(0), QStringLiteral("OK"));
    EXPECT_EQ(dialog.softKeyBar()->KeyText(1), QStringLiteral("キャンセル"));
    // For assistive technology: sliders by their labels, cells by their colour.
    EXPECT_EQ(dialog.controls().Slider(IdcGreenSlider)->accessibleName(), QStringLiteral("緑"));
    const std::vector<PaintedPart> cells = dialog.AccessibleParts();
    ASSERT_EQ(cells.size(), 80u);
    EXPECT_EQ(cells[32].name, QStringLiteral("#339966")) << "0x669933 is red 33, green 99, blue 66";
    cells[32].press();
    EXPECT_EQ(dialog.GetColour(), 0x669933u);
    const PaletteGeometry g = dialog.Geometry();
    EXPECT_EQ(g.palette, (Rect{16, 160, 464, 520}));
    EXPECT_EQ(g.cellWidth, 56);
    EXPECT_EQ(g.cellHeight, 36);

    const Rect cell = g.Cell(3, 2);
    dialog.PressAt(cell.left + 3, cell.top + 3);
    EXPECT_EQ(dialog.GetColour(), 0x669933u);
    // The keyboard's grid: arrows pick and go no further than the edges;
    // Return is OK and Escape cancels.
    dialog.show();
    dialog.setFocus();
    for (int up = 0; up < 6; ++up)
        QTest::keyClick(&dialog, Qt::Key_Up);
    QTest::keyClick(&dialog, Qt::Key_Left);
    EXPECT_EQ(dialog.GetColour(), kPalette[static_cast<std::size_t>(g.Entry(2, 0))]) << "from the pressed cell (3, 2)";
    EXPECT_TRUE(dialog.AccessibleParts()[static_cast<std::size_t>(2 * g.rows + 0)].focusable);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.PressAt(cell.left + 3, cell.top + 3);
    EXPECT_EQ(dialog.GetColour(), 0x669933u);
    EXPECT_EQ(dialog.controls().Label(IdcRedValue)->text(), QStringLiteral("51"));
    EXPECT_EQ(dialog.controls().Slider(IdcBlueSlider)->value(), 0x66);

    dialog.SetColour(0x0000FF);
    QSlider* green = dialog.controls().Slider(IdcGreenSlider);
    green->setSliderPosition(128);  // as a drag does: the action comes with it
    EXPECT_EQ(dialog.GetColour(), 0x0080FFu);
    EXPECT_EQ(dialog.controls().Label(IdcRedValue)->text(), QStringLiteral("255"));
    EXPECT_EQ(dialog.controls().Label(IdcGreenValue)->text(), QStringLiteral("128"));
    EXPECT_EQ(dialog.controls().Label(IdcBlueValue)->text(), QStringLiteral("0"));
    EXPECT_EQ(FromPixel(dialog.controls().Label(IdcRedLabel)->palette().color(QPalette::WindowText).rgb()), 0x0000E0u);
    EXPECT_EQ(FromPixel(dialog.controls().Label(IdcBlueLabel)->palette().color(QPalette::WindowText).rgb()), 0xE00000u);

    const QImage shown = dialog.grab().toImage();
    EXPECT_EQ(FromPixel(shown.pixel(g.swatch.left + 5, g.swatch.top + 5)), 0x0080FFu);
    EXPECT_EQ(FromPixel(shown.pixel(g.swatch.left, g.swatch.top + 5)), 0x000000u) << "outlined";
    EXPECT_EQ(FromPixel(shown.pixel(g.swatch.right, g.swatch.top + 5)), 0x000000u);
    EXPECT_EQ(FromPixel(shown.pixel(cell.left + 3, cell.top + 3)), 0x669933u);
    EXPECT_NE(FromPixel(shown.pixel(cell.right, cell.top + 3)), 0x669933u) << "a seam between cells";
}

TEST_F(ColorDialog, LandscapeShowsEveryColourAndOnlyWholeCellsPick)
{
    ColourDialog dialog({640, 480, 192});
    const PaletteGeometry g = dialog.Geometry();
    EXPECT_EQ(g.rows, 5);
    dialog.SetColour(0x123456);
    dialog.PressAt(g.palette.left + 3, g.palette.top + 4 * g.cellHeight + 3);
    EXPECT_EQ(dialog.GetColour(), kPalette[4]);
    // Every one of the 80 colours has a cell.
    std::set<int> reachable;
    for (int column = 0; column < g.columns; ++column)
        for (int row = 0; row < g.rows; ++row)
            if (const auto entry = g.EntryAt(g.Cell(column, row).left + 2, g.Cell(column, row).top + 2))
                reachable.insert(*entry);
    EXPECT_EQ(reachable.size(), kPalette.size());
    dialog.PressAt(g.palette.left + 15 * g.cellWidth + 3, g.palette.top + 4 * g.cellHeight + 3);
    EXPECT_EQ(dialog.GetColour(), kPalette[79]);
    // The palette is 448 / 8 = 56 wide per cell exactly; make one that is not.
    const PaletteGeometry odd = ComputePaletteGeometry({480, 655, 192}, 1);
    EXPECT_EQ(odd.palette.Height(), 375);
    EXPECT_FALSE(odd.EntryAt(odd.palette.left + 2, odd.palette.bottom - 2).has_value())
        << "beyond the last whole row picks nothing";
    EXPECT_FALSE(odd.EntryAt(odd.palette.right, odd.palette.top + 2).has_value());
    EXPECT_EQ(odd.EntryAt(odd.palette.left + 2, odd.palette.top + 2), 0);
}

TEST_F(ColorDialog, OkAndCancelAreItsSoftKeys)
{
    ColourDialog dialog({480, 640, 192});
    dialog.open();
    dialog.softKeyBar()->PressLeft();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.open();
    dialog.softKeyBar()->PressRight();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace abacor::test
