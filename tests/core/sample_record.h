// A sample property record for the object archive's tests, its fuzz target and
// the designer-data test, shaped like the controls' records: object arrays,
// then a version, flags kept as 32-bit values and stored as bytes, a number,
// and a later version's string. Registers its classes: include it in one
// source file of a program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/core/archive.h"

struct SSampleColor : zw::Serializable {
    ZW_DECLARE_SERIAL(SSampleColor)
    explicit SSampleColor(std::uint32_t c = 0xABCDEF) : color(c) {}
    void Serialize(zw::Archive& ar) override {
        if (ar.Version(1) != 0) ar.Field(color);
    }
    std::uint32_t color;
};
ZW_IMPLEMENT_SERIAL(SSampleColor, 1)

struct SSampleMenu : zw::Serializable {
    ZW_DECLARE_SERIAL(SSampleMenu)
    explicit SSampleMenu(std::u16string t = u"", std::uint16_t i = 0) : text(std::move(t)), id(i) {}
    void Serialize(zw::Archive& ar) override {
        if (ar.Version(1) == 0) return;
        ar.String(text);
        ar.Field(id);
    }
    std::u16string text;
    std::uint16_t id;
};
ZW_IMPLEMENT_SERIAL(SSampleMenu, 1)

// Elements holding elements (index counting across nesting, the depth limit),
// of a schema other than 1.
struct SSampleGroup : zw::Serializable {
    ZW_DECLARE_SERIAL(SSampleGroup)
    void Serialize(zw::Archive& ar) override {
        ar.ObjectArray(children);
        ar.ObjectArray(colors);
    }
    std::vector<std::unique_ptr<SSampleGroup>> children;
    std::vector<std::unique_ptr<SSampleColor>> colors;
};
ZW_IMPLEMENT_SERIAL(SSampleGroup, 2)

struct SSampleRecord {
    std::vector<std::unique_ptr<SSampleColor>> colors;
    std::vector<std::unique_ptr<SSampleGroup>> groups;
    std::vector<std::unique_ptr<SSampleMenu>> menus;
    std::int32_t autoSize = 0, otherColor = 1, mruMax = 8;
    std::u16string title = u"untitled";

    void Serialize(zw::Archive& ar) {
        ar.ObjectArray(colors);
        ar.ObjectArray(groups);
        ar.ObjectArray(menus);
        const std::uint32_t version = ar.Version(2);
        if (version == 0) return;
        ar.Flag(autoSize);
        ar.Flag(otherColor);
        ar.Field(mruMax);
        if (version >= 2) ar.String(title);
    }
};

// Colours 255, 65280 and a null; a group holding an empty group and colour 3;
// menus Open 7 and Close 9; autoSize 1, otherColor 0, mruMax 12, title "Tints".
inline SSampleRecord SampleRecord() {
    SSampleRecord r;
    r.colors.push_back(std::make_unique<SSampleColor>(0x0000FF));
    r.colors.push_back(std::make_unique<SSampleColor>(0x00FF00));
    r.colors.push_back(nullptr);
    r.groups.push_back(std::make_unique<SSampleGroup>());
    r.groups[0]->children.push_back(std::make_unique<SSampleGroup>());
    r.groups[0]->colors.push_back(std::make_unique<SSampleColor>(3));
    r.menus.push_back(std::make_unique<SSampleMenu>(u"Open", 7));
    r.menus.push_back(std::make_unique<SSampleMenu>(u"Close", 9));
    r.autoSize = 1;
    r.otherColor = 0;
    r.mruMax = 12;
    r.title = u"Tints";
    return r;
}

// A record's contents as text (its texts are ASCII), to compare records in one check.
inline std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }
inline std::string Describe(const SSampleColor& c) { return std::to_string(c.color); }
inline std::string Describe(const SSampleMenu& m) { return Narrow(m.text) + "=" + std::to_string(m.id); }
inline std::string Describe(const SSampleGroup& g);
template <typename T>
std::string Describe(const std::vector<std::unique_ptr<T>>& items) {
    std::string text;
    for (const auto& item : items) text += (text.empty() ? "" : " ") + (item ? Describe(*item) : "null");
    return "[" + text + "]";
}
inline std::string Describe(const SSampleGroup& g) { return "{" + Describe(g.children) + Describe(g.colors) + "}"; }
inline std::string Describe(const SSampleRecord& r) {
    return Describe(r.colors) + Describe(r.groups) + Describe(r.menus) + " " + std::to_string(r.autoSize) + " " +
           std::to_string(r.otherColor) + " " + std::to_string(r.mruMax) + " " + Narrow(r.title);
}
