#include "controls/outline/pictures/core/pic_item.h"

namespace zw {

ZW_IMPLEMENT_SERIAL(PICITEM, 1)

void PICITEM::Serialize(Archive& ar) {
    ar.Field(value);
    ar.Field(flags);
    ar.String(source);
    ar.String(name);
    ar.String(text);
}

}  // namespace zw
