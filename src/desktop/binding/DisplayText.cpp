#include "binding/DisplayText.h"

#include "core/text/DisplayText.h"

namespace vantrel::desktop {

namespace {

QString toQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string fromQString(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

} // namespace

bool isValidUtf8(const std::string& bytes) { return text::isValidUtf8(bytes); }

QString toDisplay(const std::string& bytes) { return toQString(text::toDisplay(bytes)); }

std::string fromDisplay(const QString& text, const std::string& previous) {
    return text::fromDisplay(fromQString(text), previous);
}

QString toDisplayLines(const std::string& bytes) { return toQString(text::toDisplayLines(bytes)); }

std::string fromDisplayLines(const QString& text, const std::string& previous) {
    return text::fromDisplayLines(fromQString(text), previous);
}

} // namespace vantrel::desktop
