#include "calculator/window/TapeWindow.h"

#include <algorithm>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSaveFile>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QVBoxLayout>

#include "calculator/core/CommandTable.h"
#include "calculator/engine/Grouping.h"
#include "calculator/tape/TapeCsv.h"
#include "calculator/tape/TapeFile.h"
#include "calculator/tape/TapeNotes.h"
#include "calculator/window/DesktopShortcuts.h"
#include "calculator/window/DialogFolder.h"
#include "calculator/window/KeyBindings.h"
#include "calculator/window/TapeOpener.h"
#include "calculator/window/TapePrinter.h"
#include "calculator/window/TapeWords.h"
#include "platform/drawing/Color.h"
#include "platform/shell/ChoiceDialog.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/PaintedParts.h"
#include "platform/shell/Translated.h"
#include "text/Translatable.h"

namespace abacor {

namespace {

constexpr char16_t kTapeTitle[] = ABACOR_TRANSLATABLE("Message", u"Abacorのテープ");

// A step's correction field, named for screen readers; when it closes, the
// line stays the current one (not a list with none).
class CorrectionDelegate : public QStyledItemDelegate {
public:
    CorrectionDelegate(QObject* parent, std::function<void(const QString&)> opened)
        : QStyledItemDelegate(parent), opened_(std::move(opened))
    {
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor != nullptr) {
            editor->setAccessibleName(QObject::tr("訂正"));
            // A reader lands in a list's field without its name: said too.
            opened_(editor->accessibleName());
        }
        return editor;
    }

private:
    std::function<void(const QString&)> opened_;
};
constexpr char16_t kAskClear[] = ABACOR_TRANSLATABLE("Message", u"テープを消去しますか？");
constexpr char16_t kExportFailed[] = ABACOR_TRANSLATABLE("Message", u"エクスポートできませんでした。");
}  // namespace

TapeModel::TapeModel(CalculatorSession& session, std::vector<TapeLine> history, QObject* parent)
    : QAbstractListModel(parent), session_(session), history_(std::move(history)),
      rows_(static_cast<int>(history_.size() + session.tape().Lines().size()))
{
}

int TapeModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

const TapeLine* TapeModel::LineAt(int row) const
{
    if (row < 0)
        return nullptr;
    const auto at = static_cast<std::size_t>(row);
    if (at < history_.size())
        return &history_[at];
    return at - history_.size() < session_.tape().Lines().size() ? &session_.tape().Lines()[at - history_.size()]
                                                                 : nullptr;
}

QVariant TapeModel::data(const QModelIndex& index, int role) const
{
    const TapeLine* found = index.isValid() ? LineAt(index.row()) : nullptr;
    if (found == nullptr)
        return {};
    const TapeLine& line = *found;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        return QString::fromStdU16String(line.Text(session_.tape().Segment(), ShownTapeMark(line.mark).toStdU16String(),
                                                   CorrectedPhrase(line.was).toStdU16String()));
    }
    case Qt::EditRole: return QString::fromStdU16String(StripGrouping(line.number));
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

Qt::ItemFlags TapeModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    // Only the current segment's steps (a resumed one's in the history).
    if (const TapeLine* line = index.isValid() ? LineAt(index.row()) : nullptr;
        line != nullptr && line->step > 0 && line->segment == session_.tape().Segment())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TapeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int step = LineAt(index.row())->step;
    const bool resumed = session_.tape().Resumed();
    switch (session_.Correct(step, value.toString().trimmed().toStdString())) {
    case CorrectionOutcome::Corrected:
        // The lines are new after the editor has closed, not under it.
        if (resumed)
            QMetaObject::invokeMethod(this, &TapeModel::ReadHistory, Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(this, &TapeModel::Reset, Qt::QueuedConnection);
        return true;
    case CorrectionOutcome::NotANumber: {
        // Letters are no number at all; digits too many or a second point are.
        const QString given = value.toString();
        const bool digits = std::any_of(given.begin(), given.end(), [](QChar c) { return c.isDigit(); });
        const bool letters = std::any_of(given.begin(), given.end(), [](QChar c) { return c.isLetter(); });
        emit refused(!digits || letters ? tr("訂正できません。数値ではありません。")
                                        : tr("訂正できません。数値は12桁まで、「-」と「.」はひとつまでです。"));
        return false;
    }
    case CorrectionOutcome::NoSuchStep: emit refused(tr("訂正できません。その番号の行はありません。")); return false;
    }
    return false;
}

void TapeModel::Follow()
{
    const int now = static_cast<int>(history_.size() + session_.tape().Lines().size());
    if (now < rows_) {
        Reset();
        return;
    }
    if (now == rows_)
        return;
    beginInsertRows({}, rows_, now - 1);
    rows_ = now;
    endInsertRows();
}

void TapeModel::Reset()
{
    beginResetModel();
    rows_ = static_cast<int>(history_.size() + session_.tape().Lines().size());
    endResetModel();
}

std::vector<TapeLine> TapeModel::AllLines() const
{
    std::vector<TapeLine> lines = history_;
    lines.insert(lines.end(), session_.tape().Lines().begin(), session_.tape().Lines().end());
    return lines;
}

std::optional<std::size_t> TapeModel::SessionLine(int row) const
{
    if (row < static_cast<int>(history_.size()) || row >= rows_)
        return std::nullopt;
    return static_cast<std::size_t>(row) - history_.size();
}

QString TapeModel::NoteAt(int row) const
{
    const TapeLine* line = LineAt(row);
    return line != nullptr ? QString::fromStdU16String(line->note) : QString();
}

QString TapeModel::SetNote(int row, const QString& note)
{
    if (LineAt(row) == nullptr)
        return tr("注記を書く行を選んでください。");
    const std::u16string text = note.toStdU16String();
    const std::optional<std::size_t> line = SessionLine(row);
    const auto earlier = static_cast<std::size_t>(row);
    const Message why = line ? session_.SetNote(*line, text) : session_.SetNote(history_[earlier], text);
    if (!why.empty())
        return Translated(why);
    if (!line)
        history_[earlier].note = text;
    emit dataChanged(index(row), index(row));
    return {};
}

void TapeModel::SetHistory(std::vector<TapeLine> history)
{
    history_ = std::move(history);
    Reset();
}

TapeWindow::TapeWindow(CalculatorSession& session, std::vector<TapeLine> history, QWidget* calculator)
    : QWidget(calculator, Qt::Window), session_(session)
{
    setWindowTitle(Translated("Message", kTapeTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    model_ = new TapeModel(session, std::move(history), this);
    view_ = new QListView(this);
    view_->setModel(model_);
    view_->setUniformItemSizes(true);
    // A line too long for the window ends in "…" (whole in its tip): the
    // others keep their marks in view.
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setTextElideMode(Qt::ElideRight);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // Said, not shown: a label showing would lay the list out again under the field.
    auto* said = new AccessibleNotice(this);
    said->setFixedSize(0, 0);
    auto* delegate = new CorrectionDelegate(view_, [said](const QString& name) {
        QMetaObject::invokeMethod(
            said, [said, name] { said->Say(name); }, Qt::QueuedConnection);
    });
    view_->setItemDelegate(delegate);
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, [this, said] {
        said->Show({});
        if (!view_->currentIndex().isValid())
            ShowNewest();
        SayCurrentLine();
    });
    // Not the window's title again: a reader says the window, then the list.
    view_->setAccessibleName(tr("テープの行"));
    view_->installEventFilter(this);
    // The calculator's display colours.
    QPalette colours = view_->palette();
    colours.setColor(QPalette::Base, QColor::fromRgb(ToPixel(session.settings().StaticBackColor)));
    colours.setColor(QPalette::Text, QColor::fromRgb(ToPixel(session.settings().StaticTextColor)));
    view_->setPalette(colours);

    auto* bar = new QToolBar(this);
    auto* files = new QToolBar(this);
    // Each reached by Tab and by Alt with its letter, as a dialog's buttons,
    // and by the calculator's chord for it (Ctrl+S, Ctrl+O…) here too.
    const auto button = [this](QToolBar* on, const QString& text, auto slot, int commandId = 0) {
        QAction* action = on->addAction(text, this, slot);
        QList<QKeySequence> keys{QKeySequence::mnemonic(text)};
        if (const Command* command = CommandOfMenuId(commandId))
            for (const std::string_view chord : ChordsOf(*command))
                if (const QKeyCombination chordKeys = ChordKeys(chord); chordKeys.key() != Qt::Key_unknown)
                    keys.append(QKeySequence(chordKeys));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QWidget* pressed = on->widgetForAction(action);
        pressed->setFocusPolicy(Qt::StrongFocus);
        // A tool button's text loses its "&": the keys are said from its
        // description instead ("Alt+S, Ctrl+S").
        QStringList said;
        for (const QKeySequence& key : keys)
            said << key.toString(QKeySequence::NativeText);
        pressed->setAccessibleDescription(said.join(QStringLiteral(", ")));
    };
    button(bar, tr("エクスポート…(&E)"), &TapeWindow::OnExport, IdTapeExport);
    button(
        bar, tr("印刷…(&P)"), [this] { static_cast<void>(Print()); }, IdTapePrint);
    button(bar, tr("テープ消去(&D)"), &TapeWindow::ClearTape, IdTapeClear);
    button(files, tr("保存…(&S)"), &TapeWindow::SaveAs, IdTapeSave);
    button(files, tr("開く…(&O)"), &TapeWindow::OpenFile, IdTapeOpen);
    button(files, tr("新規(&N)"), &TapeWindow::NewTape, IdTapeNew);
    button(files, tr("注記…(&M)"), &TapeWindow::WriteNote);
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &TapeWindow::CopySelection);
    view_->addAction(copy);
    auto* close = new QAction(this);
    close->setShortcut(Qt::Key_F3);
    connect(close, &QAction::triggered, this, [this, calculator] {
        this->close();
        // The keys go back to the calculator, whatever the window manager does.
        calculator->activateWindow();
    });
    addAction(close);
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &TapeWindow::Find);
    addAction(find);

    find_ = new QLineEdit(this);
    find_->setPlaceholderText(tr("検索"));
    find_->setAccessibleName(tr("テープの検索"));
    find_->setClearButtonEnabled(true);
    find_->hide();
    find_->installEventFilter(this);
    // Typing looks again from the line found, so that it stays while it
    // matches; nothing moves until a line matches.
    connect(find_, &QLineEdit::textEdited, this, [this](const QString& text) { FindNext(text, false, true); });
    findNotice_ = new AccessibleNotice(this);
    findNotice_->setObjectName(QStringLiteral("notFound"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(files);
    keeping_ = new AccessibleNotice(this);
    keeping_->setObjectName(QStringLiteral("keeping"));
    layout->addWidget(keeping_);
    layout->addWidget(view_);
    layout->addWidget(find_);
    layout->addWidget(findNotice_);
    KeepingChanged();

    connect(model_, &TapeModel::refused, this, [this](const QString& why) { ShowMessageBox(this, why, StyleOk); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        ShowNewest();
        emit corrected();
    });
    ShowNewest();
}

void TapeWindow::Follow()
{
    model_->Follow();
    ShowNewest();
}

void TapeWindow::ShowNewest()
{
    view_->scrollToBottom();
    // A current line that moves is news to a screen reader, which would
    // leave the calculator for it: only while this window is the user's.
    newestAwaited_ = !isActiveWindow();
    if (newestAwaited_)
        return;
    // The keyboard starts from the newest line, as the eye does.
    if (const int rows = model_->rowCount(); rows > 0)
        view_->setCurrentIndex(model_->index(rows - 1));
}

void TapeWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    if (newestAwaited_)
        ShowNewest();
    SayCurrentLine();
}

void TapeWindow::SayCurrentLine()
{
    // Once the list has the focus, its current line is made current again:
    // a reader hears the line, not only "a list of so many items".
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QModelIndex current = view_->currentIndex();
            if (!view_->hasFocus() || !current.isValid())
                return;
            view_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        },
        Qt::QueuedConnection);
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == find_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (!FindNext(find_->text(), key->modifiers() & Qt::ShiftModifier))
                QApplication::beep();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            find_->hide();
            findNotice_->Show({});
            view_->setFocus();
            SayCurrentLine();
            return true;
        }
    }
    // Enter on a step starts its correction, with the number to edit.
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert || key->text() == QStringLiteral("#")) {
            WriteNote();
            return true;
        }
        // (While a number is edited its keys go to the editor, not here.)
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (model_->flags(view_->currentIndex()) & Qt::ItemIsEditable)) {
            view_->edit(view_->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString TapeWindow::SelectedText() const
{
    QModelIndexList rows = view_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (const QModelIndex& row : rows)
        lines << row.data(Qt::DisplayRole).toString();
    return lines.join(u'\n');
}

void TapeWindow::CopySelection() { static_cast<void>(PlaceClipboardText(SelectedText())); }

bool TapeWindow::WriteWhole(const QString& path, const std::string& bytes, const QString& failed)
{
    QSaveFile file(path);
    // A write that fit the file's buffer fails only at the flush: checked
    // before the commit, so that the old file stays when the disk is full.
    if (file.open(QIODevice::WriteOnly) &&
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) == qint64(bytes.size()) && file.flush() &&
        file.error() == QFileDevice::NoError && file.commit())
        return true;
    ShowMessageBox(this, failed + u'\n' + file.errorString(), StyleOk);
    return false;
}

bool TapeWindow::ExportTo(const QString& path, bool forPeople)
{
    const std::vector<TapeLine> lines = model_->AllLines();
    const CsvWords words{Translated("Tape", kCsvColumns).toStdU16String(),
                         [](std::u16string_view mark) { return ShownTapeMark(mark).toStdU16String(); }};
    return WriteWhole(path, forPeople ? TapeCsv(lines, words) : TapeCsv(lines), Translated("Message", kExportFailed));
}

void TapeWindow::OnExport()
{
    // In another language than the design's, a spreadsheet's columns in it,
    // or those Abacor opens again.
    const QString own = QStringLiteral("CSV (*.csv)");
    const QString forPeople = tr("CSV、表計算ソフト用 (*.csv)");
    const QString reopened = tr("CSV、Abacorでまた開けるもの (*.csv)");
    const bool translated = Translated("Tape", kCsvColumns) != QStringView(kCsvColumns);
    QString chosen;
    const QString path = QFileDialog::getSaveFileName(
        this, tr("エクスポート"), QDir(DialogFolder()).filePath(QStringLiteral("tape.csv")),
        translated ? forPeople + QStringLiteral(";;") + reopened : own, &chosen);
    if (!path.isEmpty() && ExportTo(path, translated && chosen == forPeople))
        RememberDialogFolder(QFileInfo(path).absolutePath());
}

bool TapeWindow::Print(const QString& pdfPath)
{
    QString error;
    const PrintOutcome outcome = PrintTape(this, model_->AllLines(), session_.tape().Segment(), pdfPath, &error);
    if (outcome == PrintOutcome::NoPrinter) {
        if (ShowMessageBox(this, tr("プリンターが設定されていません。PDF ファイルに保存しますか？"), StyleYesNo) !=
            AnswerYes)
            return true;
        const QString path = QFileDialog::getSaveFileName(
            this, tr("PDF に保存"), QDir(DialogFolder()).filePath(tr("テープ") + QStringLiteral(".pdf")),
            QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty())
            return true;
        RememberDialogFolder(QFileInfo(path).absolutePath());
        return Print(path);
    }
    if (outcome != PrintOutcome::Failed)
        return true;
    ShowMessageBox(this, tr("印刷できませんでした。") + u'\n' + error, StyleOk);
    return false;
}

void TapeWindow::ClearTape()
{
    if (ShowMessageBox(this, Translated("Message", kAskClear), StyleYesNo | StyleSecondDefault) != AnswerYes)
        return;
    session_.ClearTape();
    // Erased is said only of what is erased.
    if (!session_.Flush() && session_.ClearPending()) {
        clearAwaited_ = true;
        model_->Reset();
        KeepingChanged();
        ShowMessageBox(this, keeping_->text(), StyleOk);
        return;
    }
    model_->SetHistory({});
    KeepingChanged();
}

void TapeWindow::SaveAs()
{
    const QString current = tr("現在の計算"), selected = tr("選んだ行"), whole = tr("テープ全体");
    QStringList ranges{current, whole};
    if (view_->selectionModel()->selectedRows().size() > 1)
        ranges.insert(1, selected);
    const std::optional<QString> chosen = ChooseItem(this, tr("保存する行"), tr("保存する行(&L):"), ranges);
    if (!chosen)
        return;
    const QString& range = *chosen;
    std::vector<TapeLine> lines;
    if (range == current) {
        lines = session_.CalculationLines();
    } else if (range == whole) {
        lines = model_->AllLines();
    } else {
        QModelIndexList rows = view_->selectionModel()->selectedRows();
        std::sort(rows.begin(), rows.end());
        const std::vector<TapeLine> all = model_->AllLines();
        for (const QModelIndex& row : rows)
            lines.push_back(all[static_cast<std::size_t>(row.row())]);
    }
    const QString suffix = QString::fromStdU16String(std::u16string(kTapeFileSuffix));
    const QString path =
        QFileDialog::getSaveFileName(this, tr("名前を付けて保存"), QDir(DialogFolder()).filePath(tr("テープ") + suffix),
                                     tr("Abacorのテープ (*%1)").arg(suffix));
    if (!path.isEmpty() && SaveTo(path.endsWith(suffix) ? path : path + suffix, lines))
        RememberDialogFolder(QFileInfo(path).absolutePath());
}

bool TapeWindow::SaveTo(const QString& path, const std::vector<TapeLine>& lines)
{
    return WriteWhole(path, session_.SaveText(lines), tr("保存できませんでした。"));
}

bool TapeWindow::OpenFile()
{
    const QString suffix = QString::fromStdU16String(std::u16string(kTapeFileSuffix));
    const QString path =
        QFileDialog::getOpenFileName(this, tr("開く"), DialogFolder(), tr("Abacorのテープ (*%1 *.csv)").arg(suffix));
    if (path.isEmpty() || !OpenFrom(path))
        return false;
    RememberDialogFolder(QFileInfo(path).absolutePath());
    return true;
}

bool TapeWindow::OpenFrom(const QString& path)
{
    const OpenedTape opened = OpenTapeFile(session_, std::filesystem::path(path.toStdU16String()), this);
    if (!opened.read) {
        if (!opened.stopped)
            ShowMessageBox(this, tr("開けませんでした。") + u'\n' + Translated(opened.refusal), StyleOk);
        return false;
    }
    Follow();
    emit corrected();
    // The opened lines are what the keys work on next (select all, copy).
    activateWindow();
    view_->setFocus();
    // Stopped by the user: the tape's last line, now the current one, says where.
    if (!opened.stopped && !opened.differing.empty()) {
        ShowMessageBox(this,
                       tr("計算し直した結果がファイルと異なります。テープの最後の行に、ファイルの行番号があります。"),
                       StyleOk);
        // Back on the line that says where, not on no control at all.
        activateWindow();
        view_->setFocus();
        ShowNewest();
        SayCurrentLine();
    }
    return true;
}

void TapeWindow::NewTape()
{
    session_.NewCalculation();
    Follow();
    emit corrected();
}

void TapeWindow::Find()
{
    find_->show();
    find_->setFocus();
    find_->selectAll();
}

bool TapeWindow::FindNext(const QString& text, bool backwards, bool fromCurrent)
{
    const int rows = model_->rowCount();
    if (text.isEmpty()) {
        findNotice_->Show({});
        return false;
    }
    const std::vector<TapeLine> lines = model_->AllLines();
    const int from = view_->currentIndex().isValid() ? view_->currentIndex().row() : (backwards ? rows : -1);
    for (int n = fromCurrent ? 0 : 1; n <= rows; ++n) {
        const int row = ((backwards ? from - n : from + n) % rows + rows) % rows;
        const TapeLine& line = lines[static_cast<std::size_t>(row)];
        const QString shown = model_->index(row).data(Qt::DisplayRole).toString();
        if (shown.contains(text, Qt::CaseInsensitive) ||
            QString::fromStdU16String(StripGrouping(line.number)).contains(text)) {
            view_->setCurrentIndex(model_->index(row));
            view_->scrollTo(model_->index(row));
            findNotice_->Show({});
            return true;
        }
    }
    // Said and shown, the line found before still the current one.
    findNotice_->Say(tr("見つかりません"));
    return false;
}

void TapeWindow::WriteNote()
{
    const int row = view_->currentIndex().row();
    const QString asked = tr("この行の注記（%1文字まで）:").arg(kMaxNoteLength);
    QString note = model_->NoteAt(row);
    QString why;
    // A note refused is asked for again, what was typed kept and why above it:
    // nothing lost, the reason read with the field even after a burst of keys.
    for (;;) {
        bool given = false;
        note = QInputDialog::getText(this, tr("注記"), why.isEmpty() ? asked : why + u'\n' + asked, QLineEdit::Normal,
                                     note, &given);
        if (!given)
            break;
        why = model_->SetNote(row, note);
        if (why.isEmpty())
            break;
        if (!model_->index(row).isValid()) {  // no line to write it on
            ShowMessageBox(this, why, StyleOk);
            break;
        }
    }
    // Back on the line, whatever the window manager does with a closed dialog.
    activateWindow();
    view_->setFocus();
    SayCurrentLine();
}

bool TapeWindow::RunCommand(int id)
{
    switch (id) {
    case IdTapeSave: SaveAs(); break;
    case IdTapeOpen: return OpenFile();
    case IdTapeNew: NewTape(); break;
    case IdTapeExport: OnExport(); break;
    case IdTapePrint: static_cast<void>(Print()); break;
    case IdTapeClear: ClearTape(); break;
    case IdTapeFind: Find(); return true;
    default: break;
    }
    return false;
}

void TapeWindow::KeepingChanged()
{
    QString text = Translated(session_.KeepProblem());
    // Another calculator cleared the kept tape: its lines are gone from the
    // list too, and the window says so until it closes.
    if (const long long clears = session_.ClearedElsewhere(); clears != clearsShown_) {
        clearsShown_ = clears;
        clearedElsewhere_ = true;
        model_->SetHistory(session_.History());
    }
    if (clearedElsewhere_)
        text = tr("ほかのAbacorがテープを消去しました。それより前の行はもうありません。") + u'\n' + text;
    if (session_.ClearPending()) {
        text = tr("テープのファイルはまだ消去できていません。消去できるまで試し続けます。") + u'\n' + text;
    } else if (clearAwaited_) {
        clearAwaited_ = false;
        clearedElsewhere_ = false;
        model_->SetHistory({});
        text = tr("テープのファイルを消去しました。") + u'\n' + text;
    }
    text = text.trimmed();
    // Said where the user is when it changes; read with the list on its way in.
    if (text != keeping_->text() && isActiveWindow())
        keeping_->Say(text);
    else
        keeping_->Show(text);
    view_->setAccessibleDescription(text);
}

}  // namespace abacor
