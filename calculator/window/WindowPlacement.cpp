#include "calculator/window/WindowPlacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace abacor {

namespace {
// Room left for the window's frame and title bar.
constexpr int kFrameAllowance = 48;
constexpr char kOnTop[] = "on-top";

// $XDG_STATE_HOME when absolute, else ~/.local/state; on Windows the user's
// local application data, which is not roamed.
QString StateFolder()
{
#ifdef Q_OS_WIN
    const QString local = qEnvironmentVariable("LOCALAPPDATA");
    return QDir::isAbsolutePath(local) ? QDir::fromNativeSeparators(local) : QString();
#else
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    if (state.startsWith('/'))
        return QFile::decodeName(state);
    const QByteArray home = qgetenv("HOME");
    return home.startsWith('/') ? QFile::decodeName(home) + QStringLiteral("/.local/state") : QString();
#endif
}

// The folder and those above it; the ones made here are the user's alone.
bool MakeFolder(const QString& folder)
{
    if (QDir(folder).exists())
        return true;
    const QString parent = QFileInfo(folder).absolutePath();
    if (parent != folder && !MakeFolder(parent))
        return false;
    return QDir().mkdir(folder) &&
           QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
}  // namespace

QString PlacementFile()
{
    const QString folder = StateFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/Korvel/Abacor/window");
}

QString TapeFile()
{
    const QString folder = StateFolder();
    if (folder.isEmpty())
        return {};
    // A folder that cannot be made is the store's to report, at its open.
    static_cast<void>(MakeFolder(folder + QStringLiteral("/Korvel/Abacor")));
    return folder + QStringLiteral("/Korvel/Abacor/tape.db");
}

std::optional<WindowPlacement> LoadPlacement()
{
    QFile file(PlacementFile());
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    WindowPlacement placement;
    placement.geometry = QByteArray::fromBase64(lines.value(0));
    placement.onTop = lines.value(1).trimmed() == kOnTop;
    placement.tapeGeometry = QByteArray::fromBase64(lines.value(2));
    return placement;
}

bool SavePlacement(const WindowPlacement& placement)
{
    const QString path = PlacementFile();
    if (path.isEmpty() || !MakeFolder(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(placement.geometry.toBase64() + '\n' + (placement.onTop ? QByteArray(kOnTop) : QByteArray()) + '\n' +
               placement.tapeGeometry.toBase64() + '\n');
    return file.commit();
}

QRect TapePlace(const QRect& calculator, const QSize& tape, const QRect& available, int gap)
{
    const QSize size = tape.boundedTo(available.size());
    QPoint at(calculator.right() + 1 + gap, calculator.top());
    if (at.x() + size.width() > available.right() + 1) {
        at.setX(calculator.left() - gap - size.width());
        if (at.x() < available.left())
            at.setX(calculator.right() + 1 - size.width());
    }
    at.setX(std::clamp(at.x(), available.left(), available.right() + 1 - size.width()));
    at.setY(std::clamp(at.y(), available.top(), available.bottom() + 1 - size.height()));
    return {at, size};
}

QSize FittingSize(QSize design, const QRect& available)
{
    if (available.isEmpty())
        return design;
    const double room = std::min(double(available.width()) / design.width(),
                                 double(available.height() - kFrameAllowance) / design.height());
    if (room >= 1.0)
        return design;
    return {std::max(1, int(design.width() * room)), std::max(1, int(design.height() * room))};
}

}  // namespace abacor
