// Lists the desktop's visible top-level windows as a DPI-aware program sees
// them, in device pixels, one line each:
//   CLIENT_LEFT CLIENT_TOP CLIENT_WIDTH CLIENT_HEIGHT DPI TITLE
// with the client area's top left in screen coordinates and the title in
// UTF-8. The high-DPI test reads the program's windows through it.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#endif
#include <windows.h>

#include <array>
#include <cstdio>

namespace {

BOOL CALLBACK ListWindow(HWND window, LPARAM)
{
    if (IsWindowVisible(window) == FALSE)
        return TRUE;
    RECT client{};
    POINT origin{};
    if (GetClientRect(window, &client) == FALSE || ClientToScreen(window, &origin) == FALSE)
        return TRUE;
    std::array<wchar_t, 256> title{};
    GetWindowTextW(window, title.data(), static_cast<int>(title.size()));
    std::array<char, 1024> utf8{};
    WideCharToMultiByte(CP_UTF8, 0, title.data(), -1, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    std::printf("%ld %ld %ld %ld %u %s\n", origin.x, origin.y, client.right - client.left, client.bottom - client.top,
                GetDpiForWindow(window), utf8.data());
    return TRUE;
}

} // namespace

int main()
{
    // Otherwise Windows would answer in the scaled-down sizes it shows an
    // unaware program.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    EnumWindows(ListWindow, 0);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
