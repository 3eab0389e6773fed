#include "util/windows/menus/core/menu_item_layout.h"

#include <algorithm>

namespace zw::menus {

ItemPlaces PlaceItem(const ItemMetrics& metrics) {
    const int pictureLeft = metrics.checkWidth;
    const int labelLeft = metrics.pictureWidth > 0 ? pictureLeft + metrics.pictureWidth + kPictureGap : pictureLeft;
    return {pictureLeft, labelLeft};
}

ItemSize MeasureItem(const ItemMetrics& metrics) {
    int width = PlaceItem(metrics).labelLeft + metrics.labelWidth + kRightMargin;
    if (metrics.hasAccelerator) width += kColumnGap + metrics.acceleratorWidth;
    const int height = std::max({metrics.textHeight, metrics.menuFontHeight, metrics.pictureHeight});
    return {width, height};
}

}  // namespace zw::menus
