#pragma once

#include <QAbstractListModel>
#include <QWidget>

#include <optional>
#include <vector>

#include "calculator/tape/CalculatorSession.h"

class QLabel;
class QLineEdit;
class QListView;

namespace abacor {
class AccessibleNotice;
}

namespace abacor {

// The tape's lines for a view and for screen readers: each item is its whole
// line; a step of the current segment is edited to correct it.
class TapeModel : public QAbstractListModel {
    Q_OBJECT
public:
    // history: the earlier runs' lines, read-only, above this run's.
    TapeModel(CalculatorSession& session, std::vector<TapeLine> history, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The session's lines changed: new lines are appended; after a
    // correction or a clearing every line is read anew.
    void Follow();
    void Reset();
    void SetHistory(std::vector<TapeLine> history);
    // Every line shown, earlier runs' first.
    std::vector<TapeLine> AllLines() const;
    // The row's place among this run's lines; none for an earlier run's.
    std::optional<std::size_t> SessionLine(int row) const;
    // A note on the line at row, this run's or an earlier one's; why it
    // was refused, empty when it is on the line.
    QString SetNote(int row, const QString& note);
    QString NoteAt(int row) const;
    // The history read anew (a resumed calculation corrected).
    void ReadHistory() { SetHistory(session_.History()); }

signals:
    void refused(const QString& why);

private:
    // The line at a row: history first, then the session's; null past them.
    const TapeLine* LineAt(int row) const;

    CalculatorSession& session_;
    std::vector<TapeLine> history_;
    int rows_ = 0;
};

// The tape window, "Abacorのテープ": beside the calculator, in its display's
// colours, the newest line in view. Enter on a step corrects it, Insert or
// "#" writes a note on a line, Ctrl+C copies the selected lines, Ctrl+F
// finds; "エクスポート…" writes CSV, "印刷…" prints, "テープ消去" clears,
// "保存…" and "開く…" save and open tape files, "新規" begins a calculation.
class TapeWindow : public QWidget {
    Q_OBJECT
public:
    TapeWindow(CalculatorSession& session, std::vector<TapeLine> history, QWidget* calculator);

    TapeModel& model() { return *model_; }
    QListView* view() const { return view_; }
    // The lines as copied: one a line, as shown.
    QString SelectedText() const;
    // Writes the tape as CSV, with the columns and marks Abacor opens again
    // or (forPeople) in the program's language; false (and the user told)
    // when it could not.
    bool ExportTo(const QString& path, bool forPeople = false);
    // Prints the tape: to pdfPath without a dialog, or (empty) through the
    // print dialog; false (and the user told) when it failed.
    bool Print(const QString& pdfPath = {});
    void ClearTape();
    // The current calculation, the selected lines or the whole tape (the
    // user chooses) saved under a name.
    void SaveAs();
    bool SaveTo(const QString& path, const std::vector<TapeLine>& lines);
    // True when a file was opened.
    bool OpenFile();
    // A tape file keyed again as a new calculation; false (and the user
    // told why, with the line) when it is refused. The user is told where
    // its results differ.
    bool OpenFrom(const QString& path);
    void NewTape();
    // The find field shown; Enter finds the next line, Shift+Enter the one before.
    void Find();
    // The next line from the current one holding text (in its number
    // without grouping, its mark or its note), or the current one itself;
    // false (and "見つかりません" said) when none does.
    bool FindNext(const QString& text, bool backwards = false, bool fromCurrent = false);
    // A note on the current line, asked for.
    void WriteNote();
    // A tape command of the calculator's menu; true when the keys are to
    // stay here after it (the find, a file's lines opened).
    bool RunCommand(int id);
    void SetHistory(std::vector<TapeLine> history) { model_->SetHistory(std::move(history)); }
    // The keeping of the tape changed: its line says so, a clearing that
    // waited for the file is done.
    void KeepingChanged();
    // After a key: the new lines, scrolled into view.
    void Follow();

signals:
    // The calculator's state was re-run by a correction.
    void corrected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Active again: the newest line becomes the current one.
    void changeEvent(QEvent* event) override;

private:
    // The bytes as the whole file, or nothing of it changed (and the user
    // told, failed first).
    bool WriteWhole(const QString& path, const std::string& bytes, const QString& failed);
    void OnExport();
    void CopySelection();
    void ShowNewest();
    // The current line said again, once the list has the focus back.
    void SayCurrentLine();

    CalculatorSession& session_;
    TapeModel* model_ = nullptr;
    QListView* view_ = nullptr;
    AccessibleNotice* keeping_ = nullptr;     // why the tape is not kept; hidden while it is
    QLineEdit* find_ = nullptr;               // hidden until Ctrl+F
    AccessibleNotice* findNotice_ = nullptr;  // "見つかりません", said
    bool clearAwaited_ = false;
    long long clearsShown_ = 0;      // another calculator's clearings the list has followed
    bool clearedElsewhere_ = false;  // said until this calculator clears
    bool newestAwaited_ = false;     // lines came while another window was active
};

}  // namespace abacor
