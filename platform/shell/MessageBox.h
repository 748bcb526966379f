#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace abacor {

// Message-box styles and answers, with the platform's values.
enum MessageBoxStyle : unsigned {
    StyleOk = 0x0,
    StyleYesNo = 0x4,
    StyleSecondDefault = 0x100,
};
enum MessageBoxAnswer : int {
    AnswerOk = 1,
    AnswerYes = 6,
    AnswerNo = 7,
};

// The framework's message box: the application's title as caption and the
// Japanese buttons "OK", or "はい" and "いいえ" (style 4, Yes default; 0x104,
// No default). Returns the button chosen.
int ShowMessageBox(QWidget* parent, const QString& text, unsigned style);

// While one lives, message boxes are not shown: the answerer is asked instead.
// For tests and tools that run without a person.
class ScopedMessageBoxAnswerer {
public:
    using Answerer = std::function<int(const QString& text, unsigned style)>;
    explicit ScopedMessageBoxAnswerer(Answerer answerer);
    ~ScopedMessageBoxAnswerer();
    ScopedMessageBoxAnswerer(const ScopedMessageBoxAnswerer&) = delete;
    ScopedMessageBoxAnswerer& operator=(const ScopedMessageBoxAnswerer&) = delete;

private:
    Answerer previous_;
};

}  // namespace abacor
