#pragma once

#include <QDialog>

#include <array>

#include "platform/screen/ScreenMetrics.h"
#include "settings/CalculatorSettings.h"

class QTabWidget;

namespace abacor {

class CPropertyPage;
class CPropertyPage1;
class CPropertyPage2;
class CPropertyPage3;
class SoftKeyBar;

// The editor's sheet "Abacorの設定": three pages as tabs at the bottom, above
// the soft-key bar "保存" / "その他". It owns the one editable copy of the
// settings; nothing reaches the store until "保存".
class CPropertySheet1 : public QDialog {
    Q_OBJECT
public:
    // Loads the settings copy; the window's content area plays the screen.
    explicit CPropertySheet1(const ScreenMetrics& screen, QWidget* parent = nullptr);
    // With a copy given by a tool instead of the stored one.
    CPropertySheet1(const ScreenMetrics& screen, const CalculatorSettings& initial, QWidget* parent = nullptr);
    ~CPropertySheet1() override;

    // The copy the pages edit; every change goes through SetValue.
    CalculatorSettings m_settings;
    bool m_bModified = false;

    // Changes one value of the copy and marks it unsaved; new smooth-font
    // setting also remakes the samples' fonts.
    void SetValue(std::uint32_t CalculatorSettings::*field, std::uint32_t value);

    const ScreenMetrics& screen() const { return screen_; }
    CPropertyPage1* page1() const { return page1_; }
    CPropertyPage2* page2() const { return page2_; }
    CPropertyPage3* page3() const { return page3_; }
    SoftKeyBar* softKeyBar() const { return bar_; }
    // Shows a page (0, 1 or 2), initialising it the first time.
    void SetActivePage(int index);

    void OnCommand(int id);
    void SaveSettings();
    void DeleteSettings();
    void RevertSettings();
    void OnExit();

    // Every way of closing asks the pages first.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnInitDialog();
    void PlaceChildren();
    std::array<CPropertyPage*, 3> Pages() const;

    ScreenMetrics screen_;
    QTabWidget* tabs_ = nullptr;
    CPropertyPage1* page1_ = nullptr;
    CPropertyPage2* page2_ = nullptr;
    CPropertyPage3* page3_ = nullptr;
    SoftKeyBar* bar_ = nullptr;
};

}  // namespace abacor
