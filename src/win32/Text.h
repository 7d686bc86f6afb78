#pragma once

// The core's bytes as the wide text of Windows controls and back, by the same rules as the Qt
// desktop (core/text/DisplayText.h): UTF-8 when valid, Windows-1252 otherwise, and back in the
// form the control held before.

#include <string>

namespace vantrel::win32 {

std::wstring toWide(const std::string& bytes);
// `previous` is what the control held before the person typed (see text::fromDisplay).
std::string fromWide(const std::wstring& text, const std::string& previous = {});

// For multi-line EDIT controls and message boxes, which break lines with CR LF themselves: a
// line break of the bytes (CR LF, CR or LF) is CR LF on the screen, and each break read back
// from the control is CR LF in the bytes, as the files have them. (An EDIT control must not
// mark its soft breaks, EM_FMTLINES: their CR CR LF would come back as breaks.)
std::wstring toWideLines(const std::string& bytes);
std::string fromWideLines(const std::wstring& text, const std::string& previous = {});

} // namespace vantrel::win32
