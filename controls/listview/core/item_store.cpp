#include "controls/listview/core/item_store.h"

#include <memory>

namespace zw::listview {

std::size_t ItemStore::Append(std::u16string text, std::int32_t data) {
    items_.push_back(std::make_unique<SHdrLBItem>(std::move(text), data));
    return items_.size() - 1;
}

SHdrLBItem* ItemStore::At(std::intptr_t index) {
    if (index < 0 || std::size_t(index) >= items_.size()) return nullptr;
    return items_[std::size_t(index)].get();
}

const SHdrLBItem* ItemStore::At(std::intptr_t index) const {
    return const_cast<ItemStore*>(this)->At(index);
}

void ItemStore::Erase(std::intptr_t index) {
    if (index >= 0 && std::size_t(index) < items_.size()) items_[std::size_t(index)].reset();
}

namespace {
char16_t AsciiFold(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 0x20) : c;
}
}  // namespace

int CompareFolded(std::u16string_view a, std::u16string_view b, CharFold fold) {
    if (!fold) fold = &AsciiFold;
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t x = a[i] == b[i] ? a[i] : fold(a[i]);
        const char16_t y = a[i] == b[i] ? b[i] : fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareRows(std::intptr_t a, std::intptr_t b, const SHeaderListSort& sort) {
    if (!sort.items) return 0;
    const SHdrLBItem* first = sort.items->At(a);
    const SHdrLBItem* second = sort.items->At(b);
    if (!first || !second) return 0;
    const int order = CompareFolded(first->Text(sort.column), second->Text(sort.column), sort.fold);
    return sort.descending == 1 ? -order : order;
}

}  // namespace zw::listview
