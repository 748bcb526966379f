#pragma once

#include <QByteArray>

#include <cstdio>

namespace abacor {

// A line for the terminal in the user's language: Japanese where the locale
// asks for it, English elsewhere, where Japanese may not even display.
inline const char* InUsersLanguage(const char* japanese, const char* english)
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value.startsWith("ja") ? japanese : english;
    }
    return english;
}

}  // namespace abacor
