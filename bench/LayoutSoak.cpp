// 10,000 layouts of one calculator window with random sizes (1 x 1, no client
// height, 4000 x 4000 among them), turns and settings, painted each time;
// prints the process's RSS after the first hundred and at the end.
#include <QApplication>
#include <QKeyEvent>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "calculator/window/CalculatorWindow.h"

namespace {

long RssKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = -1;
    while (status >> key) {
        if (key == "VmRSS:" && status >> value)
            return value;
        status.ignore(4096, '\n');
    }
    return value;
}

abacor::ScreenMetrics RandomScreen(std::mt19937& random)
{
    switch (random() % 100) {
    case 0: return {1, 1, 192};
    case 1: return {480, static_cast<int>(random() % 60), 192};
    case 2: return {4000, 4000, 96};
    default:
        return {static_cast<int>(random() % 1200 + 1), static_cast<int>(random() % 1200 + 1),
                static_cast<int>(random() % 300 + 40)};
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::mt19937 random(99);
    const int total = argc > 1 ? std::atoi(argv[1]) : 10000;
    const bool progress = argc > 2;
    long afterHundred = 0;
    long afterThousand = 0;
    int layouts = 0;
    while (layouts < total) {
        abacor::CalculatorSettings settings = abacor::DefaultSettings();
        settings.RoundButtonFlg = random() % 2;
        settings.GradationFlg = random() % 2;
        settings.NumKeyRevFlg = random() % 2;
        settings.AddButton1Type = random() % 8;
        settings.AddButton3Type = random() % 8;
        abacor::CalculatorWindow dialog(settings, RandomScreen(random));
        for (int i = 0; i < 500 && layouts < total; ++i, ++layouts) {
            dialog.SetScreen(RandomScreen(random));
            const int digit = 1 + static_cast<int>(random() % 9);
            QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + digit, Qt::NoModifier, QString::number(digit));
            QCoreApplication::sendEvent(&dialog, &key);
            dialog.Framebuffer();
            if (layouts == 99)
                afterHundred = RssKb();
            if (layouts == 999)
                afterThousand = RssKb();
            if (progress && (layouts + 1) % 1000 == 0)
                std::printf("%6d layouts: %.1f MiB\n", layouts + 1, RssKb() / 1024.0);
        }
    }
    std::printf("layouts: %d\nRSS after 100: %.1f MiB, after 1,000: %.1f MiB, after %d: %.1f MiB\n", layouts,
                afterHundred / 1024.0, afterThousand / 1024.0, layouts, RssKb() / 1024.0);
    return 0;
}
