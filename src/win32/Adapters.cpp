// The adapter of every kind of control, by the common control it shows the control on:
//   Label ↔ STATIC   Image ↔ STATIC (bitmap or icon)   Button ↔ BUTTON   Frame ↔ BUTTON (group box)
//   TextField ↔ EDIT (multi-line or not)   ComboBox ↔ COMBOBOX (editable or not)   ListBox ↔ LISTBOX
//   CheckBox ↔ BUTTON (check box)   OptionButton ↔ BUTTON (radio button)   Slider ↔ TRACKBAR
//   MonthCalendar ↔ MONTHCAL   TabControl ↔ WC_TABCONTROL   TreeView ↔ WC_TREEVIEW
//   DriveList ↔ COMBOBOX   FolderList ↔ LISTBOX   FileList ↔ LISTBOX   OrbitPicture ↔ the GDI view

#include "Binder.h"
#include "FormWindow.h"
#include "OrbitPictureView.h"
#include "Resources.h"
#include "Text.h"

#include "core/platform/FileSystem.h"
#include "core/text/Dates.h"
#include "core/ui/Controls.h"
#include "core/ui/FileControls.h"
#include "core/ui/OrbitPicture.h"
#include "core/ui/TreeView.h"

#include <commctrl.h>

namespace vantrel::win32 {

namespace {

std::wstring windowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

void setText(HWND hwnd, const std::wstring& text) {
    if (windowText(hwnd) != text)
        SetWindowTextW(hwnd, text.c_str());
}

// A calendar day (days since 1899-12-30) as the month calendar's date, and back.
SYSTEMTIME dateOf(int day) {
    const CivilDate civil = civilFromDay(day);
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(civil.year);
    t.wMonth = static_cast<WORD>(civil.month);
    t.wDay = static_cast<WORD>(civil.day);
    return t;
}

int daysOf(const SYSTEMTIME& t) { return dayFromCivil(t.wYear, t.wMonth, t.wDay); }

template <typename C> class Typed : public Adapter {
public:
    Typed(ui::Control& control, HWND hwnd) : Adapter(control, hwnd) {}

protected:
    C& ctl() const { return static_cast<C&>(control_); }
    // Writes to the control without its notifications counting as a person's.
    template <typename F> void write(F&& f) {
        writing_ = true;
        f();
        writing_ = false;
    }
};

class LabelAdapter : public Typed<ui::Label> {
public:
    using Typed::Typed;
    void refresh() override {
        // A label breaks lines where its caption does.
        setText(hwnd_, toWideLines(ctl().caption()));
        refreshWindow();
    }
};

class ImageAdapter : public Typed<ui::Image> {
public:
    using Typed::Typed;
    void refresh() override {
        if (!loaded_) {
            loaded_ = true;
            HINSTANCE instance = GetModuleHandleW(nullptr);
            if (ctl().picture() == "start") {
                auto* bitmap = LoadImageW(instance, MAKEINTRESOURCEW(IDB_START), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
                SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
            } else {
                auto* icon = LoadImageW(instance, MAKEINTRESOURCEW(IDI_VANTREL), IMAGE_ICON, 96, 96, LR_DEFAULTCOLOR);
                SendMessageW(hwnd_, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
            }
        }
        refreshWindow();
    }

private:
    bool loaded_ = false;
};

class ButtonAdapter : public Typed<ui::Button> {
public:
    using Typed::Typed;
    void refresh() override {
        setText(hwnd_, toWide(ctl().caption()));
        refreshWindow();
    }
    void command(int code, const Act& act) override {
        if (code == BN_CLICKED)
            act([this] { ctl().userClick(); });
    }
};

// The frame window holds its group box (identifier 1) and the controls inside it.
class FrameAdapter : public Typed<ui::Frame> {
public:
    using Typed::Typed;
    void refresh() override {
        setText(GetDlgItem(hwnd_, 1), toWide(ctl().caption()));
        refreshWindow();
    }
};

class CheckBoxAdapter : public Typed<ui::CheckBox> {
public:
    using Typed::Typed;
    void refresh() override {
        setText(hwnd_, toWide(ctl().caption()));
        SendMessageW(hwnd_, BM_SETCHECK, ctl().value() ? BST_CHECKED : BST_UNCHECKED, 0);
        refreshWindow();
    }
    void command(int code, const Act& act) override {
        if (code == BN_CLICKED)
            act([this] { ctl().userToggle(); });
    }
};

class OptionAdapter : public Typed<ui::OptionButton> {
public:
    using Typed::Typed;
    void refresh() override {
        setText(hwnd_, toWide(ctl().caption()));
        SendMessageW(hwnd_, BM_SETCHECK, ctl().value() ? BST_CHECKED : BST_UNCHECKED, 0);
        refreshWindow();
    }
    void command(int code, const Act& act) override {
        if (code == BN_CLICKED)
            act([this] { ctl().userSelect(); });
    }
};

class TextFieldAdapter : public Typed<ui::TextField> {
public:
    using Typed::Typed;
    void refresh() override {
        const std::wstring text = ctl().multiLine() ? toWideLines(ctl().text()) : toWide(ctl().text());
        if (windowText(hwnd_) != text)
            write([&] { SetWindowTextW(hwnd_, text.c_str()); });
        refreshWindow();
    }
    void command(int code, const Act& act) override {
        if (code != EN_CHANGE || writing_)
            return;
        const std::wstring text = windowText(hwnd_);
        std::string bytes = ctl().multiLine() ? fromWideLines(text, ctl().text()) : fromWide(text, ctl().text());
        act([this, &bytes] { ctl().userSetText(std::move(bytes)); });
    }
    void key(int code, const Act& act) override {
        act([this, code] { ctl().userKeyPress(code); });
    }
};

// The entries of a list or combo box, refilled only when they changed.
class ListAdapter : public Typed<ui::ListControl> {
public:
    ListAdapter(ui::Control& control, HWND hwnd, bool combo) : Typed(control, hwnd), combo_(combo) {}
    void refresh() override {
        auto& list = ctl();
        write([&] {
            if (list.itemsRevision() != shownRevision_ || !filled_) {
                filled_ = true;
                shownRevision_ = list.itemsRevision();
                list.takeItemChanges();
                SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
                SendMessageW(hwnd_, combo_ ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
                SendMessageW(hwnd_, combo_ ? CB_INITSTORAGE : LB_INITSTORAGE, static_cast<WPARAM>(list.listCount()),
                             static_cast<LPARAM>(list.listCount()) * 32);
                for (const auto& item : list.items())
                    SendMessageW(hwnd_, combo_ ? CB_ADDSTRING : LB_ADDSTRING, 0,
                                 reinterpret_cast<LPARAM>(toWide(item).c_str()));
                SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
                InvalidateRect(hwnd_, nullptr, TRUE);
            }
            SendMessageW(hwnd_, combo_ ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(list.listIndex()), 0);
            if (combo_ && list.editable()) {
                const std::wstring text = toWide(list.text());
                if (windowText(hwnd_) != text)
                    SetWindowTextW(hwnd_, text.c_str());
            }
        });
        refreshWindow();
    }
    void command(int code, const Act& act) override {
        if (writing_)
            return;
        auto& list = ctl();
        if (combo_) {
            if (code == CBN_SELCHANGE) {
                const int index = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
                if (index >= 0)
                    act([&list, index] { list.userSelect(index); });
            } else if (code == CBN_EDITCHANGE) {
                std::string bytes = fromWide(windowText(hwnd_), list.text());
                act([&list, &bytes] { list.userSetText(std::move(bytes)); });
            } else if (code == CBN_DROPDOWN) {
                act([&list] { list.userDropDown(); });
            }
        } else {
            const int index = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
            if (code == LBN_SELCHANGE && index >= 0)
                act([&list, index] { list.userSelect(index); });
            else if (code == LBN_DBLCLK && index >= 0)
                act([&list, index] { list.userDoubleClick(index); });
        }
    }
    void key(int code, const Act& act) override {
        auto& list = ctl();
        act([&list, code] { list.userKeyPress(code); });
    }

private:
    bool combo_;
    bool filled_ = false;
    unsigned long long shownRevision_ = 0;
};

class SliderAdapter : public Typed<ui::Slider> {
public:
    using Typed::Typed;
    void refresh() override {
        write([&] {
            SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, ctl().min());
            SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, ctl().max());
            SendMessageW(hwnd_, TBM_SETPOS, TRUE, ctl().value());
        });
        refreshWindow();
    }
    void scroll(const Act& act) override {
        if (writing_)
            return;
        const int value = static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
        if (value != ctl().value())
            act([this, value] { ctl().userSetValue(value); });
    }
};

class CalendarAdapter : public Typed<ui::MonthCalendar> {
public:
    using Typed::Typed;
    void refresh() override {
        if (const auto& date = ctl().date()) {
            SYSTEMTIME t = dateOf(*date);
            write([&] { SendMessageW(hwnd_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&t)); });
        }
        refreshWindow();
    }
    bool notify(NMHDR* header, const Act& act, LRESULT&) override {
        if (writing_ || (header->code != MCN_SELCHANGE && header->code != MCN_SELECT))
            return false;
        const int days = daysOf(reinterpret_cast<NMSELCHANGE*>(header)->stSelStart);
        if (!ctl().date() || *ctl().date() != days)
            act([this, days] { ctl().userSetDate(days); });
        return true;
    }
};

class TabsAdapter : public Typed<ui::TabControl> {
public:
    TabsAdapter(ui::Control& control, HWND hwnd, FormWindow& form) : Typed(control, hwnd), form_(form) {}
    void refresh() override {
        const auto& tabs = ctl().tabs();
        write([&] {
            for (size_t i = 0; i < tabs.size(); ++i) {
                std::wstring caption = toWide(tabs[i]);
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = caption.data();
                if (static_cast<int>(i) < TabCtrl_GetItemCount(hwnd_))
                    TabCtrl_SetItem(hwnd_, static_cast<int>(i), &item);
                else
                    TabCtrl_InsertItem(hwnd_, static_cast<int>(i), &item);
            }
            TabCtrl_SetCurSel(hwnd_, ctl().currentTab());
        });
        refreshWindow();
        const auto& pages = form_.pages(hwnd_);
        for (size_t i = 0; i < pages.size(); ++i)
            ShowWindow(pages[i], control_.visible() && static_cast<int>(i) == ctl().currentTab() ? SW_SHOWNA : SW_HIDE);
        // The tab control's body is laid out from its captions: place the pages again.
        if (!laidOut_ && !tabs.empty()) {
            laidOut_ = true;
            form_.layout();
        }
    }
    bool notify(NMHDR* header, const Act& act, LRESULT&) override {
        if (header->code != TCN_SELCHANGE || writing_)
            return false;
        const int tab = TabCtrl_GetCurSel(hwnd_);
        act([this, tab] { ctl().userSetCurrentTab(tab); });
        return true;
    }

private:
    FormWindow& form_;
    bool laidOut_ = false;
};

class TreeAdapter : public Typed<ui::TreeView> {
public:
    using Typed::Typed;
    void refresh() override {
        auto& tree = ctl();
        if (!images_) {
            images_ = ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TREE), 16, 0, CLR_NONE,
                                           IMAGE_BITMAP, LR_CREATEDIBSECTION);
            TreeView_SetImageList(hwnd_, images_, TVSIL_NORMAL);
        }
        write([&] {
            const bool rebuild = tree.revision() != shownRevision_ || items_.size() != tree.nodes().size();
            tree.takeNodeChanges();
            if (rebuild) {
                shownRevision_ = tree.revision();
                SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
                TreeView_DeleteAllItems(hwnd_);
                items_.assign(tree.nodes().size(), nullptr);
                for (size_t i = 0; i < tree.nodes().size(); ++i) {
                    const auto& node = tree.nodes()[i];
                    std::wstring text = toWide(node.text);
                    TVINSERTSTRUCTW insert{};
                    insert.hParent = node.parent > 0 ? items_[static_cast<size_t>(node.parent - 1)] : TVI_ROOT;
                    insert.hInsertAfter = TVI_LAST;
                    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
                    insert.item.pszText = text.data();
                    insert.item.lParam = static_cast<LPARAM>(i + 1);
                    insert.item.iImage = insert.item.iSelectedImage = node.image >= 1 && node.image <= 7 ? node.image - 1 : -1;
                    items_[i] = TreeView_InsertItem(hwnd_, &insert);
                }
                expanded_.assign(items_.size(), false);
            }
            for (size_t i = 0; i < items_.size(); ++i)
                if (tree.nodes()[i].expanded != expanded_[i]) {
                    expanded_[i] = tree.nodes()[i].expanded;
                    TreeView_Expand(hwnd_, items_[i], expanded_[i] ? TVE_EXPAND : TVE_COLLAPSE);
                }
            if (rebuild)
                SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
            const int selected = tree.selected();
            if (selected >= 1 && selected <= static_cast<int>(items_.size())) {
                TreeView_SelectItem(hwnd_, items_[static_cast<size_t>(selected - 1)]);
                TreeView_EnsureVisible(hwnd_, items_[static_cast<size_t>(selected - 1)]);
            }
        });
        refreshWindow();
    }
    bool notify(NMHDR* header, const Act& act, LRESULT& result) override {
        if (header->code != NM_DBLCLK || writing_)
            return false;
        TVHITTESTINFO hit{};
        GetCursorPos(&hit.pt);
        ScreenToClient(hwnd_, &hit.pt);
        HTREEITEM item = TreeView_HitTest(hwnd_, &hit);
        if (!item || !(hit.flags & TVHT_ONITEM))
            return false;
        TVITEMW data{};
        data.mask = TVIF_PARAM;
        data.hItem = item;
        TreeView_GetItem(hwnd_, &data);
        const int position = static_cast<int>(data.lParam);
        act([this, position] { ctl().userDoubleClick(position); });
        result = 1; // the double-click chose the node; the tree does not also open or close it
        return true;
    }
    void key(int code, const Act& act) override {
        // Enter on a node is its double-click, as with the mouse.
        if (code != 13)
            return;
        HTREEITEM item = TreeView_GetSelection(hwnd_);
        if (!item)
            return;
        TVITEMW data{};
        data.mask = TVIF_PARAM;
        data.hItem = item;
        TreeView_GetItem(hwnd_, &data);
        const int position = static_cast<int>(data.lParam);
        act([this, position] { ctl().userDoubleClick(position); });
    }

private:
    HIMAGELIST images_ = nullptr;
    unsigned long long shownRevision_ = ~0ULL;
    std::vector<HTREEITEM> items_;
    std::vector<bool> expanded_;
};

class DriveListAdapter : public Typed<ui::DriveList> {
public:
    using Typed::Typed;
    void refresh() override {
        auto& drives = ctl();
        write([&] {
            if (drives.drives() != shown_) {
                shown_ = drives.drives();
                SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
                for (const auto& d : shown_)
                    SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(d).c_str()));
            }
            int index = -1;
            for (size_t i = 0; i < shown_.size(); ++i)
                if (shown_[i] == drives.drive())
                    index = static_cast<int>(i);
            SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        });
        refreshWindow();
    }
    void command(int code, const Act& act) override {
        if (code != CBN_SELCHANGE || writing_)
            return;
        const int index = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        if (index >= 0 && index < static_cast<int>(shown_.size())) {
            std::string drive = shown_[static_cast<size_t>(index)];
            act([this, &drive] { ctl().userSetDrive(std::move(drive)); });
        }
    }

private:
    std::vector<std::string> shown_;
};

// The chain of folders down to the path, then its sub-folders one step further in.
class FolderListAdapter : public Typed<ui::FolderList> {
public:
    using Typed::Typed;
    void refresh() override {
        auto& folders = ctl();
        std::vector<std::string> shown{folders.path()};
        shown.insert(shown.end(), folders.subFolders().begin(), folders.subFolders().end());
        if (shown != shownFolders_) {
            shownFolders_ = std::move(shown);
            paths_.clear();
            write([&] {
                SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
                const std::string& path = folders.path();
                if (path.empty())
                    return;
                std::wstring indent;
                const auto chain = folders.chain();
                for (const auto& folder : chain) {
                    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((indent + toWide(folder.name)).c_str()));
                    paths_.push_back(folder.path);
                    indent += L"   ";
                }
                SendMessageW(hwnd_, LB_SETCURSEL, chain.size() - 1, 0);
                for (const auto& sub : folders.subFolders()) {
                    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((indent + toWide(sub)).c_str()));
                    paths_.push_back(platform::withTrailingSeparator(path) + sub);
                }
            });
        }
        refreshWindow();
    }
    void command(int code, const Act& act) override {
        if (writing_)
            return;
        auto& folders = ctl();
        if (code == LBN_SELCHANGE)
            act([&folders] { folders.userClick(); });
        else if (code == LBN_DBLCLK)
            open(act);
    }
    void key(int code, const Act& act) override {
        if (code == 13)
            open(act);
        auto& folders = ctl();
        act([&folders, code] { folders.userKeyPress(code); });
    }

private:
    void open(const Act& act) {
        const int index = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
        if (index < 0 || index >= static_cast<int>(paths_.size()))
            return;
        std::string path = paths_[static_cast<size_t>(index)];
        auto& folders = ctl();
        act([&folders, &path] { folders.userOpen(path); });
    }
    std::vector<std::string> shownFolders_;
    std::vector<std::string> paths_;
};

class FileListAdapter : public Typed<ui::FileList> {
public:
    using Typed::Typed;
    void refresh() override {
        auto& files = ctl();
        write([&] {
            if (files.names() != shown_) {
                shown_ = files.names();
                SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
                for (const auto& name : shown_)
                    SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(name).c_str()));
            }
            SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(files.listIndex()), 0);
        });
        refreshWindow();
    }
    void command(int code, const Act& act) override {
        if (writing_)
            return;
        auto& files = ctl();
        const int index = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
        if (code == LBN_SELCHANGE && index >= 0)
            act([&files, index] { files.userSelect(index); });
        else if (code == LBN_DBLCLK && index >= 0)
            act([&files, index] { files.userDoubleClick(index); });
    }
    void key(int code, const Act& act) override {
        auto& files = ctl();
        act([&files, code] { files.userKeyPress(code); });
    }

private:
    std::vector<std::string> shown_;
};

class OrbitAdapter : public Typed<ui::OrbitPicture> {
public:
    using Typed::Typed;
    void refresh() override {
        setOrbitDrawing(hwnd_, ctl().drawing());
        refreshWindow();
    }
};

} // namespace

std::unique_ptr<Adapter> makeAdapter(ui::Control& control, HWND hwnd, const std::string& widget, FormWindow& form) {
    using K = ui::ControlKind;
    const auto is = [&](std::initializer_list<const char*> kinds) {
        for (const char* k : kinds)
            if (widget == k)
                return true;
        return false;
    };
    switch (control.kind()) {
    case K::Label:
        return is({"label", "value", "note", "static"}) ? std::make_unique<LabelAdapter>(control, hwnd) : nullptr;
    case K::Image:
        return is({"image"}) ? std::make_unique<ImageAdapter>(control, hwnd) : nullptr;
    case K::Button:
        return is({"button"}) ? std::make_unique<ButtonAdapter>(control, hwnd) : nullptr;
    case K::Frame:
        return is({"group"}) ? std::make_unique<FrameAdapter>(control, hwnd) : nullptr;
    case K::TextField:
        return is({"edit", "text"}) ? std::make_unique<TextFieldAdapter>(control, hwnd) : nullptr;
    case K::ComboBox:
        return is({"combo", "combo-edit"}) ? std::make_unique<ListAdapter>(control, hwnd, true) : nullptr;
    case K::ListBox:
        return is({"list"}) ? std::make_unique<ListAdapter>(control, hwnd, false) : nullptr;
    case K::CheckBox:
        return is({"check"}) ? std::make_unique<CheckBoxAdapter>(control, hwnd) : nullptr;
    case K::OptionButton:
        return is({"option"}) ? std::make_unique<OptionAdapter>(control, hwnd) : nullptr;
    case K::Slider:
        return is({"slider"}) ? std::make_unique<SliderAdapter>(control, hwnd) : nullptr;
    case K::MonthCalendar:
        return is({"calendar"}) ? std::make_unique<CalendarAdapter>(control, hwnd) : nullptr;
    case K::TabControl:
        return is({"tabs"}) ? std::make_unique<TabsAdapter>(control, hwnd, form) : nullptr;
    case K::TreeView:
        return is({"tree"}) ? std::make_unique<TreeAdapter>(control, hwnd) : nullptr;
    case K::DriveList:
        return is({"combo"}) ? std::make_unique<DriveListAdapter>(control, hwnd) : nullptr;
    case K::FolderList:
        return is({"list"}) ? std::make_unique<FolderListAdapter>(control, hwnd) : nullptr;
    case K::FileList:
        return is({"list"}) ? std::make_unique<FileListAdapter>(control, hwnd) : nullptr;
    case K::OrbitPicture:
        return is({"orbit"}) ? std::make_unique<OrbitAdapter>(control, hwnd) : nullptr;
    case K::MenuItem:
        return nullptr;
    }
    return nullptr;
}

} // namespace vantrel::win32
