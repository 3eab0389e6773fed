#include "frame/core/serializable.h"

#include <map>
#include <string>

namespace zw {

namespace {
// Built on first use, so classes may register from static initialisers of
// any translation unit in any order.
std::map<std::string, const SerialClass*, std::less<>>& Registry() {
    static std::map<std::string, const SerialClass*, std::less<>> registry;
    return registry;
}
}  // namespace

bool RegisterSerialClass(const SerialClass& serialClass) {
    auto [it, added] = Registry().emplace(serialClass.name, &serialClass);
    return added || it->second == &serialClass;
}

const SerialClass* FindSerialClass(std::string_view name) {
    auto& registry = Registry();
    auto it = registry.find(name);
    return it == registry.end() ? nullptr : it->second;
}

}  // namespace zw
