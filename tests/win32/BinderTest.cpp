// The Windows desktop's binding: the core's state shows on the common control of each control's
// name, a person's action on it reaches the core once, a hidden frame hides what it holds, and
// every window of the program finds its controls in the forms built into the program.

#include "Binder.h"
#include "FormWindow.h"
#include "Forms.h"
#include "OrbitPictureView.h"

#include "core/app/Vantrel.h"
#include "core/app/Windows.h"
#include "core/text/Dates.h"
#include "core/ui/Controls.h"
#include "core/ui/ScriptedServices.h"
#include "core/ui/TreeView.h"
#include "core/ui/Window.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

using namespace vantrel;

namespace {

class Sample : public ui::Window {
public:
    Sample() : Window("Sample", "Sample") { add(Frame1, Name, Kind, Lock, Landed, Orbiting, Fuel, Day, Tree, Kept); }
    ui::Frame Frame1{"Frame1", "Ship"};
    ui::TextField Name{"Name"};
    ui::ComboBox Kind{"Kind"};
    ui::CheckBox Lock{"Lock", "Lock"};
    ui::OptionGroup status;
    ui::OptionButton Landed{"Landed", "Landed", status};
    ui::OptionButton Orbiting{"Orbiting", "Orbiting", status};
    ui::Slider Fuel{"Fuel", 0, 100};
    ui::MonthCalendar Day{"Day"};
    ui::TreeView Tree{"Tree"};
    ui::Label Kept{"Kept"};
};

const ui::FormDescription sampleForm{"Sample",
                                     420,
                                     320,
                                     {{"group", "Frame1", "", 10, 10, 190, 200, "", ""},
                                      {"edit", "Name", "", 20, 30, 150, 22, "", "Frame1"},
                                      {"combo", "Kind", "", 20, 60, 150, 24, "", "Frame1"},
                                      {"check", "Lock", "", 20, 90, 150, 20, "", "Frame1"},
                                      {"option", "Landed", "", 20, 115, 150, 20, "", "Frame1"},
                                      {"option", "Orbiting", "", 20, 140, 150, 20, "", "Frame1"},
                                      {"slider", "Fuel", "", 20, 170, 150, 20, "", "Frame1"},
                                      {"calendar", "Day", "", 210, 10, 200, 180, "", ""},
                                      {"tree", "Tree", "", 10, 220, 200, 90, "", ""},
                                      {"label", "Kept", "-", 0, 0, 0, 0, "", ""}}};

class Win32Binding : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
        win32::FormWindow::registerClasses(GetModuleHandleW(nullptr));
        win32::registerOrbitPictureClass(GetModuleHandleW(nullptr));
    }
    void SetUp() override {
        form = std::make_unique<win32::FormWindow>(window, sampleForm, nullptr, WS_OVERLAPPEDWINDOW);
        form->bind();
        ShowWindow(form->hwnd(), SW_SHOWNA);
    }
    HWND control(const char* name) const { return form->control(name); }
    // What a control tells its parent, as the control itself sends it.
    void command(const char* name, int code) const {
        HWND hwnd = control(name);
        SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(hwnd));
    }
    std::wstring text(const char* name) const {
        wchar_t buffer[256] = L"";
        GetWindowTextW(control(name), buffer, 256);
        return buffer;
    }

    Sample window;
    std::unique_ptr<win32::FormWindow> form;
};

TEST_F(Win32Binding, TheCoresStateShowsOnTheControls) {
    window.Name.setText("Z\xC3\xBCrich");
    window.Kind.addItem("Lander");
    window.Kind.addItem("Hauler");
    window.Kind.setListIndex(1);
    window.Lock.setValue(1);
    window.Orbiting.setValue(true);
    window.Fuel.setValue(40);
    window.Day.setDate(dayFromCivil(2001, 3, 14));
    const int earth = window.Tree.add(0, "Earth", 1);
    window.Tree.add(earth, "Canaveral", 4);
    form->binder().flush();

    EXPECT_EQ(text("Name"), L"Z\u00FCrich");
    EXPECT_EQ(SendMessageW(control("Kind"), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(control("Kind"), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(SendMessageW(control("Lock"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(control("Landed"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(control("Orbiting"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(control("Fuel"), TBM_GETPOS, 0, 0), 40);
    SYSTEMTIME day{};
    SendMessageW(control("Day"), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    EXPECT_EQ(day.wYear, 2001);
    EXPECT_EQ(day.wMonth, 3);
    EXPECT_EQ(day.wDay, 14);
    EXPECT_EQ(TreeView_GetCount(control("Tree")), 2u);
    EXPECT_TRUE(form->binder().missingControls().empty());
}

TEST_F(Win32Binding, APersonsActionReachesTheCoreOnce) {
    int changes = 0, choices = 0, toggles = 0, options = 0, moves = 0, days = 0;
    window.Name.onChange = [&] { ++changes; };
    window.Kind.onClick = [&] { ++choices; };
    window.Lock.onClick = [&] { ++toggles; };
    window.Orbiting.onClick = [&] { ++options; };
    window.Fuel.onChange = [&] { ++moves; };
    window.Day.onChange = [&] { ++days; };
    window.Kind.addItem("Lander");
    window.Kind.addItem("Hauler");
    form->binder().flush();

    // Typing: the edit tells its frame, which passes it on to the window.
    SetWindowTextW(control("Name"), L"Vireo");
    EXPECT_EQ(window.Name.text(), "Vireo");
    EXPECT_EQ(changes, 1);
    // What the binder writes is no person's typing.
    window.Name.setText("Robin");
    form->binder().flush();
    EXPECT_EQ(text("Name"), L"Robin");
    EXPECT_EQ(changes, 2); // the core's own change event, once

    SendMessageW(control("Kind"), CB_SETCURSEL, 1, 0);
    command("Kind", CBN_SELCHANGE);
    EXPECT_EQ(window.Kind.listIndex(), 1);
    EXPECT_EQ(choices, 1);

    command("Lock", BN_CLICKED);
    EXPECT_EQ(window.Lock.value(), 1);
    EXPECT_EQ(toggles, 1);

    command("Orbiting", BN_CLICKED);
    EXPECT_TRUE(window.Orbiting.value());
    EXPECT_EQ(options, 1);

    SendMessageW(control("Fuel"), TBM_SETPOS, TRUE, 75);
    SendMessageW(GetParent(control("Fuel")), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(control("Fuel")));
    EXPECT_EQ(window.Fuel.value(), 75);
    EXPECT_EQ(moves, 1);

    NMSELCHANGE pick{};
    pick.nmhdr.hwndFrom = control("Day");
    pick.nmhdr.code = MCN_SELCHANGE;
    pick.stSelStart.wYear = 2024;
    pick.stSelStart.wMonth = 1;
    pick.stSelStart.wDay = 1;
    pick.stSelEnd = pick.stSelStart;
    SendMessageW(GetParent(control("Day")), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&pick));
    ASSERT_TRUE(window.Day.date().has_value());
    EXPECT_EQ(*window.Day.date(), dayFromCivil(2024, 1, 1));
    EXPECT_EQ(days, 1);
}

TEST_F(Win32Binding, AHiddenFrameHidesWhatItHoldsAndANamedValueNeverShows) {
    form->binder().flush();
    EXPECT_TRUE(IsWindowVisible(control("Name")));
    EXPECT_FALSE(IsWindowVisible(control("Kept")));
    window.Frame1.setVisible(false);
    form->binder().flush();
    EXPECT_TRUE(window.Name.visible());
    EXPECT_FALSE(IsWindowVisible(control("Name")));
    EXPECT_TRUE(IsWindowVisible(control("Day")));
    window.Frame1.setVisible(true);
    form->binder().flush();
    EXPECT_TRUE(IsWindowVisible(control("Name")));
}

TEST(Win32Forms, EveryWindowOfTheProgramFindsItsControls) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    win32::FormWindow::registerClasses(GetModuleHandleW(nullptr));
    win32::registerOrbitPictureClass(GetModuleHandleW(nullptr));
    ui::ScriptedDialogs dialogs;
    ui::ScriptedScreen screen;
    ui::ScriptedLauncher launcher;
    Vantrel main(ui::Services{dialogs, screen, launcher}, Vantrel::Options{});
    std::vector<ui::Window*> windows{&main};
    for (ui::Window* window : main.windows().all())
        windows.push_back(window);
    for (ui::Window* window : windows) {
        const ui::FormDescription* form = win32::formOf(window->name());
        ASSERT_NE(form, nullptr) << window->name();
        win32::FormWindow view(*window, *form, nullptr, WS_OVERLAPPEDWINDOW);
        view.bind();
        // The main window's findings count is a part of its status bar, bound with the menus.
        const std::vector<std::string> expected =
            window == &main ? std::vector<std::string>{"FindingsCount"} : std::vector<std::string>{};
        EXPECT_EQ(view.binder().missingControls(), expected) << window->name();
    }
}

} // namespace
