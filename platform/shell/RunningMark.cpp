#include "platform/shell/RunningMark.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace abacor {

void MarkRunning()
{
#ifdef _WIN32
    // Never closed: Windows drops the mark with the process, however it ends.
    static const HANDLE mark = CreateMutexW(nullptr, FALSE, L"Korvel.Abacor.Running");
    static_cast<void>(mark);
#endif
}

}  // namespace abacor
