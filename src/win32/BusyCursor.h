#pragma once

// The busy pointer of the Windows desktop. Long work runs on the one thread without reading
// messages, so the pointer set when it starts stays until it ends; while messages are read
// (a box shown during the work), the program's windows keep it by answering WM_SETCURSOR
// with keepBusyCursor.

#include <windows.h>

namespace vantrel::win32 {

// Calls nest: the first `true` shows the wait pointer, the `false` that matches it restores
// the pointer that was shown before. A `false` without its `true` does nothing.
void setBusyCursor(bool busy);

// Whether the wait pointer is wanted now.
bool busyCursorActive();

// For a window procedure's WM_SETCURSOR, given its lParam: while busy and over the client
// area, shows the wait pointer and returns true (the procedure then returns TRUE); otherwise
// returns false and the procedure lets DefWindowProc choose.
bool keepBusyCursor(LPARAM setCursorParam);

// Shows the normal pointer for the life of the object while busy, for a box that asks the
// person something in the middle of long work.
class ArrowWhileAsking {
public:
    ArrowWhileAsking();
    ~ArrowWhileAsking();
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

private:
    HCURSOR shown_ = nullptr;
};

} // namespace vantrel::win32
