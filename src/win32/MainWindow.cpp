#include "MainWindow.h"

#include "Binder.h"
#include "FormWindow.h"
#include "Forms.h"
#include "Text.h"

#include "core/app/MainMenu.h"
#include "core/app/ScenarioFindings.h"
#include "core/app/Vantrel.h"

#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

namespace vantrel::win32 {

namespace {

constexpr int firstMenuId = 1000;
constexpr UINT_PTR unsavedTimer = 1;
constexpr UINT_PTR reportTimer = 2;
// How long the window waits after the last refresh before it checks for unsaved changes (the
// check writes the whole scenario), and how long a report stays on the status bar.
constexpr UINT unsavedCheckMilliseconds = 250;
constexpr UINT reportMilliseconds = 6000;

// The keys of the commands every editor has, as the Qt desktop gives them.
struct Key {
    const char* item;
    BYTE modifiers;
    WORD key;
    const wchar_t* text;
};
constexpr Key keys[] = {{"Menu12", FCONTROL, 'O', L"Ctrl+O"},
                        {"Menu13", FCONTROL, 'S', L"Ctrl+S"},
                        {"Menu14", FCONTROL | FSHIFT, 'S', L"Ctrl+Shift+S"},
                        {"Menu16", FCONTROL, 'Q', L"Ctrl+Q"},
                        {"Menu21", 0, VK_F1, L"F1"}};

// A menu command: its caption and enabled state on the menu, its choice raising the click.
class MenuAdapter : public Adapter {
public:
    MenuAdapter(ui::MenuItem& item, HMENU menu, UINT id, std::wstring keyText)
        : Adapter(item, nullptr), menu_(menu), id_(id), keyText_(std::move(keyText)) {}
    void refresh() override {
        auto& item = static_cast<ui::MenuItem&>(control_);
        std::wstring caption = toWide(item.caption());
        if (!keyText_.empty())
            caption += L"\t" + keyText_;
        ModifyMenuW(menu_, id_, MF_BYCOMMAND | MF_STRING, id_, caption.c_str());
        EnableMenuItem(menu_, id_, MF_BYCOMMAND | (item.enabled() && item.visible() ? MF_ENABLED : MF_GRAYED));
    }
    void command(int id, const Act& act) override {
        if (static_cast<UINT>(id) == id_)
            act([this] { static_cast<ui::MenuItem&>(control_).userClick(); });
    }

private:
    HMENU menu_;
    UINT id_;
    std::wstring keyText_;
};

// A menu of the menu bar: its title and enabled state.
class MenuTitleAdapter : public Adapter {
public:
    MenuTitleAdapter(ui::MenuItem& title, HWND window, int position)
        : Adapter(title, nullptr), window_(window), position_(position) {}
    void refresh() override {
        auto& title = static_cast<ui::MenuItem&>(control_);
        HMENU bar = GetMenu(window_);
        const std::wstring caption = toWide(title.caption());
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_STATE;
        info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
        info.fState = title.enabled() && title.visible() ? MFS_ENABLED : MFS_GRAYED;
        SetMenuItemInfoW(bar, static_cast<UINT>(position_), TRUE, &info);
        DrawMenuBar(window_);
    }

private:
    HWND window_;
    int position_;
};

// A label shown as a part of the status bar.
class StatusPartAdapter : public Adapter {
public:
    StatusPartAdapter(ui::Label& label, HWND bar, int part) : Adapter(label, nullptr), bar_(bar), part_(part) {}
    void refresh() override {
        const auto& label = static_cast<ui::Label&>(control_);
        const std::wstring text = label.visible() ? toWide(label.caption()) : std::wstring();
        SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(part_), reinterpret_cast<LPARAM>(text.c_str()));
    }

private:
    HWND bar_;
    int part_;
};

// The status bar's parts: path, findings count, reading, unsaved.
enum Part { PathPart, FindingsPart, FormatPart, UnsavedPart, PartCount };

struct MainState {
    Vantrel& main;
    FormWindow* view = nullptr;
    HWND status = nullptr;
    bool reporting = false;

    void showStatus() {
        if (!reporting)
            setPart(PathPart, toWide(main.status.path()));
        setPart(FormatPart, toWide(main.status.format()));
        SetTimer(view->hwnd(), unsavedTimer, unsavedCheckMilliseconds, nullptr);
    }
    void showUnsaved() {
        KillTimer(view->hwnd(), unsavedTimer);
        setPart(UnsavedPart, main.status.unsavedChanges() ? L"Unsaved changes" : L"");
        // Once edits pause, the findings catch up with them.
        main.findings().refreshIfStale();
    }
    void setPart(int part, const std::wstring& text) const {
        SendMessageW(status, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
    }
    void layoutStatus() const {
        if (!status)
            return;
        SendMessageW(status, WM_SIZE, 0, 0);
        SetWindowPos(status, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RECT client;
        GetClientRect(view->hwnd(), &client);
        const int dpi = view->dpi();
        const int right = client.right;
        int widths[PartCount] = {right - MulDiv(420, dpi, 96), right - MulDiv(260, dpi, 96), right - MulDiv(120, dpi, 96),
                                 -1};
        SendMessageW(status, SB_SETPARTS, PartCount, reinterpret_cast<LPARAM>(widths));
    }
};

// The one scenario file a drop carries, or an empty text.
std::string droppedScenario(HDROP drop) {
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) != 1)
        return {};
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, 0, path.data(), length + 1);
    path.resize(length);
    const std::string utf8 = fromWide(path);
    return MainMenu::opensAsScenario(utf8) ? utf8 : std::string();
}

} // namespace

std::unique_ptr<FormWindow> makeMainWindow(Vantrel& main, HACCEL& accelerators) {
    const ui::FormDescription* form = formOf(main.name());
    if (!form)
        return nullptr;
    // The menu bar first, so that the window's size counts it.
    HMENU bar = CreateMenu();
    struct Command {
        ui::MenuItem* item;
        HMENU menu;
        UINT id;
        std::wstring keyText;
    };
    std::vector<Command> commands;
    std::vector<ACCEL> accel;
    UINT nextId = firstMenuId;
    const auto menus = main.menu.menus();
    for (const auto& m : menus) {
        HMENU popup = CreatePopupMenu();
        AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), toWide(m.title->caption()).c_str());
        for (ui::MenuItem* item : m.items) {
            if (item->isSeparator()) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const UINT id = nextId++;
            std::wstring keyText;
            for (const Key& k : keys)
                if (item->name() == k.item) {
                    keyText = k.text;
                    accel.push_back({static_cast<BYTE>(FVIRTKEY | k.modifiers), k.key, static_cast<WORD>(id)});
                }
            AppendMenuW(popup, MF_STRING, id, toWide(item->caption()).c_str());
            commands.push_back({item, popup, id, keyText});
        }
    }
    accelerators = accel.empty() ? nullptr : CreateAcceleratorTableW(accel.data(), static_cast<int>(accel.size()));

    auto state = std::make_shared<MainState>(MainState{main});
    // Room under the form for the status bar, measured once it exists.
    auto view = std::make_unique<FormWindow>(main, *form, nullptr, WS_OVERLAPPEDWINDOW, 0);
    state->view = view.get();
    HWND hwnd = view->hwnd();
    SetMenu(hwnd, bar);
    state->status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
    DragAcceptFiles(hwnd, TRUE);

    Binder& binder = view->binder();
    for (const auto& c : commands)
        binder.add(std::make_unique<MenuAdapter>(*c.item, c.menu, c.id, c.keyText));
    for (size_t i = 0; i < menus.size(); ++i)
        binder.add(std::make_unique<MenuTitleAdapter>(*menus[i].title, hwnd, static_cast<int>(i)));
    if (auto* count = dynamic_cast<ui::Label*>(main.control("FindingsCount")))
        binder.add(std::make_unique<StatusPartAdapter>(*count, state->status, FindingsPart));
    view->bind();

    binder.onRefreshed = [state] { state->showStatus(); };
    main.status.onReport = [state](const std::string& message) {
        state->reporting = true;
        state->setPart(PathPart, toWide(message));
        SetTimer(state->view->hwnd(), reportTimer, reportMilliseconds, nullptr);
        state->showStatus();
    };
    view->onClose = [&main] {
        // The close box goes through Files / Exit, which asks first.
        if (main.loaded())
            main.menu.Menu16.userClick();
    };
    view->onLayout = [state] { state->layoutStatus(); };
    view->handler = [state, &main](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        if (message == WM_TIMER && wParam == unsavedTimer) {
            state->showUnsaved();
            return true;
        }
        if (message == WM_TIMER && wParam == reportTimer) {
            KillTimer(state->view->hwnd(), reportTimer);
            state->reporting = false;
            state->showStatus();
            return true;
        }
        if (message == WM_DROPFILES) {
            auto drop = reinterpret_cast<HDROP>(wParam);
            const std::string path = droppedScenario(drop);
            DragFinish(drop);
            // Opened once the drop is over: the save question must not hold the Explorer.
            if (!path.empty() && main.menu.Menu12.enabled())
                main.mainMenu().openFile(path);
            result = 0;
            return true;
        }
        return false;
    };

    // The form's size, with the menu bar over it and the status bar under it.
    RECT bar_rect{};
    GetWindowRect(state->status, &bar_rect);
    view->setBottomMargin(bar_rect.bottom - bar_rect.top);
    const SIZE size = view->naturalSize();
    SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    state->showStatus();
    return view;
}

} // namespace vantrel::win32
