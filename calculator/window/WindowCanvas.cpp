#include "calculator/window/WindowCanvas.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "calculator/core/CommandTable.h"
#include "look/CalculatorLook.h"
#include "platform/shell/PaintedParts.h"
#include "platform/shell/SoftKeyBar.h"

namespace abacor {

namespace {

// The phone's screen the design was drawn for, in logical pixels.
constexpr double kDesignLonger = 640.0;
constexpr double kDesignShorter = 480.0;

// Logical and device pixels of the window, never negative here; rounded
// without the C library, which a start would otherwise page in for this.
int Nearest(double pixels) { return static_cast<int>(pixels + 0.5); }
int Down(double pixels) { return static_cast<int>(pixels); }
int Up(double pixels)
{
    const int down = static_cast<int>(pixels);
    return down < pixels ? down + 1 : down;
}

}  // namespace

WindowCanvas::WindowCanvas(QWidget& widget, const CalculatorSettings& settings, const ScreenMetrics& screen,
                           Texts texts)
    : widget_(widget), settings_(settings), texts_(std::move(texts)), screen_(screen),
      ratio_(widget.devicePixelRatioF()), resources_(CreateDisplayResources(DeviceScreen(), settings_, Scale())),
      corners_(KeyCorners(settings_)), feedback_([this](const Rect& r) { widget_.repaint(Logical(r)); })
{
}

void WindowCanvas::AttachBar(SoftKeyBar* bar)
{
    bar_ = bar;
    SizeBar();
}

bool WindowCanvas::LaidOutFor(int width, int height) const
{
    return screen_.width == width && screen_.height == height && laidOutClient_ == ClientRect();
}

ScreenMetrics WindowCanvas::DeviceScreen() const
{
    const auto device = [this](int logical) { return Nearest(logical * ratio_); };
    return {device(screen_.width), device(screen_.height), device(screen_.dpiY)};
}

double WindowCanvas::Scale() const
{
    // A window larger than the design both ways grows its text with its keys.
    const double longer = std::max(screen_.width, screen_.height);
    const double shorter = std::min(screen_.width, screen_.height);
    return ratio_ * std::max(1.0, std::min(longer / kDesignLonger, shorter / kDesignShorter));
}

void WindowCanvas::SizeBar()
{
    // Logical pixels: Qt draws the bar at the device pixel ratio itself.
    if (bar_ != nullptr)
        bar_->SetBarHeight(Nearest(SoftKeyBar::kHeight / resources_.screenClass.k * Scale() / ratio_));
}

Rect WindowCanvas::ClientRect() const
{
    const auto device = [this](int logical) { return Nearest(logical * ratio_); };
    const int barHeight = bar_ != nullptr ? device(bar_->height()) : 0;
    return {0, 0, device(widget_.width()), std::max(device(widget_.height()) - barHeight, 0)};
}

QRect WindowCanvas::Logical(const Rect& rect) const
{
    const int left = Down(std::max(rect.left, 0) / ratio_);
    const int top = Down(std::max(rect.top, 0) / ratio_);
    const int right = Up(std::max(rect.right, 0) / ratio_);
    const int bottom = Up(std::max(rect.bottom, 0) / ratio_);
    return {left, top, right - left, bottom - top};
}

bool WindowCanvas::FollowPixelRatio()
{
    const double ratio = widget_.devicePixelRatioF();
    if (ratio == ratio_)
        return false;
    ratio_ = ratio;
    resources_ = CreateDisplayResources(DeviceScreen(), settings_, Scale());
    SizeBar();
    return true;
}

void WindowCanvas::Layout()
{
    // A key held down or flashed through a new layout would be inverted back
    // at the old place later; restore it now, while the picture still matches.
    ReleaseHeldKey();
    EndFlashes(false);

    Rect client = ClientRect();
    laidOutClient_ = client;
    const ScreenMetrics device = DeviceScreen();
    // The picture is a function of the size alone: a new scale or a new
    // screen class (a window shrunk below the phone's 480 pixels) makes the
    // resources anew, whatever size came before.
    const ScreenClass screenClass = ClassifyScreen(device);
    if (Scale() != resources_.scale || screenClass.k != resources_.screenClass.k ||
        screenClass.S != resources_.screenClass.S) {
        resources_ = CreateDisplayResources(device, settings_, Scale());
        SizeBar();
        client = ClientRect();
        laidOutClient_ = client;
    }
    layout_ = LayoutWindow(device, client, resources_, settings_);
    faces_.emplace(layout_, settings_, corners_);

    // The framebuffer itself is made by the next paint, so that a run of
    // layouts (a window being dragged larger) allocates once.
    const bool resized = !framebuffer_ || framebuffer_->Width() != std::max(client.Width(), 1) ||
                         framebuffer_->Height() != std::max(client.Height(), 1);
    if (resized)
        framebuffer_.reset();
    if (resized || layout_.rowHeight != previousRowHeight_)
        InvalidateRect(client, true);
    previousRowHeight_ = layout_.rowHeight;
    NotifyPartsChanged(&widget_);
}

void WindowCanvas::Invalidate(DisplayRegion region)
{
    switch (region) {
    case DisplayRegion::DisplayBox: InvalidateRect(layout_.displayBox, false); break;
    case DisplayRegion::ResultBox: InvalidateRect(layout_.resultBox, false); break;
    case DisplayRegion::MemoryBox: InvalidateRect(layout_.memoryBox, false); break;
    case DisplayRegion::OperatorRect: InvalidateRect(layout_.operatorRect, false); break;
    }
}

void WindowCanvas::InvalidateRect(const Rect& rect, bool erase)
{
    if (erase) {
        dirty_.assign(1, ClientRect());
        eraseAll_ = true;
        widget_.update();
        return;
    }
    // The same box asked again and again (a file keyed again asks for it on
    // every key) is painted once.
    if (!eraseAll_ && std::find(dirty_.begin(), dirty_.end(), rect) == dirty_.end())
        dirty_.push_back(rect);
    // The box frames reach one pixel beyond their rectangles.
    widget_.update(Logical({rect.left - 1, rect.top - 1, rect.right + 1, rect.bottom + 1}));
}

void WindowCanvas::PaintDirty()
{
    if (!framebuffer_) {
        const Rect client = ClientRect();
        framebuffer_ = std::make_unique<DrawSurface>(client.Width(), client.Height());
        InvalidateRect(client, true);
    }
    if (dirty_.empty() || !faces_)
        return;
    // What is painted anew is painted as it is, not inverted.
    EndFlashes(false);
    const KeyFaces keyFaces = KeyFacesFor(settings_);
    const PaintContext context{layout_, resources_, settings_, *faces_, keyFaces};
    const DisplayTexts texts = texts_();
    for (const Rect& rect : dirty_)
        PaintWindow(*framebuffer_, context, texts, rect, eraseAll_);
    dirty_.clear();
    eraseAll_ = false;
}

const QImage& WindowCanvas::Framebuffer()
{
    PaintDirty();
    return framebuffer_->Image();
}

void WindowCanvas::PaintOn(QPainter& painter, const QRect& logical)
{
    PaintDirty();
    // The framebuffer is in device pixels: copied 1:1, never scaled.
    const QRect device(Down(std::max(logical.left(), 0) * ratio_), Down(std::max(logical.top(), 0) * ratio_),
                       Up(logical.width() * ratio_) + 1, Up(logical.height() * ratio_) + 1);
    const QRect area = device.intersected(QRect(0, 0, framebuffer_->Width(), framebuffer_->Height()));
    painter.drawImage(QRectF(area.left() / ratio_, area.top() / ratio_, area.width() / ratio_, area.height() / ratio_),
                      framebuffer_->Image(), area);
}

void WindowCanvas::Press(int mode, KeyId key)
{
    PaintDirty();
    feedback_.Apply(mode, layout_.KeyRect(key), *framebuffer_, corners_);
    if (mode == PressFeedback::Flash)
        EndFlashesLater();
}

void WindowCanvas::ReleaseHeldKey()
{
    if (framebuffer_)
        feedback_.Apply(PressFeedback::Release, {}, *framebuffer_, corners_);
}

void WindowCanvas::FlashDisplay()
{
    PaintDirty();
    EndFlashes(true);
    displayFlash_ = layout_.displayBox;
    framebuffer_->InvertRect(displayFlash_);
    widget_.repaint(Logical(displayFlash_));
    EndFlashesLater();
}

void WindowCanvas::EndFlashesLater()
{
    // The moment a flash shows passes on a timer: the window keeps taking keys.
    // Only the latest flash's timer ends it: an earlier one would cut it short.
    QTimer::singleShot(PressFeedback::kFlashMilliseconds, &widget_, [this, serial = ++flashSerial_] {
        if (serial == flashSerial_)
            EndFlashes(true);
    });
}

void WindowCanvas::EndFlashes(bool show)
{
    if (!framebuffer_) {
        displayFlash_ = Rect{};
        return;
    }
    const Rect key = feedback_.EndFlash(*framebuffer_, corners_, show);
    if (!show && !key.IsNull())
        widget_.update(Logical(key));
    if (const Rect box = std::exchange(displayFlash_, Rect{}); !box.IsNull()) {
        framebuffer_->InvertRect(box);
        if (show)
            widget_.repaint(Logical(box));
        else
            widget_.update(Logical(box));
    }
}

}  // namespace abacor
