#include "controls/calendar/calendar_api.h"

#include "frame/exceptions.h"
#include "frame/host_string.h"

namespace zw {

void CheckHostArray(HARRAY array) {
    int dimensions = 0;
    if (!HostArrayGetDimCount(array, &dimensions)) throw InvalidArgException();
}

void SetArrayCount(HARRAY array, int count) {
    if (!HostArraySetBounds(array, 0, count - 1)) throw InvalidArgException();
}

std::vector<std::wstring> ReadNameArray(HARRAY array, int count) {
    LONG lower = 0, upper = -1;
    if (HostArrayGetBounds(array, &lower, &upper) != count) throw UserException();
    std::vector<std::wstring> names;
    for (LONG index = lower; index < lower + count; ++index) {
        HOSTSTR element = 0;
        if (!HostArrayGetString(array, &element, index) || !element) {
            names.emplace_back();
            continue;
        }
        names.push_back(ReadHostString(element));
        HostStrRelease(element);
    }
    return names;
}

int MarkApplicationDate(CCalendar& calendar, const HostDate& date, int markFlag) {
    return calendar.MarkDate(CDateTime(date), markFlag, true, true);
}

}  // namespace zw
