#pragma once

#include <QDialog>

#include <array>

#include "editor/SettingsRecord.h"
#include "platform/screen/ScreenMetrics.h"
#include "settings/CalculatorSettings.h"

class QTabWidget;

namespace abacor {

class AccessibleNotice;

class SettingsPage;
class ColoursPage;
class DisplayPage;
class KeysPage;
class DeskPage;
class SoftKeyBar;

// The editor's sheet "Abacorの設定": four pages as tabs at the bottom, above
// the soft-key bar "保存" / "その他". It owns the one editable copy of the
// settings; nothing reaches the store until "保存".
class SettingsSheet : public QDialog {
    Q_OBJECT
public:
    // Loads the settings copy; the window's content area plays the screen.
    explicit SettingsSheet(const ScreenMetrics& screen, QWidget* parent = nullptr);
    // With a copy given by a tool instead of the stored one.
    SettingsSheet(const ScreenMetrics& screen, const CalculatorSettings& initial, QWidget* parent = nullptr);
    ~SettingsSheet() override;

    // The copy the pages edit, and whether it holds unsaved changes.
    const CalculatorSettings& settings() const { return record_.settings(); }
    bool modified() const { return record_.modified(); }
    // Changes one value of the copy and marks it unsaved.
    void SetValue(std::uint32_t CalculatorSettings::*field, std::uint32_t value) { record_.SetValue(field, value); }

    const ScreenMetrics& screen() const { return screen_; }
    ColoursPage* page1() const { return page1_; }
    DisplayPage* page2() const { return page2_; }
    KeysPage* page3() const { return page3_; }
    DeskPage* page4() const { return page4_; }
    SoftKeyBar* softKeyBar() const { return bar_; }
    // Shows a page (0 to 3), initialising it the first time.
    void SetActivePage(int index);

    void OnCommand(int id);
    void SaveSettings();
    void DeleteSettings();
    // 元に戻す: a page's last step of many changes (a preset) undone, else
    // the stored settings read again.
    void RevertSettings();
    void ReloadSettings();
    void OnExit();

    // Every way of closing asks the pages first.
    void done(int result) override;

signals:
    // One value of the copy was set.
    void changed(abacor::SettingField field);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Initialise();
    void PlaceChildren();
    // The next page (step 1) or the one before (-1), its tab focused.
    void TurnPage(int step);
    std::array<SettingsPage*, 4> Pages() const;

    SettingsRecord record_;
    ScreenMetrics screen_;
    QTabWidget* tabs_ = nullptr;
    ColoursPage* page1_ = nullptr;
    DisplayPage* page2_ = nullptr;
    KeysPage* page3_ = nullptr;
    DeskPage* page4_ = nullptr;
    SoftKeyBar* bar_ = nullptr;
    // Said, not shown (what changed shows itself): "元に戻しました。".
    AccessibleNotice* said_ = nullptr;
};

}  // namespace abacor
