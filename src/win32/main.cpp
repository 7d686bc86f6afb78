// Vantrel on Windows: the desktop editor of Orbiter scenario files over the Win32 common controls.

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    MessageBoxW(nullptr, L"Vantrel", L"Vantrel", MB_OK);
    return 0;
}
