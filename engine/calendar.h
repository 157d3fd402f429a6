// Day numbers: whole days since 1970-01-01 (day 0) in the proleptic
// Gregorian calendar, negative before it. Years are astronomical (year 0 is
// 1 BC and a leap year).
#pragma once

#include <cstdint>

// The day number of a date. Fields are not validated: a day past the month's
// end runs into the next month, month 13 is January of the next year.
int64_t days_from_civil(int32_t year, int32_t month, int32_t day);

// Writes the day's date as "%04lld-%02lld-%02lld" into text, cut to the
// capacity. A day number too close to the ends of the 64-bit range for the
// calendar arithmetic is written as "--".
void format_day_number(int64_t day_number, char16_t* text, int capacity);
