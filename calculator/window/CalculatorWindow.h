#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "calculator/core/Calculator.h"
#include "calculator/display/DisplayResources.h"
#include "calculator/display/KeyFaceStrip.h"
#include "calculator/display/PressFeedback.h"
#include "calculator/display/SpokenChange.h"
#include "calculator/display/WindowLayout.h"
#include "calculator/display/WindowPainter.h"
#include "calculator/tape/TapeSession.h"
#include "calculator/tape/TapeStore.h"
#include "calculator/window/KeyInput.h"
#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/RoundCorners.h"
#include "platform/screen/ScreenMetrics.h"
#include "platform/shell/PaintedParts.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

class PopupMenu;
class SoftKeyBar;
class TapeWindow;

// The calculator's one window, "Abacor": owns the calculator, the settings it
// was started with, the layout and drawing resources, and a framebuffer into
// which it paints the dirty regions. Its content area plays the phone screen;
// the soft-key bar takes the bottom strip and the rest is the client area.
class CalculatorWindow : public QWidget, public PaintedPartsSource, private RepaintSink {
    Q_OBJECT
public:
    // The settings are loaded by the caller (LoadSettings) or given by a tool.
    CalculatorWindow(const CalculatorSettings& settings, const ScreenMetrics& screen, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    Calculator& calculator() { return calculator_; }
    // The tape of this run: every command goes through it.
    TapeSession& tape() { return *tape_; }
    // F3 and "テープ": the tape window opened, or closed when it is open.
    void ToggleTape();
    TapeWindow* tapeWindow() const;
    // The tape kept across runs: opened after the first frame; what is
    // pending written now (the writer's thread ends with the window).
    void OpenTapeStore(const QString& path);
    // Runs once, after the first frame has been painted.
    void AfterFirstFrame(std::function<void()> run) { afterFirstFrame_ = std::move(run); }
    void WriteTapeNow();
    CalculatorSettings& settings() { return settings_; }
    const WindowLayout& layout() const { return layout_; }
    const DisplayResources& resources() const { return resources_; }
    const Rect& pressedKeyRect() const { return feedback_.PressedKeyRect(); }
    // The wait of a keyboard key's 20 ms flash.
    void SetFlashPause(PressFeedback::Pause pause) { feedback_.SetPause(std::move(pause)); }
    SoftKeyBar* softKeyBar() const { return bar_; }
    PopupMenu* clearMenu() const;

    // The framebuffer, with every pending region painted.
    const QImage& Framebuffer();
    // The client area: the window without the soft-key bar, in device pixels.
    Rect ClientRect() const;
    // Turns the phone: a new screen size (and the window's), then a new layout.
    void SetScreen(const ScreenMetrics& screen);

    // The seams the tools and tests drive: a hardware key by its virtual-key
    // code, a tap in device pixels and its release, a menu command.
    void OnKeyDown(std::uint32_t code, QStringView text = {});
    void PressAt(int x, int y);
    void ReleasePress();
    void OnCommand(int id);
    void OnActivate(bool active);
    void OnSettingChange();
    void PressFeedbackOn(int mode, KeyId key);
    // "常に手前に表示": above other windows, where the platform allows it.
    bool StaysOnTop() const;
    void SetStayOnTop(bool onTop);
    static bool StayOnTopPossible();
    // The display boxes as texts, then every placed key as a button.
    std::vector<PaintedPart> AccessibleParts() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The display's menu: copy, copy the number only, paste.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The screen in the window's device pixels, which are the phone's:
    // layout, fonts and framebuffer work in these.
    ScreenMetrics DeviceScreen() const;
    // Device pixels per pixel of the design (DisplayResources::scale).
    double Scale() const;
    void SizeBar();
    void OnKeyUp(std::uint32_t code);
    void OnInitMenuPopup();
    void OnOK();
    void OnCopyToClipboard();
    // Ctrl+Shift+C: the number without grouping.
    void OnCopyNumber();
    // Ctrl+V: a number from the clipboard, as PasteNumber takes it; a
    // refused one flashes the display.
    void OnPaste();
    void OnVersion();
    void OnExit();
    // A key pressed by assistive technology: as a tap, the key shown pressed
    // for a moment.
    void PressFromAssistive(KeyId key);
    // A command through the tape; the check's annunciator repainted when it changed.
    CommandOutcome Run(const Command& command);
    // After the tape changed: the tape window follows, a write is due.
    void FollowTape();
    // The key shown pressed, if any, as it was.
    void ReleaseHeldKey();
    void Invalidate(DisplayRegion region) override;
    void InvalidateRect(const Rect& rect, bool erase);
    // Device pixels to the smallest logical rectangle that holds them.
    QRect Logical(const Rect& rect) const;
    // Follows a new device pixel ratio: fonts and sizes are made anew.
    void FollowPixelRatio();
    void Initialise();
    void LayoutWindow();
    void PaintDirty();
    void ShowClearMenu();
    DisplayTexts Texts() const;
    // Tells assistive technology of every shown text that changed, and has
    // the screen reader say what a user needs to hear of it.
    void AnnounceTexts();
    void Speak(const DisplaySpeech& speech);

    CalculatorSettings settings_;
    ScreenMetrics screen_;
    double ratio_ = 1.0;  // device pixels per logical pixel
    Calculator calculator_;
    std::optional<TapeSession> tape_;
    KeyInput keyInput_;
    DisplayResources resources_;
    std::optional<RoundCorners> corners_;
    WindowLayout layout_;
    Rect laidOutClient_;
    std::optional<KeyFaceStrip> faces_;
    std::unique_ptr<DrawSurface> framebuffer_;
    std::vector<Rect> dirty_;
    bool eraseAll_ = true;
    int previousRowHeight_ = -1;
    PressFeedback feedback_;
    SoftKeyBar* bar_ = nullptr;
    QPointer<PopupMenu> clearMenu_;
    QPointer<TapeWindow> tapeWindow_;
    std::unique_ptr<TapeWriter> tapeWriter_;
    QString tapeProblem_;
    std::function<void()> afterFirstFrame_;
    QTimer* tapeWrite_ = nullptr;  // lines go to the disk in batches
    DisplayTexts announced_;
    DisplaySpeech speech_;
    bool announcePending_ = false;
};

}  // namespace abacor
