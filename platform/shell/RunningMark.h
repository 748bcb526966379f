#pragma once

namespace abacor {

// Marks the program as running for as long as it lives, where an installer
// can see it before it replaces the program's files (Windows: the named
// mutex "Korvel.Abacor.Running"). Nothing elsewhere.
void MarkRunning();

}  // namespace abacor
