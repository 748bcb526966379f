#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "calculator/tape/CalculatorSession.h"

namespace abacor {

// Feeds tokens to one freshly started session and prints, after each, the
// token and the four texts separated by TABs.
class CalcDriver {
public:
    explicit CalcDriver(std::ostream& out, std::ostream& err);

    // Each line gains a sixth field: the lit annunciators (rate, "GT", "税額",
    // then the check's "検算", "OK", "NG2").
    void ShowAnnunciators() { annunciators_ = true; }
    // After the lines of the tokens, the tape of the run, a line each:
    // "TAPE", the step number (empty for other lines), the number, the mark,
    // the note.
    void ShowTape() { tape_ = true; }
    // The current calculation written to path as a tape file when the
    // tokens are done.
    void SaveTo(std::string path) { savePath_ = std::move(path); }
    // The language of the messages from the tape ("ja", the design's, unless told).
    void SpeakIn(std::string language) { language_ = std::move(language); }

    // A tape file keyed again: 0 when every result in it is what the
    // calculator gives, 1 when one differs (their lines on err), 2 when it
    // cannot be read (its line and why on err).
    int Open(const std::string& path);

    // False, after a message on err, when the token is not understood.
    bool Apply(const std::string& token);

    // Every whitespace-separated token of in, until the first bad one.
    // Returns the process exit status: 0; 2 after a bad or overlong token;
    // 1 when the input could not be read, the output or the saved tape not
    // written.
    int Run(std::istream& in);
    // Only the end of a run: the tape printed, the file saved.
    int Finish();

private:
    void PrintLine(const std::string& token);
    void PrintTape();

    std::ostream& out_;
    std::ostream& err_;
    CalculatorSession session_;
    bool annunciators_ = false;
    bool tape_ = false;
    std::string savePath_;
    std::string language_ = "ja";
};

}  // namespace abacor
