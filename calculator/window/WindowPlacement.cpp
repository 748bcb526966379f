#include "calculator/window/WindowPlacement.h"

#include <QList>

#include <algorithm>

#include "platform/store/StateFile.h"

namespace abacor {

namespace {
// Room left for the window's frame and title bar.
constexpr int kFrameAllowance = 48;
constexpr char kOnTop[] = "on-top";
// Three lines of base64: anything longer is not ours.
constexpr std::size_t kMaxPlacementFile = 64 * 1024;

// A size that fits, moved as little as it takes to lie wholly on the area.
QRect Within(QPoint at, QSize size, const QRect& available)
{
    return {QPoint(std::clamp(at.x(), available.left(), available.right() + 1 - size.width()),
                   std::clamp(at.y(), available.top(), available.bottom() + 1 - size.height())),
            size};
}

std::filesystem::path PlacementFile()
{
    const std::filesystem::path folder = StateFolder();
    return folder.empty() ? folder : folder / "window";
}
}  // namespace

std::filesystem::path TapeFile()
{
    const std::filesystem::path folder = StateFolder();
    return folder.empty() ? folder : folder / "tape.db";
}

std::optional<WindowPlacement> LoadPlacement()
{
    const std::filesystem::path path = PlacementFile();
    const std::optional<std::string> text = path.empty() ? std::nullopt : ReadStateFile(path, kMaxPlacementFile);
    if (!text)
        return std::nullopt;
    const QList<QByteArray> lines = QByteArray::fromStdString(*text).split('\n');
    WindowPlacement placement;
    placement.geometry = QByteArray::fromBase64(lines.value(0));
    placement.onTop = lines.value(1).trimmed() == kOnTop;
    placement.tapeGeometry = QByteArray::fromBase64(lines.value(2));
    return placement;
}

bool SavePlacement(const WindowPlacement& placement)
{
    const std::filesystem::path path = PlacementFile();
    return !path.empty() && WriteStateFile(path, (placement.geometry.toBase64() + '\n' +
                                                  (placement.onTop ? QByteArray(kOnTop) : QByteArray()) + '\n' +
                                                  placement.tapeGeometry.toBase64() + '\n')
                                                     .toStdString());
}

QRect OnScreen(const QRect& window, const QRect& available)
{
    if (available.isEmpty())
        return window;
    return Within(window.topLeft(),
                  window.size().boundedTo(QSize(available.width(), std::max(1, available.height() - kFrameAllowance))),
                  available);
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
    return Within(at, size, available);
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
