#pragma once

// Dates as the program holds them: a real number of days since 1899-12-30 00:00, the whole
// part being the calendar day and the fraction the time of day. Scenario files count in
// Modified Julian Date (MJD = date + 15018).

#include <optional>
#include <string>

namespace vantrel {

inline constexpr double MjdOffset = 15018.0;

double dateFromMjd(double mjd);
double mjdFromDate(double date);
// A Julian Date as MJD.
double mjdFromJulianDate(double jd);
// A Julian epoch in years (2000.0 is 1 January 2000, 12:00) as MJD.
double mjdFromJulianEpoch(double years);

// A calendar day with an hour and a minute of that day.
struct DayTime {
    int day = 0; // days since 1899-12-30
    int hour = 0;
    int minute = 0;
};

// Splits a date into day, hour and minute. The time of day is rounded to the nearest
// millisecond first, so a time written with 15 significant digits reads back to the minute it
// was written from; the seconds are then dropped (10:31:45 gives 10:31). Nothing for a value
// outside the years 100 to 9999 or that is not a number.
std::optional<DayTime> splitDate(double date);

// The MJD of a calendar day at an hour and minute.
double mjdFromDayTime(int day, double hour, double minute);

// The calendar day of a date of the Gregorian calendar, and back.
int dayFromCivil(int year, int month, int dayOfMonth);
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};
CivilDate civilFromDay(int day);

// The text the scenario writer gives a number: rounded to 15 significant digits, a point as
// decimal separator, no trailing zeros and no trailing point (51544.5, 51544, 0.5, -0.3).
std::string numberText(double value);

} // namespace vantrel
