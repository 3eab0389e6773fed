#include "util/windows/core/dir_paths.h"

namespace zw::windows {

std::u16string JoinDirLevels(const std::vector<std::u16string>& levels) {
    std::u16string path;
    for (const std::u16string& level : levels) {
        if (level.empty()) continue;
        if (!path.empty() && path.back() != u'\\') path += u'\\';
        path += level;
    }
    return path;
}

std::u16string TrimDirPath(std::u16string_view path) {
    while (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
    std::u16string trimmed(path);
    if (trimmed.size() == 2 && HasDriveLetter(trimmed)) trimmed += u'\\';
    return trimmed;
}

bool HasDriveLetter(std::u16string_view path) {
    if (path.size() < 2 || path[1] != u':') return false;
    const char16_t letter = path[0];
    return (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
}

}  // namespace zw::windows
