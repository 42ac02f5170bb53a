#include "library/uPlayTime.h"

#include "foundation/uArUtils.h"

#include <algorithm>
#include <cmath>

TPlayTime ToPlayTime(TDateTime value) {
    if (std::isnan(value))
        value = 0;
    value = std::clamp(value, MinDateTime, MaxDateTime);
    return static_cast<TPlayTime>(std::nearbyint(value * MSecsPerDay));
}

TDateTime FromPlayTime(TPlayTime time) {
    return static_cast<TDateTime>(time) / MSecsPerDay;
}

TPlayTime EntryPlayTime(quint32 entry) {
    const TDayStamp stamp = UnpackDayStamp(entry);
    return static_cast<TPlayTime>(stamp.Date) * MSecsPerDay + stamp.Number * kMSecsPerMinute;
}

TDateTime PlayDay(TDateTime value) {
    return static_cast<TDateTime>(SplitDateTime(value).Days);
}
