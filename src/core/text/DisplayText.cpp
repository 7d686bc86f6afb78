#include "core/text/DisplayText.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vantrel::text {

namespace {

// Windows-1252 at 0x80..0x9F. The five bytes the code page leaves undefined map to the C1
// control of the same value, so every byte survives a round trip.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (size_t i = 0; i < cp1252High.size(); ++i)
        if (cp1252High[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::u16string fromCp1252(const std::string& bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.push_back(b >= 0x80 && b < 0xA0 ? cp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

std::optional<std::string> toCp1252(const std::u16string& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t c : text) {
        const auto b = cp1252Byte(c);
        if (!b)
            return std::nullopt;
        bytes.push_back(static_cast<char>(*b));
    }
    return bytes;
}

bool isAscii(const std::string& bytes) {
    for (char ch : bytes)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Decodes bytes already known to be valid UTF-8.
std::u16string fromUtf8(const std::string& bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char32_t code = b;
        size_t length = 1;
        if (b >= 0xF0)
            code = b & 0x07, length = 4;
        else if (b >= 0xE0)
            code = b & 0x0F, length = 3;
        else if (b >= 0xC0)
            code = b & 0x1F, length = 2;
        for (size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(code));
        }
    }
    return text;
}

std::string toUtf8(const std::u16string& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (isHighSurrogate(code) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (isHighSurrogate(code) || isLowSurrogate(code)) {
            code = u'?';
        }
        if (code < 0x80) {
            bytes.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (code >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (code >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | (code >> 18)));
            bytes.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return bytes;
}

// CR LF and a lone CR become LF.
std::u16string crlfToLf(const std::u16string& text) {
    std::u16string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            lines.push_back(u'\n');
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            lines.push_back(text[i]);
        }
    }
    return lines;
}

} // namespace

bool isValidUtf8(const std::string& bytes) {
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned min = 0;
        unsigned code = 0;
        if ((b & 0xE0) == 0xC0) {
            length = 2, min = 0x80, code = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, min = 0x800, code = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, min = 0x10000, code = b & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<size_t>(length) > n)
            return false;
        for (int k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + static_cast<size_t>(k)]);
            if ((c & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (c & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += static_cast<size_t>(length);
    }
    return true;
}

std::u16string toDisplay(const std::string& bytes) {
    return isValidUtf8(bytes) ? fromUtf8(bytes) : fromCp1252(bytes);
}

std::string fromDisplay(const std::u16string& text, const std::string& previous) {
    if (!isAscii(previous) && !isValidUtf8(previous))
        if (auto bytes = toCp1252(text))
            return *bytes;
    return toUtf8(text);
}

std::u16string toDisplayLines(const std::string& bytes) { return crlfToLf(toDisplay(bytes)); }

std::string fromDisplayLines(const std::u16string& text, const std::string& previous) {
    std::u16string lines;
    lines.reserve(text.size());
    for (char16_t c : crlfToLf(text)) {
        if (c == u'\n')
            lines.push_back(u'\r');
        lines.push_back(c);
    }
    return fromDisplay(lines, previous);
}

} // namespace vantrel::text
