#pragma once

// Command lines for the tests that run the real programs through the shell.

#include <string>

namespace vantrel::test {

// The text as one word of a POSIX shell command: in single quotes, a quote inside spelled '\''.
inline std::string quoted(const std::string& text) {
    std::string q = "'";
    for (char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace vantrel::test
