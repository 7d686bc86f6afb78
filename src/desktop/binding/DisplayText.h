#pragma once

// The core keeps file text as the bytes read; the screen shows Unicode. Scenario files written
// on Windows are often in the Windows-1252 code page, newer ones in UTF-8, so the bytes are
// shown as UTF-8 when they are valid UTF-8 and as Windows-1252 otherwise, and a text typed by
// a person goes back in the form the control held before. Untouched text always comes back as
// the very bytes it came from.

#include <QString>

#include <string>

namespace vantrel::desktop {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(const std::string& bytes);

// The text a widget shows for the bytes a control holds.
QString toDisplay(const std::string& bytes);

// The bytes for a text a widget shows. `previous` is what the control held before: when it
// was Windows-1252 (not valid UTF-8) and every character can be written in that code page,
// the result is Windows-1252 too; otherwise UTF-8.
std::string fromDisplay(const QString& text, const std::string& previous = {});

// Multi-line text fields hold their line breaks as CR LF, as the files do; the widgets use LF.
QString toDisplayLines(const std::string& bytes);
std::string fromDisplayLines(const QString& text, const std::string& previous = {});

} // namespace vantrel::desktop
