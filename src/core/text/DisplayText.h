#pragma once

// The core keeps file text as the bytes read; the screen shows Unicode. Scenario files written
// on Windows are often in the Windows-1252 code page, newer ones in UTF-8, so the bytes are
// shown as UTF-8 when they are valid UTF-8 and as Windows-1252 otherwise, and a text typed by
// a person goes back in the form the control held before. Untouched text always comes back as
// the very bytes it came from. Both desktops convert through these, the Qt one to QString and
// the Windows one to wide strings, so both show and store the same.

#include <string>

namespace vantrel::text {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(const std::string& bytes);

// The UTF-16 text shown for the bytes a control holds.
std::u16string toDisplay(const std::string& bytes);

// The bytes for a text shown. `previous` is what the control held before: when it was
// Windows-1252 (not valid UTF-8) and every character can be written in that code page, the
// result is Windows-1252 too; otherwise UTF-8. A lone surrogate, which UTF-8 cannot hold,
// becomes "?", as Qt writes it.
std::string fromDisplay(const std::u16string& text, const std::string& previous = {});

// Multi-line text fields hold their line breaks as CR LF, as the files do. The shown text has
// LF alone; back from the screen, CR LF, a lone CR and a lone LF each become CR LF.
std::u16string toDisplayLines(const std::string& bytes);
std::string fromDisplayLines(const std::u16string& text, const std::string& previous = {});

} // namespace vantrel::text
