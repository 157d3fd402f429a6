// Era arithmetic: the calendar repeats every 400 years (146097 days), and a
// year is counted from 1 March so the leap day falls at its end.
#include "engine/calendar.h"

#include <limits>

#include "engine/text.h"

namespace {

constexpr int64_t kDaysTo1970 = 719468;  // 0000-03-01 to 1970-01-01
constexpr int64_t kDaysPerEra = 146097;

static_assert(sizeof(int64_t) == 8, "day numbers are 64-bit");

}  // namespace

int64_t days_from_civil(int32_t year, int32_t month, int32_t day) {
    // 64-bit throughout, so that no field value overflows.
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;                             // [0, 399]
    const int64_t mp = month > 2 ? int64_t{month} - 3 : int64_t{month} + 9;  // [0, 11] for real months
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;              // [0, 365] for real dates
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;     // [0, 146096]
    return era * kDaysPerEra + doe - kDaysTo1970;
}

void format_day_number(int64_t day_number, char16_t* text, int capacity) {
    constexpr int64_t lowest = std::numeric_limits<int64_t>::min() + kDaysTo1970 + kDaysPerEra;
    constexpr int64_t highest = std::numeric_limits<int64_t>::max() - kDaysTo1970;
    if (day_number < lowest || day_number > highest) {
        text_copy(text, capacity, u"--");
        return;
    }
    const int64_t z = day_number + kDaysTo1970;
    const int64_t era = (z >= 0 ? z : z - (kDaysPerEra - 1)) / kDaysPerEra;
    const int64_t doe = z - era * kDaysPerEra;                                 // [0, 146096]
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const int64_t mp = (5 * doy + 2) / 153;                                    // [0, 11]
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;                            // [1, 31]
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;                               // [1, 12]
    const int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    format_text(text, capacity, u"%04lld-%02lld-%02lld", static_cast<long long>(y),
                static_cast<long long>(m), static_cast<long long>(d));
}
