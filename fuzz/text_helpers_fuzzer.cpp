// The field helpers and the number forms: every value read from a file passes through them.

#include "core/text/Dates.h"
#include "core/text/NumberText.h"
#include "core/text/TextHelpers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantrel;
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string clean = ClearComments(text);
    if (clean.size() > text.size() || clean.find(';') != std::string::npos)
        std::abort();
    if (ClearComments(clean) != clean)
        std::abort();

    // The digits glued together come back as the whole number they make; past 15 significant
    // digits that number is no longer exact and comes back in its E form.
    std::string glued;
    for (char c : text)
        if (c >= '0' && c <= '9' && (c != '0' || !glued.empty()))
            glued.push_back(c);
    const std::string digits = GetNumberValue(text);
    if (glued.size() <= 15) {
        if (digits != (glued.empty() ? "0" : glued))
            std::abort();
    } else {
        const double exact = std::strtod(glued.c_str(), nullptr);
        if (std::fabs(leadingNumberValue(digits) - exact) > exact * 1e-14)
            std::abort();
    }

    IsANumber(text);

    const double value = leadingNumberValue(text);
    const std::string shown = displayForm(value);
    if (shown.empty())
        std::abort();
    // What is shown reads back as the number shown (to its 15 digits).
    if (std::isfinite(value) && value != 0) {
        const double back = leadingNumberValue(shown);
        if (std::fabs(back - value) > std::fabs(value) * 1e-14)
            std::abort();
    }
    roundHalfEven(value);
    // The writer's short way for a number already in its written form gives the long way's text.
    if (writtenNumber(text) != numberText(value))
        std::abort();

    // Any bit pattern as a number, infinities and NaN included.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        displayForm(raw);
        roundHalfEven(raw);
    }
    return 0;
}
