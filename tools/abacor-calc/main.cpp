// abacor-calc: runs key tokens through the headless calculator.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "text/MessageWords.h"
#include "tools/abacor-calc/Arguments.h"
#include "tools/abacor-calc/CalcDriver.h"

namespace {

constexpr std::string_view kUsage =
    "usage: abacor-calc [-a] [--tape] [--open FILE] [--save FILE] [--lang ja|en] [--help] [--] [TOKEN...]\n"
    "\n"
    "Feeds key tokens to a freshly started calculator (every setting at its\n"
    "default) and prints, after each token, one line of five TAB-separated\n"
    "fields: the token, the display, the result line, the memory line and the\n"
    "operator sign. Tokens come from the arguments, or from standard input\n"
    "when there are none (and no tape is opened), separated by whitespace.\n"
    "\n"
    "tokens:\n"
    "  0-9 .                 digits and the point\n"
    "  + - * / (or + - x /)  the operators, also as the keys show them\n"
    "  =  +/-                equals, change sign\n"
    "  CE  C  CA             clear entry (the digit drop with ShiftKeyFlg), clear, all clear\n"
    "  drop                  the last digit typed taken back\n"
    "  %  sq  cube  sqrt     percent, square, cube, square root\n"
    "  tax+  tax-            tax-inclusive and tax-exclusive amount\n"
    "  M+  M-  MR  MC  ANS   memory plus, minus, recall, clear; last answer\n"
    "  GT  rate  00          grand total, tax rate switch, double zero\n"
    "  taxsum                税合計: the invoice's totals per tax rate, in turn\n"
    "  cost  sell  margin    原価, 売価, 利益率: store, or compute from the other two\n"
    "  avg                   平均: the number shown divided by the item count\n"
    "  nonadd                非加算: the number typed goes on the tape alone\n"
    "  hms                   時分秒: ends the hours or minutes typed; converts a time and its hours\n"
    "  date  to              日付: ends the year or month typed; 〜: the days to the next date\n"
    "  #N                    command id N through the window's command table\n"
    "  set:Name=Value        one setting (decimal or 0x hexadecimal; names in any case)\n"
    "  load                  the settings stored for the current user\n"
    "  check                 検算: the next calculation is checked against the last\n"
    "  newtape               新しいテープ: the calculation cleared and a new one begun\n"
    "                        on the tape; memory, GT and the invoice totals stay\n"
    "  sw:round sw:places sw:gt sw:taxsum sw:count sw:const sw:days\n"
    "                        a switch of the face to its next position, on the tape\n"
    "  setrate               the number shown becomes the tax rate in force\n"
    "  correct:K=N           step K of the current segment becomes the number N\n"
    "  note:K=TEXT           a note on step K of the current segment (\"_\" a space;\n"
    "                        at most 200 characters, no control characters)\n"
    "  paste:TEXT            TEXT pasted, read as the window reads the clipboard\n"
    "\n"
    "options:\n"
    "  -a                    a sixth field: the lit annunciators (rate, K, GT, 税計,\n"
    "                        the count, what the value is, 検算 / OK / NG); after a key\n"
    "                        that changed nothing, a seventh: why (no-items, gt-off,\n"
    "                        count-off, taxsum-off, no-tax-totals, no-two-of-profit,\n"
    "                        no-date-digits, not-a-rate, too-many-digits)\n"
    "  --tape                then the tape, a line each: TAPE, step, number, mark, note\n"
    "  --open FILE           first the tape file FILE keyed again with its settings\n"
    "                        (a saved tape or an exported CSV); its results compared\n"
    "  --save FILE           at the end, the current calculation to FILE as a tape file\n"
    "  --lang ja|en          the language of a tape file's or a note's refusal (else the\n"
    "                        desktop's: LANGUAGE, LC_ALL, LC_MESSAGES, LANG)\n"
    "  -h, --help            this text\n"
    "  --                    what follows are tokens, even if they begin with \"--\"\n"
    "\n"
    "exit status: 0 when every token was applied, 2 at the first unknown token,\n"
    "malformed set: or refused correction or note (after a message on standard\n"
    "error), for a bad option, or for a tape file that cannot be read (its line\n"
    "and why); 1 when an opened tape's results differ (their lines on standard\n"
    "error) or the file to save cannot be written.\n";

}  // namespace

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args = abacor::Utf8Arguments(argc, argv);
    const std::size_t count = args.size();
    bool annunciators = false;
    bool tape = false;
    std::string open, save;
    std::string language = abacor::ConsoleLanguage(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                                                   std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    std::size_t first = 1;
    for (; first < count; ++first) {
        const std::string_view argument = args[first];
        if (argument == "--") {
            ++first;
            break;
        }
        if (argument == "-a") {
            annunciators = true;
            continue;
        }
        if (argument == "--tape") {
            tape = true;
            continue;
        }
        if ((argument == "--open" || argument == "--save") && first + 1 < count) {
            (argument == "--open" ? open : save) = args[++first];
            continue;
        }
        if (argument == "--lang" && first + 1 < count) {
            language = args[++first];
            const std::vector<std::string_view> spoken = abacor::MessageLanguages();
            if (language != "ja" && std::find(spoken.begin(), spoken.end(), language) == spoken.end()) {
                std::cerr << "abacor-calc: --lang: \"" << language << "\" is not a language of the program\n";
                return 2;
            }
            continue;
        }
        if (argument == "-h" || argument == "--help") {
            std::cout << kUsage;
            return 0;
        }
        // "-" alone and "-..." are tokens (minus); options begin with "--".
        if (!argument.starts_with("--"))
            break;
        std::cerr << "abacor-calc: unknown option " << argument << "\n" << kUsage;
        return 2;
    }

    abacor::CalcDriver driver(std::cout, std::cerr);
    driver.SpeakIn(language);
    if (annunciators)
        driver.ShowAnnunciators();
    if (tape)
        driver.ShowTape();
    if (!save.empty())
        driver.SaveTo(save);
    int opened = 0;
    if (!open.empty() && (opened = driver.Open(open)) == 2)
        return 2;
    if (!open.empty() && first == count) {
        const int finished = driver.Finish();
        return finished != 0 ? finished : opened;
    }
    if (first < count) {
        std::string joined;
        for (std::size_t i = first; i < count; ++i)
            joined.append(args[i]).append(1, ' ');
        std::istringstream arguments(joined);
        const int ran = driver.Run(arguments);
        return ran != 0 ? ran : opened;
    }
    std::cin.tie(&std::cout);
    return driver.Run(std::cin);
}
