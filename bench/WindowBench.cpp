// Speed of the calculator window: a tap's whole path, full paints, layouts.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTranslator>

#include "calculator/core/CommandTable.h"
#include "calculator/display/KeyFaceStrip.h"
#include "calculator/display/WindowPainter.h"
#include "calculator/window/CalculatorWindow.h"
#include "platform/drawing/RoundCorners.h"
#include "platform/shell/UiLanguage.h"

namespace {

using namespace abacor;

// The key styles: square, rounded, gradation, both.
CalculatorSettings KeyStyle(std::int64_t style)
{
    CalculatorSettings settings = DefaultSettings();
    settings.RoundButtonFlg = (style & 1) != 0;
    settings.GradationFlg = (style & 2) != 0;
    return settings;
}

const char* KeyStyleName(std::int64_t style)
{
    static const char* const names[] = {"square", "rounded", "gradation", "gradation, rounded"};
    return names[style & 3];
}

// A tap on "７" and one on "CE", each: hit test, operation, press inversion,
// the dirty region painted into the framebuffer, release.
void BM_TapDigitKey(benchmark::State& state)
{
    CalculatorWindow dialog(KeyStyle(state.range(0)), {480, 640, 192});
    dialog.Framebuffer();
    const Rect seven = dialog.layout().KeyRect(KeyId::Digit7);
    const Rect clear = dialog.layout().KeyRect(KeyId::ClearEntry);
    bool digit = true;
    for (auto _ : state) {
        const Rect& key = digit ? seven : clear;
        const QPointF at(key.left + 10, key.top + 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, dialog.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &press);
        benchmark::DoNotOptimize(dialog.Framebuffer().constBits());
        QMouseEvent release(QEvent::MouseButtonRelease, at, dialog.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &release);
        digit = !digit;
    }
    state.SetLabel(KeyStyleName(state.range(0)));
}
BENCHMARK(BM_TapDigitKey)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

struct Window {
    Window(ScreenMetrics screen, CalculatorSettings s)
        : settings(s), resources(CreateDisplayResources(screen, settings)),
          corners(KeyCorners(settings)), client{0, 0, screen.width, screen.height - 52 / resources.screenClass.k},
          layout(LayoutWindow(screen, client, resources, settings))
    {
    }
    CalculatorSettings settings;
    DisplayResources resources;
    RoundCorners corners;
    Rect client;
    WindowLayout layout;
};

void BM_PaintWindowFull(benchmark::State& state)
{
    const ScreenMetrics screen{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                               static_cast<int>(state.range(2))};
    const Window window(screen, KeyStyle(state.range(3)));
    const KeyFaceStrip faces(window.layout, window.settings, window.corners);
    const KeyFaces keyFaces = KeyFacesFor(window.settings);
    DrawSurface surface(window.client.Width(), window.client.Height());
    const DisplayTexts texts{QStringLiteral("1,234,567.89"), QStringLiteral("1,234,567.89"), QStringLiteral("0"),
                             QStringLiteral("×"), QString()};
    for (auto _ : state) {
        PaintWindow(surface, {window.layout, window.resources, window.settings, faces, keyFaces}, texts, window.client,
                    true);
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
    state.SetLabel(KeyStyleName(state.range(3)));
}
BENCHMARK(BM_PaintWindowFull)
    ->Args({480, 640, 192, 0})
    ->Args({480, 640, 192, 1})
    ->Args({480, 640, 192, 2})
    ->Args({480, 640, 192, 3})
    ->Args({240, 320, 96, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_LayoutWindowAndKeyFaces(benchmark::State& state)
{
    CalculatorSettings settings = DefaultSettings();
    settings.GradationFlg = settings.RoundButtonFlg = static_cast<std::uint32_t>(state.range(0));
    const Window window({480, 640, 192}, settings);
    for (auto _ : state) {
        const WindowLayout layout = LayoutWindow({480, 640, 192}, window.client, window.resources, settings);
        const KeyFaceStrip faces(layout, settings, window.corners);
        benchmark::DoNotOptimize(faces.Surface().Image().constBits());
    }
    state.SetLabel(state.range(0) ? "gradation, round" : "plain");
}
BENCHMARK(BM_LayoutWindowAndKeyFaces)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What the language adds to the start: loading the program's and Qt's
// translations (English from the resources, Japanese Qt's from its folder),
// and the first window in that language.
void BM_InstallTranslations(benchmark::State& state)
{
    const UiLanguage language = state.range(0) == 0 ? u"ja"_qs : u"en"_qs;
    for (auto _ : state) {
        InstallTranslations(language);
        state.PauseTiming();
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>())
            delete translator;
        state.ResumeTiming();
    }
    state.SetLabel(language.toStdString());
}
BENCHMARK(BM_InstallTranslations)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
