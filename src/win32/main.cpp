// Vantrel on Windows: the desktop editor of Orbiter scenario files over the Win32 common controls.

#include "Binder.h"
#include "Dialogs.h"
#include "FormWindow.h"
#include "MainWindow.h"
#include "OrbitPictureView.h"
#include "Screen.h"
#include "Text.h"
#include "Trace.h"

#include "core/app/MainMenu.h"
#include "core/app/Vantrel.h"
#include "core/platform/FileSystem.h"
#include "core/platform/Programs.h"
#include "core/platform/Settings.h"
#include "core/tools/About.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <clocale>
#include <memory>
#include <string>
#include <vector>

namespace {

// The scenario file named on the command line, made absolute against the folder the program
// was started from (start-up moves to the simulator folder before it is opened); an empty text
// when none was named.
std::string fileArgument() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string file;
    for (int i = 1; args && i < count; ++i) {
        if (args[i][0] == L'-' || args[i][0] == L'/')
            continue;
        wchar_t full[MAX_PATH * 4];
        const DWORD length = GetFullPathNameW(args[i], MAX_PATH * 4, full, nullptr);
        file = vantrel::win32::fromWide(length && length < MAX_PATH * 4 ? std::wstring(full, length) : args[i]);
        break;
    }
    if (args)
        LocalFree(args);
    return file;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace vantrel;
    std::setlocale(LC_NUMERIC, "C");
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // Opening the help page through the shell may start COM objects on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES |
                                                        ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    win32::FormWindow::registerClasses(instance);
    win32::registerOrbitPictureClass(instance);

    const std::string file = fileArgument();
    const std::string programFolder = platform::programFolder();
    const platform::SettingsPlace settings = platform::settingsPlace(programFolder, platform::userSettingsFolder());

    win32::Win32Dialogs boxes;
    const std::unique_ptr<win32::Trace> trace = win32::Trace::fromEnvironment();
    win32::TracedDialogs dialogs(boxes, trace.get());
    win32::Win32Launcher launcher;
    std::unique_ptr<Vantrel> main;
    HACCEL accelerators = nullptr;
    win32::Win32Screen screen([&](ui::Window&, HWND) { return win32::makeMainWindow(*main, accelerators); });

    Vantrel::Options options;
    options.startFolder = settings.folder;
    main = std::make_unique<Vantrel>(ui::Services{dialogs, screen, launcher}, options);
    // The help page lies beside the program.
    main->mainMenu().helpDocument = platform::withTrailingSeparator(programFolder) + "vantrel-help.html";

    // The main window's view exists before start-up, hidden, so the folder search that start-up
    // may show is placed over it and its controls are bound from the first change.
    screen.setMainWindow(*main);
    if (win32::FormWindow* view = screen.viewOf(*main, true))
        boxes.setOwner(view->hwnd());
    main->load();
    if (!main->loaded()) {
        screen.releaseViews();
        if (SUCCEEDED(com))
            CoUninitialize();
        return 0;
    }
    screen.showModeless(*main);
    if (!settings.note.empty())
        main->status.report(settings.note);
    if (!file.empty())
        main->mainMenu().openFile(file);
    if (trace)
        if (win32::FormWindow* view = screen.viewOf(*main)) {
            view->binder().flush();
            trace->controls(*view);
        }

    const int result = screen.run(accelerators);
    main->status.onReport = nullptr;
    screen.releaseViews();
    if (accelerators)
        DestroyAcceleratorTable(accelerators);
    if (SUCCEEDED(com))
        CoUninitialize();
    return result;
}
