#include "controls/listview/core/header_list_records.h"

namespace zw::listview {

ZW_IMPLEMENT_SERIAL(SHdrLBColumn, 1)
ZW_IMPLEMENT_SERIAL(SHdrLBItem, 1)

void SHdrLBColumn::Serialize(Archive& ar) {
    if (ar.Version(1) == 0) return;
    ar.String(text);
    ar.Field(format);
    ar.Field(width);
}

void SHdrLBItem::Serialize(Archive& ar) {
    if (ar.Version(1) == 0) return;
    if (ar.IsStoring()) {
        ar.WriteCount(texts.size());
        for (const std::u16string& text : texts) ar.WriteString(text);
    } else {
        const std::uint32_t count = ar.ReadCount(1);
        std::vector<std::u16string> loaded;
        loaded.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) loaded.push_back(ar.ReadString());
        texts = std::move(loaded);
    }
    ar.Field(data);
}

const std::u16string& SHdrLBItem::Text(int column) const {
    static const std::u16string empty;
    if (column < 0 || std::size_t(column) >= texts.size()) return empty;
    return texts[std::size_t(column)];
}

void SHdrLBItem::SetText(int column, std::u16string text) {
    if (column < 0) return;
    if (std::size_t(column) >= texts.size()) texts.resize(std::size_t(column) + 1);
    texts[std::size_t(column)] = std::move(text);
}

CHdrLBColumnArray CopyColumns(const CHdrLBColumnArray& columns) {
    CHdrLBColumnArray copy;
    copy.reserve(columns.size());
    for (const auto& column : columns)
        if (column) copy.push_back(std::make_unique<SHdrLBColumn>(*column));
    return copy;
}

}  // namespace zw::listview
