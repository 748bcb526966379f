#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSlider>

#include <memory>
#include <vector>

#include "editor/ColourDialog.h"
#include "editor/ColoursPage.h"
#include "editor/DisplayPage.h"
#include "editor/EditorMenus.h"
#include "editor/KeysPage.h"
#include "editor/SettingsSheet.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "settings/SettingsStore.h"
#include "tests/settings/TempStoreQt.h"

namespace abacor::test {

// An editor on a temporary store, with every message box answered by the
// test and recorded.
class Editor : public TempStoreQt {
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

    SettingsSheet& Open(ScreenMetrics screen = {480, 640, 192})
    {
        sheet_ = std::make_unique<SettingsSheet>(screen);
        sheet_->show();
        return *sheet_;
    }
    SettingsSheet& sheet() { return *sheet_; }
    ColoursPage& page1() { return *sheet_->page1(); }
    DisplayPage& page2() { return *sheet_->page2(); }
    KeysPage& page3()
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
    std::unique_ptr<SettingsSheet> sheet_;
};

inline void PrintTo(const Editor::Asked& a, std::ostream* os) { *os << a.text << " (" << a.style << ")"; }

}  // namespace abacor::test
