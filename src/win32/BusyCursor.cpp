#include "BusyCursor.h"

namespace vantrel::win32 {

namespace {

int depth = 0;
int asking = 0;
HCURSOR before = nullptr;

HCURSOR waitCursor() { return LoadCursorW(nullptr, IDC_WAIT); }

// The window under the pointer chooses its pointer again, as after a move of the mouse.
void refreshCursor() {
    POINT at;
    if (GetCursorPos(&at))
        SetCursorPos(at.x, at.y);
}

} // namespace

void setBusyCursor(bool busy) {
    if (busy) {
        if (++depth == 1)
            before = SetCursor(waitCursor());
    } else if (depth > 0 && --depth == 0) {
        SetCursor(before ? before : LoadCursorW(nullptr, IDC_ARROW));
        before = nullptr;
        refreshCursor();
    }
}

bool busyCursorActive() { return depth > 0 && asking == 0; }

bool keepBusyCursor(LPARAM setCursorParam) {
    if (!busyCursorActive() || LOWORD(setCursorParam) != HTCLIENT)
        return false;
    SetCursor(waitCursor());
    return true;
}

ArrowWhileAsking::ArrowWhileAsking() {
    ++asking;
    if (depth > 0)
        shown_ = SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

ArrowWhileAsking::~ArrowWhileAsking() {
    --asking;
    if (shown_ && busyCursorActive())
        SetCursor(shown_);
}

} // namespace vantrel::win32
