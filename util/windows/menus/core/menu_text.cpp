#include "util/windows/menus/core/menu_text.h"

namespace zw::menus {

std::wstring ExpandTabEscape(std::wstring_view text) {
    std::wstring expanded;
    expanded.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 1 < text.size() && text[i + 1] == L't') {
            expanded += L'\t';
            ++i;
        } else {
            expanded += text[i];
        }
    }
    return expanded;
}

wchar_t Mnemonic(std::wstring_view text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return text[i + 1];
        ++i;
    }
    return 0;
}

ItemColumns SplitAtTab(std::wstring_view text) {
    const size_t tab = text.find(L'\t');
    if (tab == std::wstring_view::npos) return {text, {}, false};
    return {text.substr(0, tab), text.substr(tab + 1), true};
}

}  // namespace zw::menus
