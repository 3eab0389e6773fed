// The list view's item store: the texts and data of every row, kept by the
// library rather than by the platform control, which only holds each row's
// store index (its lParam) and asks for texts when it needs them.
//
// Store indices are stable: a new item is appended; deleting a row leaves an
// empty slot; only deleting all rows empties the store. Rows move when the
// control sorts, their store indices never do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/listview/core/header_list_records.h"

namespace zw::listview {

class ItemStore {
public:
    // Appends an item of one text; returns its store index.
    std::size_t Append(std::u16string text, std::int32_t data);
    // The item at a store index, or null for an empty slot or an index
    // outside the store.
    SHdrLBItem* At(std::intptr_t index);
    const SHdrLBItem* At(std::intptr_t index) const;
    // Deletes the item at a store index; its slot stays empty.
    void Erase(std::intptr_t index);
    void Clear() { items_.clear(); }
    std::size_t Size() const { return items_.size(); }
    void Reserve(std::size_t count) { items_.reserve(count); }

private:
    CHdrLBItemArray items_;  // by store index; null for the slots of deleted rows
};

using CharFold = char16_t (*)(char16_t);

// The argument of a sort: which column, which direction, over which store.
struct SHeaderListSort {
    std::int32_t caseSensitive = 0;    // always 0: comparisons ignore case
    std::int32_t descending = 0;       // 1: larger texts first
    const ItemStore* items = nullptr;  // the store whose indices the rows carry
    std::int32_t column = -1;          // the column compared; -1 before the first sort
    CharFold fold = nullptr;           // folds a character to lower case (null: ASCII letters)
};

// Compares two texts ignoring case: each character folded to lower case,
// then code-unit order. Negative, 0 or positive.
int CompareFolded(std::u16string_view a, std::u16string_view b, CharFold fold);

// Compares the rows of store indices a and b by the sort's column (a missing
// text counts as empty); negated when descending. 0 when either index is not
// an item of the store.
int CompareRows(std::intptr_t a, std::intptr_t b, const SHeaderListSort& sort);

}  // namespace zw::listview
