#include "binding/DisplayText.h"

#include <array>
#include <optional>

namespace vantrel::desktop {

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

QString fromCp1252(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text.append(QChar(b >= 0x80 && b < 0xA0 ? cp1252High[b - 0x80] : char16_t(b)));
    }
    return text;
}

std::optional<std::string> toCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        const auto b = cp1252Byte(c.unicode());
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

QString crlfToLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
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

QString toDisplay(const std::string& bytes) {
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return fromCp1252(bytes);
}

std::string fromDisplay(const QString& text, const std::string& previous) {
    if (!isAscii(previous) && !isValidUtf8(previous))
        if (auto bytes = toCp1252(text))
            return *bytes;
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}

QString toDisplayLines(const std::string& bytes) { return crlfToLf(toDisplay(bytes)); }

std::string fromDisplayLines(const QString& text, const std::string& previous) {
    QString lines = crlfToLf(text);
    lines.replace(QChar('\n'), QStringLiteral("\r\n"));
    return fromDisplay(lines, previous);
}

} // namespace vantrel::desktop
