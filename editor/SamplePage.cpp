#include "editor/SamplePage.h"

#include <QPainter>

namespace abacor {

SamplePage::SamplePage(const DialogTemplate& dialog, SettingsRecord& record, const ScreenMetrics& screen)
    : SettingsPage(dialog, record, screen)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    CreatePreviewFonts();
    SampleDisplay()->setAutoFillBackground(true);
    // Smooth fonts change the sample's fonts, not only its colours.
    connect(&record_, &SettingsRecord::changed, this, [this](SettingField field) {
        if (field != &CalculatorSettings::ClearTypeFlg || !IsInitialised())
            return;
        CreatePreviewFonts();
        ApplyDisplayFont();
        update();
    });
}

int SamplePage::EditorDivisor() const { return abacor::EditorDivisor(screen_); }

QLabel* SamplePage::SampleDisplay() const { return controls_->Label(IdcSampleDisplay); }

void SamplePage::CreatePreviewFonts()
{
    fontsScreen_ = screen_;
    fonts_ = abacor::CreatePreviewFonts(fontsScreen_, record_.settings());
}

void SamplePage::ApplyDisplayFont() { SampleDisplay()->setFont(fonts_.large); }

void SamplePage::LayoutPreview()
{
    const ScreenMetrics& screen = screen_;
    if (ClassifyScreen(screen).k != ClassifyScreen(fontsScreen_).k) {
        CreatePreviewFonts();
        ApplyDisplayFont();
    }
    layout_ = abacor::LayoutPreview(screen, ComputePreviewFontHeights(screen));
    const Rect& d = layout_.display;
    SampleDisplay()->setGeometry(d.left, d.top, d.Width(), d.Height());
    update();
}

void SamplePage::ApplyDisplayColours()
{
    const CalculatorSettings& settings = record_.settings();
    QLabel* display = SampleDisplay();
    QPalette colours = display->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(ToPixel(settings.StaticTextColor)));
    colours.setColor(QPalette::Window, QColor::fromRgb(ToPixel(settings.StaticBackColor)));
    if (colours != display->palette())
        display->setPalette(colours);
    const QString text = SampleDisplayText(settings);
    if (display->text() != text)
        display->setText(text);
}

void SamplePage::paintEvent(QPaintEvent*)
{
    ApplyDisplayColours();
    DrawSurface surface(width(), height());
    surface.FillRect({0, 0, width(), height()}, FromPixel(palette().color(QPalette::Window).rgb()));
    DrawPreview(surface, layout_, fonts_, record_.settings());
    QPainter painter(this);
    painter.drawImage(0, 0, surface.Image());
}

std::vector<PaintedPart> SamplePage::AccessibleParts() const
{
    const Rect& sample = layout_.background;
    return {{QAccessible::Graphic,
             tr("見本"),
             sampleDescription_,
             {},
             QRect(sample.left, sample.top, sample.Width(), sample.Height()),
             {}}};
}

QImage SamplePage::Render()
{
    ApplyDisplayColours();
    return grab().toImage();
}

}  // namespace abacor
