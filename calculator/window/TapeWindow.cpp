#include "calculator/window/TapeWindow.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QSaveFile>
#include <QToolBar>
#include <QVBoxLayout>

#include "calculator/engine/Grouping.h"
#include "calculator/tape/TapeCsv.h"
#include "calculator/window/DialogFolder.h"
#include "calculator/window/TapePrinter.h"
#include "platform/drawing/Color.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/MessageBox.h"

namespace abacor {

namespace {
constexpr char16_t kTapeTitle[] = u"Abacorのテープ";
constexpr char16_t kAskClear[] = u"テープを消去しますか？";
constexpr char16_t kExportFailed[] = u"エクスポートできませんでした。";
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
    case Qt::DisplayRole: return QString::fromStdU16String(line.Text(session_.tape().Segment()));
    case Qt::EditRole: return QString::fromStdU16String(StripGrouping(line.number));
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

Qt::ItemFlags TapeModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    // Only this run's steps of the current segment: earlier runs are read-only.
    if (const TapeLine* line =
            index.isValid() && index.row() >= static_cast<int>(history_.size()) ? LineAt(index.row()) : nullptr;
        line != nullptr && line->step > 0 && line->segment == session_.tape().Segment())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TapeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int step = LineAt(index.row())->step;
    switch (session_.Correct(step, value.toString().trimmed().toStdString())) {
    case CorrectionOutcome::Corrected:
        // The lines are new after the editor has closed, not under it.
        QMetaObject::invokeMethod(this, &TapeModel::Reset, Qt::QueuedConnection);
        return true;
    case CorrectionOutcome::NotANumber:
        emit refused(QStringLiteral("訂正できません。数値は12桁まで、「-」と「.」はひとつまでです。"));
        return false;
    case CorrectionOutcome::NoSuchStep:
        emit refused(QStringLiteral("訂正できません。その番号の行はありません。"));
        return false;
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

void TapeModel::SetHistory(std::vector<TapeLine> history)
{
    history_ = std::move(history);
    Reset();
}

TapeWindow::TapeWindow(CalculatorSession& session, std::vector<TapeLine> history, QWidget* calculator)
    : QWidget(calculator, Qt::Window), session_(session)
{
    setWindowTitle(QString::fromUtf16(kTapeTitle));
    setAttribute(Qt::WA_QuitOnClose, false);
    model_ = new TapeModel(session, std::move(history), this);
    view_ = new QListView(this);
    view_->setModel(model_);
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    view_->setAccessibleName(QString::fromUtf16(kTapeTitle));
    view_->installEventFilter(this);
    // The calculator's display colours.
    QPalette colours = view_->palette();
    colours.setColor(QPalette::Base, QColor::fromRgb(ToPixel(session.settings().StaticBackColor)));
    colours.setColor(QPalette::Text, QColor::fromRgb(ToPixel(session.settings().StaticTextColor)));
    view_->setPalette(colours);

    auto* bar = new QToolBar(this);
    // Each reached by Tab and by Alt with its letter, as a dialog's buttons.
    for (QAction* action : {bar->addAction(tr("エクスポート…(&E)"), this, &TapeWindow::OnExport),
                            bar->addAction(tr("印刷…(&P)"), this, [this] { static_cast<void>(Print()); }),
                            bar->addAction(tr("テープ消去(&D)"), this, &TapeWindow::ClearTape)}) {
        action->setShortcut(QKeySequence::mnemonic(action->text()));
        action->setShortcutContext(Qt::WindowShortcut);
        bar->widgetForAction(action)->setFocusPolicy(Qt::StrongFocus);
    }
    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &TapeWindow::CopySelection);
    view_->addAction(copy);
    auto* close = new QAction(this);
    close->setShortcut(Qt::Key_F3);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    keeping_ = new QLabel(this);
    keeping_->setWordWrap(true);
    layout->addWidget(keeping_);
    layout->addWidget(view_);
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
    // The keyboard starts from the newest line, as the eye does.
    if (const int rows = model_->rowCount(); rows > 0)
        view_->setCurrentIndex(model_->index(rows - 1));
    view_->scrollToBottom();
}

bool TapeWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a step starts its correction, with the number to edit.
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
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

bool TapeWindow::ExportTo(const QString& path)
{
    QSaveFile file(path);
    const std::string csv = TapeCsv(model_->AllLines());
    // A write that fit the file's buffer fails only at the flush: checked
    // before the commit, so that the old file stays when the disk is full.
    if (file.open(QIODevice::WriteOnly) &&
        file.write(csv.data(), static_cast<qint64>(csv.size())) == qint64(csv.size()) && file.flush() &&
        file.error() == QFileDevice::NoError && file.commit())
        return true;
    ShowMessageBox(this, QString::fromUtf16(kExportFailed) + u'\n' + file.errorString(), StyleOk);
    return false;
}

void TapeWindow::OnExport()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("エクスポート"),
                                                      QDir(DialogFolder()).filePath(QStringLiteral("tape.csv")),
                                                      QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty() && ExportTo(path))
        RememberDialogFolder(QFileInfo(path).absolutePath());
}

bool TapeWindow::Print(const QString& pdfPath)
{
    QString error;
    if (PrintTape(this, model_->AllLines(), session_.tape().Segment(), pdfPath, &error) != PrintOutcome::Failed)
        return true;
    ShowMessageBox(this, QStringLiteral("印刷できませんでした。\n") + error, StyleOk);
    return false;
}

void TapeWindow::ClearTape()
{
    if (ShowMessageBox(this, QString::fromUtf16(kAskClear), StyleYesNo | StyleSecondDefault) != AnswerYes)
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

void TapeWindow::KeepingChanged()
{
    QString text = QString::fromStdU16String(session_.KeepProblem());
    if (session_.ClearPending()) {
        text = tr("テープのファイルはまだ消去できていません。消去できるまで試し続けます。") + u'\n' + text;
    } else if (clearAwaited_) {
        clearAwaited_ = false;
        model_->SetHistory({});
        text = tr("テープのファイルを消去しました。") + u'\n' + text;
    }
    keeping_->setText(text.trimmed());
    keeping_->setVisible(!keeping_->text().isEmpty());
}

}  // namespace abacor
