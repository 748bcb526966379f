#include "calculator/display/WindowPainter.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>

#include "calculator/display/AnnunciatorWords.h"
#include "platform/shell/Translated.h"

namespace abacor {

namespace {

// The order in which the keys are painted.
// The design's order of the fixed keys and the first additional ones; the
// later keys after them.
constexpr std::array<KeyId, kKeyCount> kPaintOrder = KeysAfter(std::array{
    KeyId::Digit1,     KeyId::Digit2,     KeyId::Digit3,   KeyId::Digit4, KeyId::Digit5, KeyId::Digit6,
    KeyId::Digit7,     KeyId::Digit8,     KeyId::Digit9,   KeyId::Digit0, KeyId::Point,  KeyId::Add,
    KeyId::Subtract,   KeyId::Multiply,   KeyId::Divide,   KeyId::Sign,   KeyId::Equals, KeyId::Percent,
    KeyId::SquareRoot, KeyId::ClearEntry, KeyId::AllClear, KeyId::Clear,
});
static_assert(EveryKeyOnce(kPaintOrder), "every key is painted");

}  // namespace

void PaintWindow(DrawSurface& surface, const PaintContext& context, const DisplayTexts& texts, const Rect& dirty,
                 bool erase)
{
    const WindowLayout& layout = context.layout;
    const DisplayResources& resources = context.resources;
    const CalculatorSettings& settings = context.settings;

    if (erase)
        surface.FillRect(dirty, resources.dialogBackColor);
    ScopedSelection selection(surface);
    selection.Select(resources.keyFont);
    surface.SetBackgroundMode(BackgroundMode::Transparent);

    for (const KeyId key : kPaintOrder) {
        const Rect& rect = layout.KeyRect(key);
        // Keys of a client area too small for the keypad are degenerate: not drawn.
        if ((IsAdditional(key) && rect.IsNull()) || rect.Width() <= 0 || rect.Height() <= 0 || !rect.Intersects(dirty))
            continue;
        const KeyFace& face = context.keys[static_cast<std::size_t>(Index(key))];
        const KeyGroup group = face.group;
        const KeyStyle style = key == KeyId::Equals && layout.landscape ? KeyStyle::TallEquals : StyleOf(group);
        context.faces.DrawKey(surface, rect, Translated("Key", face.caption), KeyGroupColours(settings, group).text,
                              style);
    }

    selection.Select(resources.captionFont);
    surface.SetTextColor(settings.LabelTextColor);
    surface.SetBackgroundColor(resources.dialogBackColor);
    if (layout.statusRect.Intersects(dirty)) {
        // The captions' row, drawn whole: a reason comes and goes over it.
        surface.FillRect(layout.statusRect, resources.dialogBackColor);
        if (!texts.message.isEmpty()) {
            selection.Select(resources.statusFont);
            surface.DrawText(texts.message, layout.statusRect, TextAlign::Left, TextFit::Shrink);
        } else {
            // A longer language's caption takes a smaller font rather than the next box's room.
            surface.DrawText(Translated("Display", kMemoryLabel), layout.memoryCaptionRect, TextAlign::Left,
                             TextFit::Shrink);
            surface.DrawText(Translated("Display", kResultLabel), layout.resultCaptionRect, TextAlign::Left,
                             TextFit::Shrink);
            // The switches at the right, as a desk calculator's slide switches
            // are labelled on its face.
            QStringList face;
            for (const QString& word : texts.switches.split(kAnnunciatorGap.toString(), Qt::SkipEmptyParts))
                face << Translated("Switch", std::u16string_view(reinterpret_cast<const char16_t*>(word.utf16()),
                                                                 static_cast<std::size_t>(word.size())));
            const int right = layout.resultCaptionRect.right - 2;
            const int left = layout.resultCaptionRect.left +
                             QFontMetrics(resources.captionFont)
                                 .horizontalAdvance(Translated("Display", kResultLabel) + kAnnunciatorGap.toString());
            selection.Select(resources.statusFont);
            if (right > left)
                surface.DrawText(face.join(kAnnunciatorGap),
                                 {left, layout.statusRect.top, right, layout.statusRect.bottom}, TextAlign::Right,
                                 TextFit::Shrink);
        }
    }

    {
        ScopedSelection frames(surface);
        frames.Select(resources.staticBackBrush).Select(resources.boxFramePen);
        for (const Rect* box : {&layout.displayBox, &layout.memoryBox, &layout.resultBox})
            if (box->Intersects(dirty))
                surface.Rectangle(*box);
    }

    surface.SetTextColor(settings.StaticTextColor);
    surface.SetBackgroundColor(settings.StaticBackColor);
    // Annunciators stand small at the lower left of the display; the number
    // keeps to their right, shrinking before it would reach them.
    Rect numberRect = layout.displayTextRect;
    if (!texts.annunciators.isEmpty() && layout.displayBox.Intersects(dirty)) {
        selection.Select(resources.statusFont);
        const QFontMetrics metrics(resources.statusFont);
        const int margin = layout.operatorRect.left - layout.displayBox.left + 2;
        // Each one apart, a letter's height between them; never cut at the top.
        const int gap = metrics.height();
        const int top = std::min(layout.operatorRect.bottom, layout.displayBox.bottom - 2 - metrics.height());
        int left = layout.operatorRect.left + 2;
        for (const QString& lit : texts.annunciators.split(kAnnunciatorGap.toString())) {
            const QString word = ShownAnnunciator(lit);
            const int right = std::min(left + metrics.horizontalAdvance(word), layout.displayTextRect.right);
            if (right > left)
                surface.DrawText(word, {left, top, right, layout.displayBox.bottom - 2}, TextAlign::Left);
            left = std::min(right + gap, layout.displayTextRect.right);
        }
        numberRect.left = std::min(left - gap + margin, numberRect.right);
    }
    selection.Select(resources.displayFont);
    if (layout.displayBox.Intersects(dirty))
        surface.DrawText(texts.display, numberRect, TextAlign::Right, TextFit::Shrink);
    selection.Select(resources.smallFont);
    if (layout.resultBox.Intersects(dirty))
        surface.DrawText(texts.result, layout.resultTextRect, TextAlign::Right, TextFit::Shrink);
    if (layout.memoryBox.Intersects(dirty))
        surface.DrawText(texts.memory, layout.memoryTextRect, TextAlign::Right, TextFit::Shrink);
    if (layout.displayBox.Intersects(dirty))
        surface.DrawText(texts.op, layout.operatorRect, TextAlign::Left);
}

}  // namespace abacor
