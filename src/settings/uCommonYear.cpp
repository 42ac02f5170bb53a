#include "settings/uCommonYear.h"

#include <array>

namespace {

constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

int CommonMonthLength(int month) {
    return month >= 1 && month <= 12 ? kMonthLengths[month - 1] : 0;
}

int CommonDayOfYear(int month, int day) {
    if (day < 1 || day > CommonMonthLength(month))
        return 0;
    int number = day;
    for (int earlier = 1; earlier < month; ++earlier)
        number += CommonMonthLength(earlier);
    return number;
}

TMonthDay CommonMonthDay(int dayOfYear) {
    if (dayOfYear < 1 || dayOfYear > DaysInCommonYear)
        return {};
    int month = 1;
    int day = dayOfYear;
    while (day > CommonMonthLength(month)) {
        day -= CommonMonthLength(month);
        ++month;
    }
    return {month, day};
}
