#include "util/files/listing_arrays.h"

#include "util/strings/host_arrays.h"

namespace zw::files {

bool AreListingArrays(std::initializer_list<HARRAY> arrays) {
    for (const HARRAY array : arrays) {
        if (!zw::strings::OneDimensionalBounds(array)) return false;
    }
    return true;
}

void PutNames(HARRAY array, const std::vector<std::wstring>& names) {
    for (size_t i = 0; i < names.size(); ++i) zw::strings::PutStringElement(array, LONG(i), names[i]);
    zw::strings::SetElementCount(array, LONG(names.size()));
}

void PutMatchNames(HARRAY array, const std::vector<FileMatch>& matches) {
    std::vector<std::wstring> names;
    names.reserve(matches.size());
    for (const FileMatch& match : matches) names.emplace_back(match.data.cFileName);
    PutNames(array, names);
}

HostDate LastWriteDate(const WIN32_FIND_DATAW& entry) {
    FILETIME local{};
    WORD date = 0, time = 0;
    HostDate value{};
    if (FileTimeToLocalFileTime(&entry.ftLastWriteTime, &local) && FileTimeToDosDateTime(&local, &date, &time)) {
        HostDateConstruct(&value, (date >> 9) + 1980, (date >> 5) & 0x0F, date & 0x1F, time >> 11, (time >> 5) & 0x3F,
                          (time & 0x1F) * 2);
    }
    return value;
}

}  // namespace zw::files
