// Host arrays as the sample application builds them for the library's
// functions that take arrays: strings and numbers, from index 0. The caller
// destroys them with HostArrayDestroy.
#pragma once

#include <initializer_list>

#include "host/host_test.h"
#include "include/zwi51.h"

inline HARRAY Texts(std::initializer_list<const wchar_t*> texts) {
    HARRAY array = HostArrayCreate(HOST_ARRAY_STRING);
    LONG index = 0;
    for (const wchar_t* text : texts) {
        HOSTSTR element = HostTestNewString(text);
        HostArrayPutString(array, element, index++);
        HostTestFreeString(element);
    }
    return array;
}

inline HARRAY Numbers(std::initializer_list<int> numbers) {
    HARRAY array = HostArrayCreate(HOST_ARRAY_NUMBER);
    LONG index = 0;
    for (int value : numbers) {
        HostNumber number{};
        HostIntToNumber(value, &number);
        HostArrayPutNumber(array, &number, index++);
    }
    return array;
}
