#pragma once

// The one place where numbers become text and text becomes numbers.

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The number a text begins with after leading blanks, 0 when it does not begin with one. A
// sign, a decimal point and a decimal exponent ("1E3") belong to the number; the rest of the
// text is ignored ("12.5 %" gives 12.5). Values beyond the double range saturate.
double leadingNumberValue(std::string_view text);

// The text the scenario writer gives the number a text begins with: numberText of its leading
// value. A text already in that form, as most are when a file is saved again ("0.75", "-12"),
// is its own answer without being read and formatted again.
std::string writtenNumber(std::string_view text);

// The value of a text that is a decimal number and nothing else ("-1.5", "+2", "2E3", ".5";
// a point whatever the locale), nothing when it is not one; beyond the double range it
// saturates.
std::optional<double> plainNumberValue(std::string_view number);

// The display form of a number: a full stop as decimal point, at most 15 significant digits,
// no zero before the point of a number between -1 and 1, an exponent ("2E+15", "1E-05") for
// magnitudes of 1E+15 and more or below 1E-4 (about), a minus sign before a negative number
// and one blank before any other: 50 gives " 50", 0.5 gives " .5", -0.25 gives "-.25".
std::string displayForm(double value);

// Rounds to the nearest whole number, halves to the even one (2.5 gives 2, 3.5 gives 4).
long long roundHalfEven(double value);

} // namespace vantrel
