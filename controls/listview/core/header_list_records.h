// The list view's records: a column definition, a row's texts and data, and
// the owning arrays that hold them.
//
// Stored form of SHdrLBColumn (schema 1): the 32-bit marker 1, the heading,
// the format and the width (32 bits each); a marker 0 leaves the defaults.
// Stored form of SHdrLBItem (schema 1): the 32-bit marker 1, the number of
// texts (a count), the texts, then the data (32 bits). Rows are not part of
// the designer record; the form is there so that an item copies through an
// archive like any other element.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/core/archive.h"

namespace zw::listview {

struct SHdrLBColumn : Serializable {
    ZW_DECLARE_SERIAL(SHdrLBColumn)
    SHdrLBColumn() = default;
    SHdrLBColumn(std::u16string t, std::int32_t f, std::int32_t w) : text(std::move(t)), format(f), width(w) {}
    void Serialize(Archive& ar) override;

    std::u16string text;      // the heading
    std::int32_t format = 0;  // LVCFMT_* alignment: 0 left, 1 right, 2 centre
    std::int32_t width = -1;  // width in pixels
};

struct SHdrLBItem : Serializable {
    ZW_DECLARE_SERIAL(SHdrLBItem)
    SHdrLBItem() : texts(1) {}
    SHdrLBItem(std::u16string text, std::int32_t d) : data(d) { texts.push_back(std::move(text)); }
    void Serialize(Archive& ar) override;

    // The text of column `column`, or the empty text when the row has none.
    const std::u16string& Text(int column) const;
    // Stores the text of `column`, growing the list with empty texts.
    void SetText(int column, std::u16string text);

    std::vector<std::u16string> texts;  // [0] the item text, [k] the text of sub-item k
    std::int32_t data = 0;              // the application's value for the row
};

// Owning arrays; loaded arrays may hold null entries.
using CHdrLBColumnArray = std::vector<std::unique_ptr<SHdrLBColumn>>;
using CHdrLBItemArray = std::vector<std::unique_ptr<SHdrLBItem>>;

// A deep copy of a column array without its null entries.
CHdrLBColumnArray CopyColumns(const CHdrLBColumnArray& columns);

}  // namespace zw::listview
