// At a device pixel ratio of 2 the window is the phone screen of its device
// pixels: what it shows equals a 960 x 1280 screen at 384 dpi, not a 480 x 640
// picture blown up into 2 x 2 blocks.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace abacor {
namespace {

QImage Rendered(const QString& png, const QStringList& arguments, const QString& scale)
{
    QProcess render;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    render.setProcessEnvironment(environment);
    render.start(QStringLiteral(ABACOR_RENDER_TOOL),
                 arguments + QStringList{QStringLiteral("--keys"), QStringLiteral("1 2 3 + 4 5 . 6"),
                                         QStringLiteral("--press"), QStringLiteral("＋"), QStringLiteral("--out"),
                                         png});
    if (!render.waitForFinished(30000) || render.exitCode() != 0)
        return {};
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

TEST(HighDpi, TheWindowDrawsItsDevicePixels)
{
    QTemporaryDir dir;
    const QImage scaled =
        Rendered(dir.filePath(QStringLiteral("scaled.png")),
                 {QStringLiteral("--size"), QStringLiteral("480x640"), QStringLiteral("--dpi"), QStringLiteral("192")},
                 QStringLiteral("2"));
    const QImage device =
        Rendered(dir.filePath(QStringLiteral("device.png")),
                 {QStringLiteral("--size"), QStringLiteral("960x1280"), QStringLiteral("--dpi"), QStringLiteral("384")},
                 QStringLiteral("1"));
    ASSERT_EQ(scaled.size(), QSize(960, 1280));
    ASSERT_EQ(device.size(), QSize(960, 1280));
    // The client area above the soft-key bar, pixel for pixel.
    const QRect client(0, 0, 960, 1280 - 52);
    EXPECT_EQ(scaled.copy(client), device.copy(client));
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < client.height(); y += 2)
        for (int x = 0; x + 1 < client.width(); x += 2) {
            const QRgb p = scaled.pixel(x, y);
            mixedBlocks +=
                scaled.pixel(x + 1, y) != p || scaled.pixel(x, y + 1) != p || scaled.pixel(x + 1, y + 1) != p;
        }
    EXPECT_GT(mixedBlocks, 1000) << "not made of 2 x 2 blocks";
}

}  // namespace
}  // namespace abacor
