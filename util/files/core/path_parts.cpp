#include "util/files/core/path_parts.h"

namespace zw::files {

namespace {

std::u16string Cut(std::u16string_view text, size_t limit) {
    return std::u16string(text.substr(0, limit));
}

}  // namespace

PathParts SplitPath(std::u16string_view path) {
    PathParts parts;
    if (path.size() >= 2 && path[1] == u':') {
        parts.drive = Cut(path.substr(0, 2), kMaxDriveChars);
        path.remove_prefix(2);
    }
    const size_t slash = path.find_last_of(u"\\/");
    if (slash != std::u16string_view::npos) {
        parts.directory = Cut(path.substr(0, slash + 1), kMaxPartChars);
        path.remove_prefix(slash + 1);
    }
    const size_t dot = path.rfind(u'.');
    if (dot != std::u16string_view::npos) {
        parts.extension = Cut(path.substr(dot), kMaxPartChars);
        path = path.substr(0, dot);
    }
    parts.name = Cut(path, kMaxPartChars);
    return parts;
}

std::u16string JoinPath(std::u16string_view drive, std::u16string_view directory, std::u16string_view name,
                        std::u16string_view extension) {
    std::u16string path;
    path.reserve(drive.size() + directory.size() + name.size() + extension.size());
    path.append(drive).append(directory).append(name).append(extension);
    return path;
}

std::vector<std::u16string> DirectoryLevels(std::u16string_view path) {
    std::vector<std::u16string> levels;
    std::u16string whole(path);
    if (whole.empty() || whole.back() != u'\\') whole += u'\\';
    for (size_t at = whole.find(u'\\'); at != std::u16string::npos; at = whole.find(u'\\', at + 1)) {
        const bool driveRoot = at == 2 && whole[1] == u':';
        if (!driveRoot) levels.push_back(whole.substr(0, at));
    }
    return levels;
}

std::vector<std::u16string> SearchPathCandidates(std::u16string_view path) {
    std::vector<std::u16string> candidates;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u';', start);
        if (end == std::u16string_view::npos) end = path.size();
        const std::u16string_view element = path.substr(start, end - start);
        if (!element.empty() && element.back() != u'\\') candidates.emplace_back(element);
        start = end + 1;
    }
    return candidates;
}

}  // namespace zw::files
