// ZelPopulateCommonDir, ZelGetCommonDir, ZelSetCommonDir: the common-directory
// view. One nested level per directory of a path, from the drive down to the
// current directory (picture "fdrcur", item flag 0x4000000), with the current
// directory's subdirectories listed below it ("fdr"); choosing a row makes its
// directory the current one and lists its subdirectories instead.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/outline/core/outline_tree.h"
#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "include/zwi51.h"
#include "util/strings/host_arrays.h"
#include "util/strings/text_args.h"
#include "util/windows/core/dir_paths.h"
#include "util/windows/populate/dir_views.h"
#include "util/windows/populate/populate_box.h"

namespace zw::populate {
namespace {

using outline::AsNode;
using outline::TreeNode;
using strings::TextArg;
using strings::Wide;

ZW_HPIC Picture(HWND box, const wchar_t* name) { return reinterpret_cast<ZW_HPIC>(LibraryPicture(box, name)); }

ZW_HITEM Handle(TreeNode* node) { return reinterpret_cast<ZW_HITEM>(node); }

bool PopulateCommonDir(HWND box, LPCWSTR argument) {
    const std::wstring path(Wide(windows::TrimDirPath(TextArg(argument))));
    if (!windows::HasDriveLetter(TextArg(path.c_str())) || !IsExistingDirectory(path)) return false;
    if (!MakeOutlineBox(box, kCommonDirStyle)) return false;
    ZelListSetIndent(box, 1);
    if (!LoadLibraryPictures(box, {L"fdr", L"fdrcur", L"fdropen"})) return false;
    HostListClear(box);
    ZW_HITEM root = ZelListGetRoot(box);
    if (!root) return false;
    ZelListFreeDescendents(root);

    // The drive's root alone is split as "C:", so that the drive is the last level.
    const std::wstring levels = path.back() == L'\\' ? path.substr(0, path.size() - 1) : path;
    TempArray parts(HOST_ARRAY_STRING);
    const int count = parts.Made() ? HostStrSplit(levels.c_str(), L"\\", parts) : -1;
    if (count <= 0) return false;
    ZW_HITEM parent = root;
    for (LONG level = 0; level < count; ++level) {
        const auto part = strings::ReadStringElement(parts, level);
        if (!part) return false;
        // Doubled backslashes leave empty parts: they are no directory.
        if (part->empty()) continue;
        const std::wstring text = level == 0 ? path.substr(0, 2) + L"\\" : *part;
        const bool current = level == count - 1;
        ZW_HPIC picture = Picture(box, current ? L"fdrcur" : L"fdropen");
        parent = ZelListLoadChild(box, parent, picture, picture, text.c_str(), 0, current ? kCurrentDirFlag : 0);
        if (!parent) return false;
    }
    ZW_HPIC closed = Picture(box, L"fdr");
    if (LoadSubdirectories(box, parent, closed, closed, path) < 0) return false;
    ShowWholeTree(box);
    return true;
}

// The item shown in `row`; null outside the rows or for a row without one.
TreeNode* ItemInRow(HWND box, int row) {
    if (row < 0 || row >= HostListCount(box)) return nullptr;
    return AsNode(ZelListGetItemHandle(box, row));
}

std::wstring CommonDirOf(TreeNode* item) {
    std::vector<std::u16string> levels;
    for (TreeNode* node = item; node && node->level >= 0; node = node->parent) levels.push_back(node->record->text);
    std::reverse(levels.begin(), levels.end());
    return std::wstring(Wide(windows::JoinDirLevels(levels)));
}

std::wstring SetCommonDir(HWND box, int row) {
    TreeNode* item = ItemInRow(box, row);
    if (!item || !item->parent) return {};
    if (!LoadLibraryPictures(box, {L"fdr", L"fdrcur", L"fdropen"})) return {};
    const std::wstring path = CommonDirOf(item);
    const std::wstring text(Wide(item->record->text));
    ZW_HITEM parent = Handle(item->parent);
    ZW_HPIC open = Picture(box, L"fdropen");
    ZW_HPIC current = Picture(box, L"fdrcur");
    ZW_HPIC closed = Picture(box, L"fdr");
    if (item->parent->level >= 0) ZelListSetItemPicture(parent, open, open);
    // The rows of the freed items stay as plain rows until the rows are
    // rebuilt from the tree below.
    ZelListFreeDescendents(parent);
    // One current directory: the parent may have been it.
    ZelListSetItemFlags(parent, kCurrentDirFlag, FALSE);
    ZW_HITEM chosen = ZelListLoadChild(box, parent, current, current, text.c_str(), 0, kCurrentDirFlag);
    if (!chosen) {
        ShowWholeTree(box);
        return {};
    }
    LoadSubdirectories(box, chosen, closed, closed, path);
    ShowWholeTree(box);
    return path;
}

}  // namespace
}  // namespace zw::populate

extern "C" int __stdcall ZelPopulateCommonDir(HWND box, LPCWSTR path) {
    if (!IsWindow(box)) return 0;
    return zw::Guarded(L"ZelPopulateCommonDir()", 0, [&] { return zw::populate::PopulateCommonDir(box, path) ? 1 : 0; });
}

extern "C" HOSTSTR __stdcall ZelGetCommonDir(HWND box, int row) {
    std::wstring path;
    if (IsWindow(box)) {
        path = zw::Guarded(L"ZelGetCommonDir()", std::wstring(), [&] {
            zw::outline::TreeNode* item = zw::populate::ItemInRow(box, row);
            return item ? zw::populate::CommonDirOf(item) : std::wstring();
        });
    }
    return zw::NewHostString(path);
}

extern "C" HOSTSTR __stdcall ZelSetCommonDir(HWND box, int row) {
    std::wstring path;
    if (IsWindow(box)) {
        path = zw::Guarded(L"ZelSetCommonDir()", std::wstring(), [&] { return zw::populate::SetCommonDir(box, row); });
    }
    return zw::NewHostString(path);
}
