// The floor for start-up and memory: a bare Qt Widgets window of the
// calculator's size painting a few rectangles and a line of text.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {
class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xC8, 0xC8, 0xC8));
        painter.fillRect(17, 15, 446, 61, Qt::white);
        painter.drawRect(17, 15, 446, 61);
        painter.fillRect(16, 134, 147, 61, QColor(0xE1, 0xE1, 0xE1));
        painter.drawText(QRect(17, 15, 440, 61), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    }
};
}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(480, 640);
    window.show();
    return application.exec();
}
