// Objects that an Archive can store and load, and the run-time class registry
// through which an archive makes an object of the class named in its data.
//
// A record (a property record written directly, without class information)
// only needs a Serialize(Archive&) member. An element object written through
// an object reference derives from Serializable and names its class:
//
//   struct SPaletteColor : zw::Serializable {
//       ZW_DECLARE_SERIAL(SPaletteColor)
//       void Serialize(zw::Archive& ar) override;
//       std::uint32_t color = 0;
//   };
//   ZW_IMPLEMENT_SERIAL(SPaletteColor, 1)     // in one .cpp file
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace zw {

class Archive;
class Serializable;

// What the archive knows of a class: the ASCII name written with its first
// object, its schema number, and how to make a default object of it.
struct SerialClass {
    const char* name;
    std::uint16_t schema;
    std::unique_ptr<Serializable> (*create)();
};

class Serializable {
public:
    virtual ~Serializable() = default;
    // Writes the object's fields when the archive is storing, reads them when
    // it is loading.
    virtual void Serialize(Archive& ar) = 0;
    virtual const SerialClass& GetSerialClass() const = 0;
};

// Makes a class known to loading archives by name. Registering the same class
// again does nothing; a second, different class under a name already taken is
// refused (false).
bool RegisterSerialClass(const SerialClass& serialClass);
// The class registered under `name`, or null.
const SerialClass* FindSerialClass(std::string_view name);

}  // namespace zw

// Inside the class body: declares the class's SerialClass accessor.
#define ZW_DECLARE_SERIAL(Type)                                            \
public:                                                                    \
    static const ::zw::SerialClass& SerialClassOf();                       \
    const ::zw::SerialClass& GetSerialClass() const override { return SerialClassOf(); }

// In one source file: defines the accessor and registers the class at start-up.
#define ZW_IMPLEMENT_SERIAL(Type, schemaNumber)                                             \
    const ::zw::SerialClass& Type::SerialClassOf() {                                        \
        static const ::zw::SerialClass info{                                                \
            #Type, static_cast<std::uint16_t>(schemaNumber),                                \
            []() -> std::unique_ptr<::zw::Serializable> { return std::make_unique<Type>(); }}; \
        return info;                                                                        \
    }                                                                                       \
    [[maybe_unused]] static const bool zwSerialRegistered_##Type =                          \
        ::zw::RegisterSerialClass(Type::SerialClassOf());
