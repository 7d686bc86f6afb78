#include "Text.h"

#include "core/text/DisplayText.h"

namespace vantrel::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 code units");

namespace {

std::wstring wideOf(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::u16string utf16Of(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

} // namespace

std::wstring toWide(const std::string& bytes) { return wideOf(text::toDisplay(bytes)); }

std::string fromWide(const std::wstring& text, const std::string& previous) {
    return text::fromDisplay(utf16Of(text), previous);
}

std::wstring toWideLines(const std::string& bytes) {
    std::wstring lines;
    for (char16_t c : text::toDisplayLines(bytes)) {
        if (c == u'\n')
            lines.push_back(L'\r');
        lines.push_back(static_cast<wchar_t>(c));
    }
    return lines;
}

std::string fromWideLines(const std::wstring& text, const std::string& previous) {
    return text::fromDisplayLines(utf16Of(text), previous);
}

} // namespace vantrel::win32
