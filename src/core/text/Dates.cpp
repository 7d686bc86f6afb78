#include "core/text/Dates.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vantrel {

namespace {

constexpr long long MillisecondsPerDay = 86'400'000;

} // namespace

double dateFromMjd(double mjd) { return mjd - MjdOffset; }

double mjdFromDate(double date) { return date + MjdOffset; }

double mjdFromJulianDate(double jd) { return jd - 2400000.5; }

double mjdFromJulianEpoch(double years) { return 51544.5 + (years - 2000.0) * 365.25; }

int dayFromCivil(int year, int month, int dayOfMonth) {
    // Days from 1970-01-01 by the usual era arithmetic, then moved to 1899-12-30.
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yoe = year - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + dayOfMonth - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int fromUnixEpoch = era * 146097 + doe - 719468;
    return fromUnixEpoch + 25569;
}

CivilDate civilFromDay(int day) {
    const int z = day - 25569 + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    CivilDate c;
    c.day = doy - (153 * mp + 2) / 5 + 1;
    c.month = mp + (mp < 10 ? 3 : -9);
    c.year = yoe + era * 400 + (c.month <= 2 ? 1 : 0);
    return c;
}

std::optional<DayTime> splitDate(double date) {
    static const double first = dayFromCivil(100, 1, 1);
    static const double pastLast = dayFromCivil(10000, 1, 1);
    if (!std::isfinite(date) || date < first || date >= pastLast)
        return std::nullopt;
    double whole = std::floor(date);
    long long ms = std::llround((date - whole) * MillisecondsPerDay);
    if (ms >= MillisecondsPerDay) {
        whole += 1;
        ms -= MillisecondsPerDay;
    }
    if (whole >= pastLast)
        return std::nullopt;
    DayTime t;
    t.day = static_cast<int>(whole);
    t.hour = static_cast<int>(ms / 3'600'000);
    t.minute = static_cast<int>(ms % 3'600'000 / 60'000);
    return t;
}

double mjdFromDayTime(int day, double hour, double minute) {
    return day + MjdOffset + hour / 24.0 + minute / 24.0 / 60.0;
}

std::string numberText(double value) {
    if (!std::isfinite(value))
        return "0";
    // The same digits as printf's "%.14e", without the locale and fast: a huge scenario writes a
    // hundred thousand numbers, so the text is put together in place.
    char buffer[64];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    const char* e = std::find(p, static_cast<const char*>(written.ptr), 'e');
    // The significant digits, without the point and without trailing zeros.
    char digits[24];
    size_t n = 0;
    digits[n++] = *p;
    for (const char* q = p + 2; q < e && n < sizeof digits; ++q)
        digits[n++] = *q;
    while (n > 1 && digits[n - 1] == '0')
        --n;
    if (n == 1 && digits[0] == '0')
        return "0";
    int exponent = 0;
    std::from_chars(e + 2, written.ptr, exponent);
    if (e[1] == '-')
        exponent = -exponent;

    char out[64];
    size_t k = 0;
    auto put = [&](const char* from, size_t count) {
        std::copy(from, from + count, out + k);
        k += count;
    };
    if (negative)
        out[k++] = '-';
    if (exponent > 20 || exponent < -20) {
        // Too far from 1 to write out in full: an exponent the simulator reads as well.
        out[k++] = digits[0];
        if (n > 1) {
            out[k++] = '.';
            put(digits + 1, n - 1);
        }
        out[k++] = 'e';
        k = static_cast<size_t>(std::to_chars(out + k, out + sizeof out, exponent).ptr - out);
    } else if (exponent < 0) {
        out[k++] = '0';
        out[k++] = '.';
        for (int z = 0; z < -exponent - 1; ++z)
            out[k++] = '0';
        put(digits, n);
    } else {
        const size_t whole = static_cast<size_t>(exponent) + 1;
        if (n <= whole) {
            put(digits, n);
            for (size_t z = n; z < whole; ++z)
                out[k++] = '0';
        } else {
            put(digits, whole);
            out[k++] = '.';
            put(digits + whole, n - whole);
        }
    }
    return std::string(out, k);
}

} // namespace vantrel
