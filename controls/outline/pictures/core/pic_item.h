// A picture item of the populate utilities: which picture a populated list
// shows for a kind of entry, kept in an archive under "ZW:PicItems".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/core/archive.h"
#include "frame/core/serializable.h"

namespace zw {

class PICITEM : public Serializable {
    ZW_DECLARE_SERIAL(PICITEM)
public:
    void Serialize(Archive& ar) override;

    std::uint32_t value = 0;  // 32-bit value (the picture handle or entry value)
    std::uint16_t flags = 0;  // 16-bit value (the load flags)
    std::u16string source;    // module or file name
    std::u16string name;      // resource or entry name
    std::u16string text;      // the entry the picture belongs to
};

using CPicItemArray = std::vector<std::unique_ptr<PICITEM>>;

}  // namespace zw
