#pragma once

#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "calculator/tape/CalculatorSession.h"
#include "calculator/window/DisplayAnnouncer.h"
#include "calculator/window/KeyInput.h"
#include "calculator/window/WindowCanvas.h"
#include "platform/screen/ScreenMetrics.h"
#include "platform/shell/PaintedParts.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

class PopupMenu;
class SoftKeyBar;
class TapeDock;
class TapeWindow;
class WindowMenus;

// The calculator's one window, "Abacor": the session's face. It reads taps
// and keys into commands for its session, paints what the session shows
// (WindowCanvas), and offers the menus, dialogs and the tape window. Its
// content area plays the phone screen; the soft-key bar takes the bottom
// strip and the rest is the client area.
class CalculatorWindow : public QWidget, public PaintedPartsSource, private RepaintSink {
    Q_OBJECT
public:
    // The settings are loaded by the caller (LoadSettings) or given by a tool.
    CalculatorWindow(const CalculatorSettings& settings, const ScreenMetrics& screen, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    CalculatorSession& session() { return session_; }
    const CalculatorSettings& settings() const { return session_.settings(); }
    // The tape kept across runs, opened now, or on a thread of its own
    // (the kept state comes back when it is open).
    void OpenTapeStore(const std::filesystem::path& path);
    void OpenTapeStoreInBackground(const std::filesystem::path& path);
    // Before the first frame: a kept state is on its way, so what it
    // would change is not shown until it comes.
    void AwaitTapeStore()
    {
        session_.AwaitKeeper();
        keptStateAwaited_ = !session_.KeptStateKnown();
    }
    // The settings record is the program's: a switch changed here is saved
    // to it, and a change saved by AbacorSet is followed at once.
    void FollowStore();
    // The record read again; what changed applies from the next key.
    void ReadRecord();
    // Runs once, after the first frame has been painted.
    void AfterFirstFrame(std::function<void()> run) { afterFirstFrame_ = std::move(run); }
    // F3 and "テープ": the tape window opened, or closed when it is open.
    void ToggleTape();
    TapeWindow* tapeWindow() const;

    const WindowLayout& layout() const { return canvas_.layout(); }
    const DisplayResources& resources() const { return canvas_.resources(); }
    const Rect& pressedKeyRect() const { return canvas_.PressedKeyRect(); }
    // The wait of a keyboard key's 20 ms flash.
    SoftKeyBar* softKeyBar() const;
    PopupMenu* clearMenu() const;
    // The framebuffer, with every pending region painted.
    const QImage& Framebuffer() { return canvas_.Framebuffer(); }
    // The client area: the window without the soft-key bar, in device pixels.
    Rect ClientRect() const { return canvas_.ClientRect(); }
    // Turns the phone: a new screen size (and the window's), then a new layout.
    void SetScreen(const ScreenMetrics& screen);
    // A key shown pressed, as a picture of it shows it.
    void ShowPressed(KeyId key);

    // A menu's command, by its id.
    void OnCommand(int id);
    // "常に手前に表示": above other windows, where the platform allows it.
    bool StaysOnTop() const;
    void SetStayOnTop(bool onTop);
    // Where the tape window was, and where it opens (QWidget::saveGeometry).
    QByteArray TapeGeometry() const;
    void SetTapeGeometry(const QByteArray& geometry);
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
    // A key of the window, however pressed, shown as the way it was pressed.
    void Press(KeyId key, int feedback);
    void Press(const Command& command, int feedback);
    // A command through the session; the tape window follows.
    CommandOutcome Run(const Command& command);
    // What a key did that the display does not show (非加算's number, the
    // first rate back) is said; shown: the display before the key.
    void SayWhatTheDisplayDoesNot(const Command& command, const std::u16string& shown);
    // A tap in device pixels, and its release.
    void PressAt(int x, int y);
    void ReleasePress();
    void OnActivate(bool active);
    void Copy(bool numberOnly);
    // A number from the clipboard; a refused one flashes the display.
    void Paste();
    void ShowVersion();
    void Invalidate(DisplayRegion region) override;
    // The switches that differ from before: said, and saved where the
    // record is the program's (saved: a change made here).
    void SwitchesChanged(const CalculatorSettings& before, bool save);
    void ShowSwitchesInMenu();
    // The captions' row repainted when what it shows has changed.
    void FollowStatus();

    // Repaints asked for while the session starts, before the canvas, wait.
    bool onTop_ = false;
    bool ready_ = false;
    CalculatorSession session_;
    WindowCanvas canvas_;
    DisplayAnnouncer announcer_;
    KeyInput keyInput_;
    WindowMenus* menus_ = nullptr;
    TapeDock* tape_ = nullptr;
    std::function<void()> afterFirstFrame_;
    bool followsStore_ = false;
    bool keptStateAwaited_ = false;  // until the kept state comes, once
    QString status_;                 // the captions' row as last painted: reason, switches
    // Whether the phone keeps a status value for its shell (looked at once).
    std::optional<bool> phoneStatus_;
};

}  // namespace abacor
