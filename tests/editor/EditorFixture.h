#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSlider>

#include <memory>
#include <vector>

#include "editor/CKorvelColorDlg.h"
#include "editor/CPropertyPage1.h"
#include "editor/CPropertyPage2.h"
#include "editor/CPropertyPage3.h"
#include "editor/CPropertySheet1.h"
#include "editor/EditorMenus.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "settings/SettingsStore.h"
#include "tests/settings/TempStore.h"

namespace abacor::test {

// An editor on a temporary store, with every message box answered by the
// test and recorded.
class Editor : public TempStore {
protected:
    void SetUp() override
    {
        TempStore::SetUp();
        answerer_ = std::make_unique<ScopedMessageBoxAnswerer>([this](const QString& text, unsigned style) {
            asked.push_back({text.toStdString(), style});
            if (answers.empty())
                return int(AnswerOk);
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
    }
    void TearDown() override
    {
        sheet_.reset();
        answerer_.reset();
        TempStore::TearDown();
    }

    CPropertySheet1& Open(ScreenMetrics screen = {480, 640, 192})
    {
        sheet_ = std::make_unique<CPropertySheet1>(screen);
        sheet_->show();
        return *sheet_;
    }
    CPropertySheet1& sheet() { return *sheet_; }
    CPropertyPage1& page1() { return *sheet_->page1(); }
    CPropertyPage2& page2() { return *sheet_->page2(); }
    CPropertyPage3& page3()
    {
        sheet_->SetActivePage(2);
        return *sheet_->page3();
    }
    // "終了", and whether the sheet then closed.
    bool Exit()
    {
        sheet_->OnCommand(IdEditorExit);
        QCoreApplication::processEvents();
        return !sheet_->isVisible();
    }
    void Click(QCheckBox* box) { box->click(); }

public:
    struct Asked {
        std::string text;
        unsigned style;
        friend bool operator==(const Asked&, const Asked&) = default;
    };

protected:
    std::vector<Asked> asked;
    std::vector<int> answers;

private:
    std::unique_ptr<ScopedMessageBoxAnswerer> answerer_;
    std::unique_ptr<CPropertySheet1> sheet_;
};

inline void PrintTo(const Editor::Asked& a, std::ostream* os) { *os << a.text << " (" << a.style << ")"; }

}  // namespace abacor::test
