#include "controls/listview/prop_header_list_box.h"

#include "frame/app.h"

namespace zw::listview {

SPropHeaderListBox::SPropHeaderListBox() {
    Reset();
    columns.push_back(std::make_unique<SHdrLBColumn>(u"Item", 0, 100));
    labelLimit = kDefaultLabelLimit;
    largeImages = NewDefaultImageList(LargeIconSize());
    smallImages = NewDefaultImageList(SmallIconSize());
}

SPropHeaderListBox::SPropHeaderListBox(const SPropHeaderListBox& other)
    : bDropDown(other.bDropDown),
      columns(CopyColumns(other.columns)),
      largeImages(CopyImageList(other.largeImages.Get(), LargeIconSize())),
      smallImages(CopyImageList(other.smallImages.Get(), SmallIconSize())),
      bkColor(other.bkColor),
      textColor(other.textColor),
      textBkColor(other.textBkColor),
      style(other.style),
      labelLimit(other.labelLimit),
      sortColumn(other.sortColumn),
      sortOrder(other.sortOrder) {}

SPropHeaderListBox& SPropHeaderListBox::operator=(const SPropHeaderListBox& other) {
    if (this != &other) *this = SPropHeaderListBox(other);
    return *this;
}

void SPropHeaderListBox::Reset() {
    bDropDown = 0;
    columns.clear();
    largeImages.Reset();
    smallImages.Reset();
    bkColor = textColor = textBkColor = -1;
    style = labelLimit = sortColumn = sortOrder = 0;
}

void SPropHeaderListBox::Serialize(Archive& ar) {
    ar.ObjectArray(columns);
    const std::uint32_t version = ar.Version(2);
    if (version == 0) return;
    ar.Field(bkColor);
    ar.Field(textColor);
    ar.Field(textBkColor);
    ar.Field(style);
    ar.Field(labelLimit);
    ar.Field(sortColumn);
    if (ar.IsStoring()) {
        WriteImageList(ar, largeImages.Get());
        WriteImageList(ar, smallImages.Get());
    } else {
        largeImages = ReadImageList(ar);
        smallImages = ReadImageList(ar);
    }
    if (version < 2) return;
    ar.Field(sortOrder);
}

}  // namespace zw::listview
