// ZelPopulateDirTree: a directory as the top item (closed picture "fdr", open
// picture "fdrcur") with its subdirectories below it.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/strings/text_args.h"
#include "util/windows/core/dir_paths.h"
#include "util/windows/populate/dir_views.h"
#include "util/windows/populate/populate_box.h"

namespace zw::populate {
namespace {

bool PopulateDirTree(HWND box, LPCWSTR argument) {
    const std::wstring path(strings::Wide(windows::TrimDirPath(strings::TextArg(argument))));
    if (path.empty() || !IsExistingDirectory(path)) return false;
    if (!MakeOutlineBox(box, kDirTreeStyle)) return false;
    ZelListSetIndent(box, 8);
    if (!LoadLibraryPictures(box, {L"fdr", L"fdrcur"})) return false;
    SendMessageW(box, IsComboBox(box) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    ZW_HITEM root = ZelListGetRoot(box);
    if (!root) return false;
    ZelListFreeDescendents(root);
    ZW_HPIC closed = reinterpret_cast<ZW_HPIC>(LibraryPicture(box, L"fdr"));
    ZW_HPIC open = reinterpret_cast<ZW_HPIC>(LibraryPicture(box, L"fdrcur"));
    const std::wstring top = path.back() == L'\\' ? path : path + L"\\";
    ZW_HITEM item = ZelListLoadChild(box, root, closed, open, top.c_str(), 0, 0);
    if (!item || LoadSubdirectories(box, item, closed, open, path) < 0) return false;
    ShowWholeTree(box);
    return true;
}

}  // namespace
}  // namespace zw::populate

extern "C" int __stdcall ZelPopulateDirTree(HWND box, LPCWSTR path) {
    if (!IsWindow(box)) return 0;
    return zw::Guarded(L"ZelPopulateDirTree()", 0, [&] { return zw::populate::PopulateDirTree(box, path) ? 1 : 0; });
}
