#include "core/scenario/Description.h"

#include "core/platform/TextFile.h"
#include "core/text/TextHelpers.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

namespace vantrel {

namespace {

// "BEGIN_<marker>" in the first column, in any letter case, with nothing but blanks after it.
bool opensBlock(std::string_view line, std::string_view marker) {
    const std::string_view begin = "BEGIN_";
    if (line.size() < begin.size() + marker.size() || !startsWithIgnoringCase(line, begin) ||
        !equalsIgnoringCase(line.substr(begin.size(), marker.size()), marker))
        return false;
    return trimmed(line.substr(begin.size() + marker.size())).empty();
}

bool closesBlock(std::string_view line, std::string_view marker) {
    const std::string_view text = trimmed(line);
    return text.size() == 4 + marker.size() && startsWithIgnoringCase(text, "END_") &&
           equalsIgnoringCase(text.substr(4), marker);
}

struct Block {
    std::string_view marker;
    size_t first = 0;
    size_t last = 0;
};

// The first block opened by one of the markers, from its BEGIN_ line to its END_ line.
std::optional<Block> firstBlock(const std::vector<std::string_view>& lines,
                                std::initializer_list<std::string_view> markers) {
    for (size_t i = 0; i < lines.size(); ++i)
        for (std::string_view marker : markers) {
            if (!opensBlock(lines[i], marker))
                continue;
            size_t last = i + 1;
            while (last < lines.size() && !closesBlock(lines[last], marker))
                ++last;
            return Block{marker, i, std::min(last, lines.size() - 1)};
        }
    return std::nullopt;
}

// The lines of the first block opened by one of the markers, found line by line without cutting
// the whole file: a huge scenario has a description at its top, or none at all.
std::optional<Block> firstBlockOf(std::string_view bytes, std::initializer_list<std::string_view> markers,
                                  std::vector<std::string_view>& lines) {
    lines.clear();
    std::string_view opened;
    for (size_t start = 0; start < bytes.size();) {
        const std::string_view line = platform::nextLine(bytes, start);
        if (opened.empty()) {
            for (std::string_view marker : markers)
                if (opensBlock(line, marker)) {
                    opened = marker;
                    lines.push_back(line);
                    break;
                }
            continue;
        }
        lines.push_back(line);
        if (closesBlock(line, opened))
            break;
    }
    return firstBlock(lines, markers);
}

// The line end that follows a line of the text: CR LF, LF, CR or none.
std::string_view lineEndAfter(std::string_view bytes, std::string_view line) {
    const size_t end = static_cast<size_t>(line.data() - bytes.data()) + line.size();
    if (end < bytes.size() && bytes[end] == '\r')
        return end + 1 < bytes.size() && bytes[end + 1] == '\n' ? bytes.substr(end, 2) : bytes.substr(end, 1);
    if (end < bytes.size() && bytes[end] == '\n')
        return bytes.substr(end, 1);
    return {};
}

size_t offsetOf(std::string_view bytes, std::string_view line) {
    return static_cast<size_t>(line.data() - bytes.data());
}

std::string mostCommonLineEnd(std::string_view bytes, const std::vector<std::string_view>& lines) {
    size_t crlf = 0, lf = 0, cr = 0;
    for (std::string_view line : lines) {
        const std::string_view end = lineEndAfter(bytes, line);
        crlf += end == "\r\n";
        lf += end == "\n";
        cr += end == "\r";
    }
    if (lf > crlf && lf >= cr)
        return "\n";
    if (cr > crlf && cr > lf)
        return "\r";
    return "\r\n";
}

// The lines of a description text; a line break at its end does not begin another line.
std::vector<std::string_view> textLines(std::string_view text) { return platform::lineViews(text); }

void appendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The entity's text (between "&" and ";") decoded into out; false when it is not one.
bool decodeEntity(std::string_view name, std::string& out) {
    static const std::pair<std::string_view, uint32_t> named[] = {
        {"amp", '&'},     {"lt", '<'},      {"gt", '>'},      {"quot", '"'},   {"apos", '\''},
        {"nbsp", 0xA0},   {"copy", 0xA9},   {"reg", 0xAE},    {"deg", 0xB0},   {"eacute", 0xE9},
        {"egrave", 0xE8}, {"auml", 0xE4},   {"ouml", 0xF6},   {"uuml", 0xFC},  {"szlig", 0xDF},
        {"ndash", 0x2013}, {"mdash", 0x2014}, {"hellip", 0x2026}, {"rsquo", 0x2019}, {"lsquo", 0x2018},
        {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"times", 0xD7}, {"micro", 0xB5}, {"plusmn", 0xB1}};
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 7)
            return false;
        uint32_t code = 0;
        for (char c : digits) {
            int d = -1;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0)
                return false;
            code = code * (hex ? 16 : 10) + static_cast<uint32_t>(d);
        }
        if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        appendUtf8(out, code);
        return true;
    }
    for (const auto& [entity, code] : named)
        if (name == entity) {
            appendUtf8(out, code);
            return true;
        }
    return false;
}

} // namespace

std::optional<std::pair<size_t, size_t>> descriptionBlockLines(const std::vector<std::string_view>& lines) {
    const std::optional<Block> block = firstBlock(lines, {"DESC"});
    if (!block)
        return std::nullopt;
    return std::make_pair(block->first, block->last);
}

std::optional<size_t> htmlBlockEnd(const std::vector<std::string_view>& lines) {
    const std::optional<Block> block = firstBlock(lines, {"HYPERDESC", "URLDESC"});
    if (!block)
        return std::nullopt;
    return block->last;
}

std::string descriptionOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::string text;
    const auto block = firstBlockOf(bytes, {"DESC"}, lines);
    if (!block)
        return text;
    for (size_t i = block->first + 1; i <= block->last; ++i) {
        if (i == block->last && closesBlock(lines[i], "DESC"))
            break;
        text += lines[i];
        text += "\r\n";
    }
    return text;
}

std::string plainTextOfHtml(std::string_view html) {
    std::string out;
    out.reserve(html.size());
    bool inTag = false;
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (inTag) {
            inTag = c != '>';
            continue;
        }
        if (c == '<') {
            inTag = true;
            continue;
        }
        if (c == '&') {
            const size_t end = html.find(';', i + 1);
            if (end != std::string_view::npos && end - i <= 10 && decodeEntity(html.substr(i + 1, end - i - 1), out)) {
                i = end;
                continue;
            }
        }
        out += c;
    }
    return out;
}

HtmlDescription htmlDescriptionOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    HtmlDescription result;
    const std::optional<Block> block = firstBlockOf(bytes, {"HYPERDESC", "URLDESC"}, lines);
    if (!block)
        return result;
    size_t last = block->last;
    if (last > block->first && closesBlock(lines[last], block->marker))
        --last;
    if (block->marker == "URLDESC") {
        result.kind = HtmlDescription::Kind::Url;
        for (size_t i = block->first + 1; i <= last && i < lines.size(); ++i)
            if (!trimmed(lines[i]).empty()) {
                result.text = std::string(trimmed(lines[i]));
                break;
            }
        return result;
    }
    result.kind = HtmlDescription::Kind::Hyper;
    std::string html;
    for (size_t i = block->first + 1; i <= last && i < lines.size(); ++i) {
        html += lines[i];
        html += '\n';
    }
    // Lines that only held tags leave nothing at either end of the text.
    const std::string text = plainTextOfHtml(html);
    std::vector<std::string> plain;
    for (std::string_view line : platform::lineViews(text))
        plain.push_back(trimRight(line));
    size_t from = 0, to = plain.size();
    while (from < to && trimmed(plain[from]).empty())
        ++from;
    while (to > from && trimmed(plain[to - 1]).empty())
        --to;
    for (size_t i = from; i < to; ++i) {
        result.text += plain[i];
        if (i + 1 < to)
            result.text += "\r\n";
    }
    return result;
}

std::string descriptionBlock(const std::string& text) {
    std::string block = "BEGIN_DESC\r\n";
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            block += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            block += "\r\n";
        } else {
            block += c;
        }
    }
    if (text.empty() || (text.back() != '\n' && text.back() != '\r'))
        block += "\r\n";
    block += "END_DESC\r\n";
    return block;
}

std::string withDescription(std::string_view bytes, std::string_view text) {
    const std::vector<std::string_view> lines = platform::lineViews(bytes);
    std::string out;
    out.reserve(bytes.size() + text.size() + 32);
    if (const auto block = descriptionBlockLines(lines)) {
        // The same text: the file as it is, its line ends included.
        std::string same;
        for (std::string_view line : textLines(text)) {
            same += line;
            same += "\r\n";
        }
        if (same == descriptionOf(bytes))
            return std::string(bytes);
        const auto [first, last] = *block;
        const bool closed = last > first && closesBlock(lines[last], "DESC");
        std::string eol(lineEndAfter(bytes, lines[first]));
        if (eol.empty())
            eol = mostCommonLineEnd(bytes, lines);
        // Up to the BEGIN_DESC line and its end, as read.
        out.append(bytes.substr(0, offsetOf(bytes, lines[first]) + lines[first].size()));
        out += eol;
        for (std::string_view line : textLines(text)) {
            out += line;
            out += eol;
        }
        if (closed) {
            out.append(bytes.substr(offsetOf(bytes, lines[last])));
        } else {
            // The block ran to the end of the file: it gets its end line there.
            out += "END_DESC";
            if (!lineEndAfter(bytes, lines.back()).empty())
                out += eol;
        }
        return out;
    }
    const std::string eol = mostCommonLineEnd(bytes, lines);
    std::string block = "BEGIN_DESC" + eol;
    for (std::string_view line : textLines(text)) {
        block += line;
        block += eol;
    }
    block += "END_DESC";
    if (const std::optional<size_t> html = htmlBlockEnd(lines)) {
        const std::string_view after = lines[*html];
        const std::string_view afterEnd = lineEndAfter(bytes, after);
        const size_t split = offsetOf(bytes, after) + after.size() + afterEnd.size();
        out.append(bytes.substr(0, split));
        // The HTML block was the last line and had no line end: it gets one, and the new block
        // ends the file the same way.
        if (afterEnd.empty()) {
            out += eol;
            out += block;
        } else {
            out += block;
            out += eol;
        }
        out.append(bytes.substr(split));
        return out;
    }
    out += block;
    out += eol;
    out.append(bytes);
    return out;
}

} // namespace vantrel
