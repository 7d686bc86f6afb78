#include "core/text/NumberText.h"

#include "core/platform/GccWarnings.h"
#include "core/text/Dates.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <string>

namespace vantrel {

double leadingNumberValue(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    size_t end = i;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        const size_t expStart = j;
        while (j < n && text[j] >= '0' && text[j] <= '9')
            ++j;
        if (j > expStart)
            end = j;
    }
    std::string number(text.substr(start, end - start));
    for (char& c : number)
        if (c == 'D' || c == 'd')
            c = 'E';
    return plainNumberValue(number).value_or(0.0);
}

namespace {

// Is a text exactly what numberText gives for its value? That holds for a plain decimal without
// a sign other than "-", without a leading zero before its point or a trailing zero after it,
// of 15 significant digits at most (a double keeps 15), and between 1E-20 and 1E21, where
// numberText writes no exponent. "-0" is written "0".
bool inWrittenForm(std::string_view t) {
    const size_t n = t.size();
    size_t i = t.empty() || t[0] != '-' ? 0 : 1;
    const size_t whole = i;
    while (i < n && t[i] >= '0' && t[i] <= '9')
        ++i;
    const size_t wholeDigits = i - whole;
    if (wholeDigits == 0 || (wholeDigits > 1 && t[whole] == '0'))
        return false;
    size_t fraction = i, fractionDigits = 0;
    if (i < n && t[i] == '.') {
        fraction = ++i;
        while (i < n && t[i] >= '0' && t[i] <= '9')
            ++i;
        fractionDigits = i - fraction;
        if (fractionDigits == 0 || t[i - 1] == '0')
            return false;
    }
    if (i != n)
        return false;
    if (t[whole] != '0')
        return wholeDigits <= 15 && wholeDigits + fractionDigits <= 15;
    if (fractionDigits == 0)
        return whole == 0; // "0", not "-0"
    size_t zeros = 0;
    while (t[fraction + zeros] == '0')
        ++zeros;
    return zeros < 20 && fractionDigits - zeros <= 15;
}

} // namespace

std::string writtenNumber(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    const std::string_view t = first == std::string_view::npos ? std::string_view() : text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (inWrittenForm(t))
        return std::string(t);
    return numberText(leadingNumberValue(text));
}

std::optional<double> plainNumberValue(std::string_view number) {
    // from_chars reads a point whatever the process's locale (the desktop takes the person's
    // locale, where strtod would stop at the point of "0.5" under a comma locale).
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (number.empty() || !(std::isdigit(static_cast<unsigned char>(number.front())) || number.front() == '.'))
        return std::nullopt; // no second sign, no "inf" or "nan"
    double value = 0.0;
    const auto [stop, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (stop != number.data() + number.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too large saturates, too small is zero: the place of the first significant digit
        // against the point, moved by the exponent, tells which.
        const size_t e = std::min(number.find_first_of("eE"), number.size());
        const std::string_view mantissa = number.substr(0, e);
        const size_t point = std::min(mantissa.find('.'), mantissa.size());
        const size_t first = mantissa.find_first_of("123456789");
        long long exponent = 0;
        if (e < number.size()) {
            std::string_view exp = number.substr(e + 1);
            if (!exp.empty() && exp.front() == '+')
                exp.remove_prefix(1);
            if (std::from_chars(exp.data(), exp.data() + exp.size(), exponent).ec == std::errc::result_out_of_range)
                exponent = !exp.empty() && exp.front() == '-' ? -LLONG_MAX / 2 : LLONG_MAX / 2;
            // Far beyond any double either way, and the sum below cannot overflow.
            exponent = std::clamp(exponent, -LLONG_MAX / 2, LLONG_MAX / 2);
        }
        long long magnitude = 0;
        if (first != std::string_view::npos)
            magnitude = first < point ? static_cast<long long>(point - first) - 1
                                      : -static_cast<long long>(first - point);
        value = first != std::string_view::npos && magnitude + exponent > 0 ? DBL_MAX : 0.0;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string displayForm(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    if (value == 0.0)
        return " 0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    // buffer: d.dddddddddddddde[+-]xx
    std::string text(buffer);
    const size_t e = text.find('e');
    std::string mantissa = text.substr(0, 1) + text.substr(2, e - 2); // 15 digits
    int exponent = std::atoi(text.c_str() + e + 1);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string body;
    if (exponent >= 15 || exponent < -4) {
        body = mantissa.substr(0, 1);
        if (mantissa.size() > 1) {
            VANTREL_STRING_COPY_WARNING_OFF
            body += "." + mantissa.substr(1);
            VANTREL_STRING_COPY_WARNING_ON
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        body += exp;
    } else if (exponent < 0) {
        VANTREL_STRING_COPY_WARNING_OFF
        body = "." + std::string(static_cast<size_t>(-exponent - 1), '0') + mantissa;
        VANTREL_STRING_COPY_WARNING_ON
    } else {
        const size_t whole = static_cast<size_t>(exponent) + 1;
        if (mantissa.size() <= whole) {
            body = mantissa + std::string(whole - mantissa.size(), '0');
        } else {
            body = mantissa.substr(0, whole) + "." + mantissa.substr(whole);
        }
    }
    return (value < 0 ? "-" : " ") + body;
}

long long roundHalfEven(double value) {
    if (!std::isfinite(value))
        return 0;
    // Beyond the whole-number range the nearest representable whole number is the limit.
    constexpr double limit = 9.2e18;
    if (value >= limit)
        return static_cast<long long>(limit);
    if (value <= -limit)
        return -static_cast<long long>(limit);
    return static_cast<long long>(std::nearbyint(value)); // the default rounding mode is to even
}

} // namespace vantrel
