#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "text/Message.h"

namespace abacor {

// A message's text in a language other than the design's Japanese, for the
// programs without Qt (abacor-calc): made by the build from translations/.
struct MessageWord {
    std::string_view language, context;
    std::u16string_view source, translation;
};
const std::vector<MessageWord>& MessageWords();

// The languages the table speaks besides Japanese ("ja").
std::vector<std::string_view> MessageLanguages();

// The message in the language, every argument too; Japanese, or a text the
// table lacks, as written.
std::u16string ComposedIn(const Message& message, std::string_view language);

// The console's language by the same rule as the windows': the first of
// LANGUAGE's list, LC_ALL, LC_MESSAGES and LANG that is spoken, else English.
// Each value is given as the environment has it (null: unset).
std::string ConsoleLanguage(const char* language, const char* all, const char* messages, const char* lang);

}  // namespace abacor
