#pragma once

// The orbit picture on Windows: a child window of the class OrbitPictureClass that paints an
// orbit drawing of the core with GDI, as the Qt desktop paints it: the plane scaled to the
// window, the body, its atmosphere, the orbit and its marks in the system's colours, the
// figures in the corner.

#include "core/ui/OrbitPicture.h"

#include <windows.h>

namespace vantrel::win32 {

inline constexpr const wchar_t* OrbitPictureClass = L"VantrelOrbitPicture";

// Registers the window class once per program; later calls do nothing.
void registerOrbitPictureClass(HINSTANCE instance);

// Gives the window its drawing (a copy, kept until the window is destroyed) and repaints it.
void setOrbitDrawing(HWND picture, const ui::OrbitDrawing& drawing);

} // namespace vantrel::win32
