#pragma once

#include <QImage>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "calculator/core/CalculatorState.h"
#include "calculator/display/DisplayResources.h"
#include "calculator/display/KeyFaceStrip.h"
#include "calculator/display/PressFeedback.h"
#include "calculator/display/WindowLayout.h"
#include "calculator/display/WindowPainter.h"
#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/RoundCorners.h"
#include "platform/screen/ScreenMetrics.h"
#include "settings/CalculatorSettings.h"

class QPainter;
class QWidget;

namespace abacor {

class SoftKeyBar;

// The calculator's picture: the layout for the window's size and pixel
// ratio, the drawing resources, and the framebuffer into which the dirty
// regions are painted, in device pixels (the phone's), copied to the widget
// 1:1. Press feedback inverts keys in the framebuffer.
class WindowCanvas {
public:
    using Texts = std::function<DisplayTexts()>;

    // settings: read at every layout and paint; texts: what the display shows now.
    WindowCanvas(QWidget& widget, const CalculatorSettings& settings, const ScreenMetrics& screen, Texts texts);

    // The soft-key bar at the bottom: sized with the resources, below the client area.
    void AttachBar(SoftKeyBar* bar);
    const ScreenMetrics& screen() const { return screen_; }
    // The phone's screen is the window: a new one to lay out for.
    void SetScreen(const ScreenMetrics& screen) { screen_ = screen; }
    // Whether the widget's size or ratio differs from the last layout's.
    bool LaidOutFor(int width, int height) const;
    // The client area: the window without the soft-key bar, in device pixels.
    Rect ClientRect() const;
    // Device pixels to the smallest logical rectangle that holds them.
    QRect Logical(const Rect& rect) const;
    double ratio() const { return ratio_; }

    // Follows a new device pixel ratio: fonts and sizes are made anew; true
    // when it changed.
    bool FollowPixelRatio();
    void Layout();
    const WindowLayout& layout() const { return layout_; }
    const DisplayResources& resources() const { return resources_; }

    void Invalidate(DisplayRegion region);
    // The captions' row: the switches' positions or a refusal's reason changed.
    void InvalidateStatus() { InvalidateRect(layout_.statusRect, false); }
    void InvalidateRect(const Rect& rect, bool erase);
    void InvalidateAll() { InvalidateRect(ClientRect(), true); }
    // The framebuffer, with every pending region painted.
    const QImage& Framebuffer();
    // The logical rectangle of the widget from the framebuffer.
    void PaintOn(QPainter& painter, const QRect& logical);

    // Press feedback (PressFeedback::Mode) on a key; a release restores
    // the key held down, if any.
    void Press(int mode, KeyId key);
    void ReleaseHeldKey();
    // A tap beside every key: nothing is held.
    void Forget() { feedback_.Forget(); }
    const Rect& PressedKeyRect() const { return feedback_.PressedKeyRect(); }
    // The display flashes once, as a key does: something was refused.
    void FlashDisplay();

private:
    ScreenMetrics DeviceScreen() const;
    // Device pixels per pixel of the design (DisplayResources::scale).
    double Scale() const;
    void SizeBar();
    void PaintDirty();
    // A flashed key or display back as it was; show: at once, else in the
    // next paint (one is under way).
    void EndFlashes(bool show);
    void EndFlashesLater();

    QWidget& widget_;
    const CalculatorSettings& settings_;
    Texts texts_;
    ScreenMetrics screen_;
    double ratio_ = 1.0;  // device pixels per logical pixel
    SoftKeyBar* bar_ = nullptr;
    DisplayResources resources_;
    RoundCorners corners_;
    WindowLayout layout_;
    Rect laidOutClient_;
    std::optional<KeyFaceStrip> faces_;
    std::unique_ptr<DrawSurface> framebuffer_;
    std::vector<Rect> dirty_;
    bool eraseAll_ = true;
    int previousRowHeight_ = -1;
    PressFeedback feedback_;
    Rect displayFlash_;  // the display inverted for a moment
    unsigned flashSerial_ = 0;
};

}  // namespace abacor
