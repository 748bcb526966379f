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
    // The client area above the soft-key bar (52 design pixels), pixel for pixel.
    const QRect client(0, 0, 960, 1280 - 2 * 52);
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

// Rows of black ink inside a rectangle: the height of what is written there.
int InkHeight(const QImage& image, const QRect& rect)
{
    int top = -1, bottom = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (qGray(image.pixel(x, y)) < 64) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST(HighDpi, AWindowTwiceTheDesignGrowsItsTextWithItsKeys)
{
    QTemporaryDir dir;
    const QStringList size{QStringLiteral("--size"), QStringLiteral("960x1280"), QStringLiteral("--dpi")};
    const QImage large = Rendered(dir.filePath(QStringLiteral("large.png")), size + QStringList{QStringLiteral("192")},
                                  QStringLiteral("1"));
    const QImage device = Rendered(dir.filePath(QStringLiteral("device.png")),
                                   size + QStringList{QStringLiteral("384")}, QStringLiteral("1"));
    ASSERT_EQ(large.size(), QSize(960, 1280));
    const QRect client(0, 0, 960, 1280 - 2 * 52);
    EXPECT_EQ(large.copy(client), device.copy(client)) << "as the same keys on a screen of twice the resolution";
    // The digits "123456" of the display: twice as tall as in the design's window.
    const QImage design =
        Rendered(dir.filePath(QStringLiteral("design.png")),
                 {QStringLiteral("--size"), QStringLiteral("480x640"), QStringLiteral("--dpi"), QStringLiteral("192")},
                 QStringLiteral("1"));
    const int small = InkHeight(design, QRect(200, 24, 260, 50));
    const int tall = InkHeight(large, QRect(400, 48, 520, 100));
    ASSERT_GT(small, 20);
    EXPECT_NEAR(tall, 2.0 * small, 0.05 * 2 * small) << small << " px at 1x";
}

}  // namespace
}  // namespace abacor
