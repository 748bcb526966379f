#include "calculator/printing/NativeDialogTitle.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#include <string_view>
#endif

namespace abacor {

#ifdef _WIN32
namespace {

// One dialog at a time: the print dialog is modal and runs on this thread.
thread_local HHOOK hook = nullptr;
thread_local std::wstring title;

LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && !title.empty()) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t kind[16] = {};
        // "#32770" is every dialog's class; the first activated is the print
        // dialog itself, later ones (a driver's message) keep their titles.
        if (GetClassNameW(window, kind, 16) > 0 && std::wstring_view(kind) == L"#32770") {
            SetWindowTextW(window, title.c_str());
            title.clear();
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

NativeDialogTitle::NativeDialogTitle(const QString& shown)
{
    title = shown.toStdWString();
    hook = SetWindowsHookExW(WH_CBT, OnWindowEvent, nullptr, GetCurrentThreadId());
}

NativeDialogTitle::~NativeDialogTitle()
{
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = nullptr;
    title.clear();
}
#else
NativeDialogTitle::NativeDialogTitle(const QString&) {}
NativeDialogTitle::~NativeDialogTitle() = default;
#endif

}  // namespace abacor
