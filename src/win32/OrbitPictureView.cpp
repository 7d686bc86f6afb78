#include "OrbitPictureView.h"

#include "BusyCursor.h"
#include "Text.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantrel::win32 {

namespace {

// Far beyond any window, near enough for GDI's coordinates: a mark far out of the picture
// (a vessel on an open orbit long gone) stays out of it.
constexpr double CoordinateLimit = 1e7;

int device(double v) { return static_cast<int>(std::lround(std::clamp(v, -CoordinateLimit, CoordinateLimit))); }

ui::OrbitDrawing* drawingOf(HWND window) {
    return reinterpret_cast<ui::OrbitDrawing*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

HFONT messageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

// A disc of this radius in pixels around a point, in the brush selected, without an outline.
void fillDisc(HDC dc, double x, double y, double radius) {
    Ellipse(dc, device(x - radius), device(y - radius), device(x + radius) + 1, device(y + radius) + 1);
}

void paint(HWND window, HDC dc, const RECT& area) {
    const ui::OrbitDrawing* d = drawingOf(window);
    const UINT dpi = std::max<UINT>(GetDpiForWindow(window), 1);
    // The Qt desktop's sizes are device-independent pixels.
    const double px = dpi / 96.0;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;

    const COLORREF base = GetSysColor(COLOR_WINDOW);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF mid = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF link = GetSysColor(COLOR_HOTLIGHT);
    // The system has no warning colour; the usual red shows a warning.
    const COLORREF warning = RGB(255, 0, 0);

    HBRUSH background = CreateSolidBrush(base);
    FillRect(dc, &area, background);
    DeleteObject(background);
    if (!d)
        return;

    const int saved = SaveDC(dc);
    if (d->extent > 0) {
        // The plane's metres to pixels: the square of half-width `extent` fills the shorter side,
        // north (+y) up.
        const double scale = std::min(width, height) / (2.0 * d->extent);
        const double cx = width / 2.0;
        const double cy = height / 2.0;
        auto atX = [&](double x) { return cx + x * scale; };
        auto atY = [&](double y) { return cy - y * scale; };

        if (d->atmosphereRadius > 0) {
            LOGBRUSH brush{BS_SOLID, highlight, 0};
            const auto w = static_cast<DWORD>(std::max(1.0, std::round(px)));
            const DWORD dashes[] = {4 * w, 2 * w};
            HPEN dash = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, w, &brush, 2, dashes);
            SelectObject(dc, dash);
            SelectObject(dc, GetStockObject(NULL_BRUSH));
            const double r = d->atmosphereRadius * scale;
            Ellipse(dc, device(cx - r), device(cy - r), device(cx + r), device(cy + r));
            SelectObject(dc, GetStockObject(NULL_PEN));
            DeleteObject(dash);
        }
        SelectObject(dc, GetStockObject(NULL_PEN));
        SelectObject(dc, GetStockObject(DC_BRUSH));
        SetDCBrushColor(dc, mid);
        fillDisc(dc, cx, cy, d->bodyRadius * scale);

        if (!d->outline.empty()) {
            std::vector<POINT> outline;
            outline.reserve(d->outline.size());
            for (const auto& point : d->outline)
                outline.push_back({device(atX(point.x)), device(atY(point.y))});
            LOGBRUSH brush{BS_SOLID, text, 0};
            const auto w = static_cast<DWORD>(std::max(1.0, std::round(1.5 * px)));
            HPEN line = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, w, &brush, 0, nullptr);
            SelectObject(dc, line);
            Polyline(dc, outline.data(), static_cast<int>(outline.size()));
            SelectObject(dc, GetStockObject(NULL_PEN));
            DeleteObject(line);
        }

        auto mark = [&](const std::optional<ui::OrbitDrawing::Point>& point, COLORREF colour, double size) {
            if (!point)
                return;
            SetDCBrushColor(dc, colour);
            fillDisc(dc, atX(point->x), atY(point->y), size * px);
        };
        mark(d->periapsis, highlight, 3);
        mark(d->apoapsis, highlight, 3);
        mark(d->vessel, link, 4.5);
    }

    HFONT font = messageFont(dpi);
    SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int lineSpacing = metrics.tmHeight + metrics.tmExternalLeading;
    int y = device(4 * px);
    for (const auto& label : d->labels) {
        SetTextColor(dc, label.warning ? warning : text);
        const std::wstring shown = toWide(label.text);
        TextOutW(dc, device(6 * px), y, shown.c_str(), static_cast<int>(shown.size()));
        y += lineSpacing;
    }
    RestoreDC(dc, saved);
    if (font)
        DeleteObject(font);
}

// Paints into a bitmap first and copies it to the window at once, so a repaint does not flicker.
void paintBuffered(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT area;
    GetClientRect(window, &area);
    if (area.right > 0 && area.bottom > 0) {
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, area.right, area.bottom);
        if (memory && bitmap) {
            HGDIOBJ old = SelectObject(memory, bitmap);
            paint(window, memory, area);
            BitBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
        } else {
            paint(window, dc, area);
        }
        if (bitmap)
            DeleteObject(bitmap);
        if (memory)
            DeleteDC(memory);
    }
    EndPaint(window, &ps);
}

LRESULT CALLBACK orbitPictureProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the paint covers the whole window
    case WM_PAINT:
        paintBuffered(window);
        return 0;
    case WM_DPICHANGED_AFTERPARENT:
        // The marks and the text follow the DPI. (A new size repaints all by the class style:
        // the scale follows the shorter side.)
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_SETCURSOR:
        if (keepBusyCursor(lParam))
            return TRUE;
        break;
    case WM_NCDESTROY:
        delete drawingOf(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

void registerOrbitPictureClass(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, OrbitPictureClass, &existing))
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = orbitPictureProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = OrbitPictureClass;
    RegisterClassExW(&windowClass);
}

void setOrbitDrawing(HWND picture, const ui::OrbitDrawing& drawing) {
    // Another window's user data is not a drawing.
    wchar_t className[64] = {};
    if (!GetClassNameW(picture, className, 64) || lstrcmpiW(className, OrbitPictureClass) != 0)
        return;
    if (ui::OrbitDrawing* kept = drawingOf(picture))
        *kept = drawing;
    else
        SetWindowLongPtrW(picture, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ui::OrbitDrawing(drawing)));
    InvalidateRect(picture, nullptr, FALSE);
}

} // namespace vantrel::win32
