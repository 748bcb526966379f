#pragma once

#include <QWidget>

#include <map>

#include "editor/DialogTemplates.h"
#include "platform/screen/DialogUnits.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace abacor {

// The controls of a dialog template, made as Qt widgets on a page and placed
// by the template's dialog units converted for the dialog font.
class DialogControls {
public:
    // Text may grow up to maxRight pixels (the page's visible width).
    DialogControls(const DialogTemplate& dialog, QWidget* parent, int dpiY, int maxRight);

    QWidget* Control(int id) const;
    QLabel* Label(int id) const;
    QComboBox* Combo(int id) const;
    QCheckBox* Check(int id) const;
    QSlider* Slider(int id) const;
    QPushButton* Button(int id) const;
    // A text control given a new text: fitted again, from the dialog's font.
    void SetText(int id, const QString& text);

    // The selection field and the opened list's items of a drop-down list,
    // each height pixels high.
    static void SetListHeight(QComboBox* list, int height);
    // A list whose longest item is wider than the list takes a smaller font.
    static void FitList(QComboBox* list);

private:
    struct Place {
        ControlKind kind;
        Rect placed;
        int leftLimit, rightLimit, bottomLimit;
    };
    DialogUnits units_;
    std::map<int, QWidget*> controls_;
    std::map<int, Place> places_;
};

}  // namespace abacor
