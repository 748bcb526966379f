#include "editor/ColoursPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>

#include "editor/ColourDialog.h"
#include "editor/EditorMenus.h"
#include "platform/shell/MessageBox.h"

namespace abacor {

namespace {

// Repeated taps on a sample part walk its group's entries, then a shared one.
struct TapWalk {
    SampleKey key;  // the part tapped; the background rule comes last
    int first;      // the group's first entry
    int last;       // the group's last entry before the shared one
    int shared;     // where the walk goes after the group
};

constexpr TapWalk kKeyWalks[] = {
    {SampleKey::Tax, 13, 15, 16},
    {SampleKey::Clear, 10, 12, 16},
    {SampleKey::Calculation, 7, 9, 16},
    {SampleKey::Digit, 4, 6, 16},
};
constexpr TapWalk kBackgroundWalk{SampleKey::Tax, 0, 3, 17};

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

ColoursPage::ColoursPage(SettingsRecord& record, const ScreenMetrics& screen)
    : SamplePage(kPage1Template, record, screen)
{
    QComboBox* list = controls_->Combo(IdcColorList);
    for (const ColourListEntry& entry : kColourList)
        list->addItem(QStringView(entry.text).toString());
    connect(controls_->Button(IdcChooseColor), &QPushButton::clicked, this, &ColoursPage::OnChooseColor);
    BindFlagBoxes(kFlagBoxes);
    runColorDialog_ = [](ColourDialog& dialog) { return dialog.exec(); };
    sampleDescription_ = QStringLiteral("キーや背景をタップすると、その部分の色の項目を一覧から順に選びます。");
    // No label stands beside the list; it is named after its first entry.
    list->setAccessibleName(list->itemText(0));
}

void ColoursPage::OnInitDialog()
{
    ApplyDisplayFont();
    QComboBox* list = controls_->Combo(IdcColorList);
    DialogControls::SetListHeight(list, 50 / EditorDivisor());
    list->setCurrentIndex(0);
    Refresh();
    LayoutPreview();
}

void ColoursPage::Refresh()
{
    ShowFlagBoxes(kFlagBoxes);
    InvalidatePage();
}

int ColoursPage::SelectedEntry() const { return controls_->Combo(IdcColorList)->currentIndex(); }

void ColoursPage::SelectEntry(int index) { controls_->Combo(IdcColorList)->setCurrentIndex(index); }

void ColoursPage::OnChooseColor()
{
    const int index = SelectedEntry();
    if (index < 0 || index >= kColourListCount)
        return;
    const auto field = kColourList[static_cast<std::size_t>(index)].field;
    ColourDialog dialog(screen_, this);
    dialog.SetColor(record_.settings().*field);
    if (runColorDialog_(dialog) != QDialog::Accepted)
        return;
    record_.SetValue(field, dialog.GetColor());
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
        ShowMessageBox(window(), QString::fromUtf16(kAskExitUnsaved), StyleYesNo | StyleSecondDefault) != AnswerYes)
        return false;
    return true;
}

}  // namespace abacor
