#include "editor/ColoursPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "editor/ColourDialog.h"
#include "editor/EditorMenus.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/Translated.h"
#include "settings/ColourPresets.h"
#include "text/Translatable.h"

namespace abacor {

namespace {

// Repeated taps on a sample part walk its group's entries, then a shared one.
struct TapWalk {
    SampleKey key;  // the part tapped; the background rule comes last
    int first;      // the group's first entry
    int last;       // the group's last entry before the shared one
    int shared;     // where the walk goes after the group
};

using S = CalculatorSettings;

// A key group's background, caption and gradation colours, then the key outline.
constexpr TapWalk KeyWalk(SampleKey key, std::uint32_t S::*background, std::uint32_t S::*gradation)
{
    return {key, ColourEntryOf(background), ColourEntryOf(gradation), ColourEntryOf(&S::ButtonLineColor)};
}

constexpr TapWalk kKeyWalks[] = {
    KeyWalk(SampleKey::Tax, &S::ButtonBackColor4, &S::ButtonGradColor4),
    KeyWalk(SampleKey::Clear, &S::ButtonBackColor3, &S::ButtonGradColor3),
    KeyWalk(SampleKey::Calculation, &S::ButtonBackColor2, &S::ButtonGradColor2),
    KeyWalk(SampleKey::Digit, &S::ButtonBackColor1, &S::ButtonGradColor1),
};
// The window's and the display's colours, then the labels'.
constexpr TapWalk kBackgroundWalk{SampleKey::Tax, ColourEntryOf(&S::DialogBackColor),
                                  ColourEntryOf(&S::StaticLineColor), ColourEntryOf(&S::LabelTextColor)};

constexpr FlagBox kFlagBoxes[] = {{IdcGradation, &CalculatorSettings::GradationFlg}};

int Walk(const TapWalk& walk, int selected)
{
    if (selected >= walk.first && selected < walk.last)
        return selected + 1;
    return selected == walk.last ? walk.shared : walk.first;
}

}  // namespace

int NextColourEntry(int selected, const PreviewLayout& layout, int x, int y)
{
    for (const TapWalk& walk : kKeyWalks)
        if (layout.Key(walk.key).Contains(x, y))
            return Walk(walk, selected);
    if (layout.background.Contains(x, y))
        return Walk(kBackgroundWalk, selected);
    return selected;
}

namespace {
constexpr char16_t kColourListName[] = ABACOR_TRANSLATABLE("Editor", u"色の設定項目");
}  // namespace

ColoursPage::ColoursPage(SettingsRecord& record, const ScreenMetrics& screen)
    : SamplePage(kPage1Template, record, screen)
{
    QComboBox* list = controls_->Combo(IdcColourList);
    for (const ColourListEntry& entry : kColourList)
        list->addItem(Translated("Editor", entry.text));
    connect(controls_->Button(IdcChooseColour), &QPushButton::clicked, this, &ColoursPage::OnChooseColour);
    BindFlagBoxes(kFlagBoxes);
    QComboBox* presets = controls_->Combo(IdcPreset);
    for (const ColourPreset& preset : kColourPresets)
        presets->addItem(Translated("Editor", preset.name));
    DialogControls::FitList(list);
    DialogControls::FitList(presets);
    presets->setCurrentIndex(-1);
    // Says what it holds before it is opened.
    presets->setPlaceholderText(tr("選んでください"));
    connect(presets, &QComboBox::activated, this, &ColoursPage::ApplyPreset);
    presets->installEventFilter(this);
    runColourDialog_ = [](ColourDialog& dialog) { return dialog.exec(); };
    sampleDescription_ = tr("キーや背景をタップすると、その部分の色の項目を一覧から順に選びます。");
    // No label stands beside the list; an unseen one names it, since screen
    // readers on Linux take a list's name from its label only.
    list->setAccessibleName(Translated("Editor", kColourListName));
    auto* name = new QLabel(Translated("Editor", kColourListName), this);
    name->setBuddy(list);
    name->hide();
}

void ColoursPage::Initialise()
{
    ApplyDisplayFont();
    QComboBox* list = controls_->Combo(IdcColourList);
    DialogControls::SetListHeight(list, 50 / EditorDivisor());
    // A field as high as the colour list's, not the height its template
    // gives the opened list.
    DialogControls::SetListHeight(controls_->Combo(IdcPreset), 50 / EditorDivisor());
    list->setCurrentIndex(0);
    Refresh();
    LayoutPreview();
}

void ColoursPage::Refresh()
{
    beforePreset_.clear();  // the record was replaced: nothing to undo
    ShowFlagBoxes(kFlagBoxes);
    InvalidatePage();
}

void ColoursPage::ApplyPreset(int index)
{
    if (index < 0 || index >= static_cast<int>(kColourPresets.size()))
        return;
    const ColourPreset& preset = kColourPresets[static_cast<std::size_t>(index)];
    // Its colours already in place (the list activated again): nothing
    // happens, and 元に戻す still brings back the user's own.
    bool inPlace = true;
    for (std::size_t i = 0; i < kColourList.size(); ++i)
        inPlace = inPlace && record_.settings().*kColourList[i].field == preset.colours[i];
    if (inPlace)
        return;
    beforePreset_.clear();
    for (std::size_t i = 0; i < kColourList.size(); ++i) {
        beforePreset_.push_back(record_.settings().*kColourList[i].field);
        record_.SetValue(kColourList[i].field, preset.colours[i]);
    }
    ApplyDisplayColours();
    InvalidatePage();
    // Said once the list's own handling is over: a box run inside it would
    // let the Return that closes the box reach the list again.
    QMetaObject::invokeMethod(
        this,
        [this, name = Translated("Editor", preset.name)] {
            ShowMessageBox(this,
                           tr("プリセット「%1」の色にしました。メニューの「元に戻す」で前の色に戻せます。").arg(name),
                           StyleOk);
        },
        Qt::QueuedConnection);
}

bool ColoursPage::UndoLastStep()
{
    if (beforePreset_.empty())
        return false;
    for (std::size_t i = 0; i < kColourList.size(); ++i)
        record_.SetValue(kColourList[i].field, beforePreset_[i]);
    beforePreset_.clear();
    controls_->Combo(IdcPreset)->setCurrentIndex(-1);
    ApplyDisplayColours();
    InvalidatePage();
    return true;
}

bool ColoursPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* presets = controls_->Combo(IdcPreset);
    if (watched == presets && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
            key == Qt::Key_Home || key == Qt::Key_End) {
            presets->showPopup();
            return true;
        }
    }
    return SamplePage::eventFilter(watched, event);
}

int ColoursPage::SelectedEntry() const { return controls_->Combo(IdcColourList)->currentIndex(); }

void ColoursPage::SelectEntry(int index) { controls_->Combo(IdcColourList)->setCurrentIndex(index); }

void ColoursPage::OnChooseColour()
{
    const int index = SelectedEntry();
    if (index < 0 || index >= kColourListCount)
        return;
    const auto field = kColourList[static_cast<std::size_t>(index)].field;
    ColourDialog dialog(screen_, this);
    dialog.SetColour(record_.settings().*field);
    dialog.SetItemName(Translated("Editor", kColourList[static_cast<std::size_t>(index)].text));
    const int answer = runColourDialog_(dialog);
    // The sheet takes the keyboard back, also where no window manager does.
    window()->activateWindow();
    if (answer != QDialog::Accepted)
        return;
    record_.SetValue(field, dialog.GetColour());
    InvalidatePage();
}

void ColoursPage::PressAt(int x, int y) { SelectEntry(NextColourEntry(SelectedEntry(), layout(), x, y)); }

void ColoursPage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PressAt(event->position().toPoint().x(), event->position().toPoint().y());
    SamplePage::mousePressEvent(event);
}

bool ColoursPage::OnApply()
{
    if (record_.modified() &&
        ShowMessageBox(window(), Translated("Message", kAskExitUnsaved), StyleYesNo | StyleSecondDefault) != AnswerYes)
        return false;
    return true;
}

}  // namespace abacor
