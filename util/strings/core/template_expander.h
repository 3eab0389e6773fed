// Filling a text template from the elements of a one-dimensional array.
//
// Placeholders outside groups:
//   %%            one "%"
//   %s %n %u      the next string element, the next number element (as a
//                 decimal integer), or the running counter itself. One counter,
//                 starting at 0, numbers the elements for these placeholders;
//                 each uses element `counter` and then advances it. Once the
//                 counter has reached the element count, "%" and the letter are
//                 written as plain text.
//   % + other     the "%" is plain text.
// Groups:
//   {prefix%xsuffix} or {prefix%,xsuffix} with x one of s, n, u: written once
//   for every element (prefix, element, suffix), with "," between repetitions
//   in the "%," form; "u" writes the element's array index. Groups do not use
//   or advance the counter. Braces that reach "}" before a placeholder are
//   copied unchanged, braces included; a "%" inside braces that does not start
//   a placeholder is plain text.
// Unterminated groups: a "{" that is never closed by a "}" (with or without a
// placeholder after it) is a plain character, and the text after it is
// expanded as usual.
//
// Two passes: the first reads the string elements that will be written and
// bounds the result's size (12 characters for each number or counter); the
// second writes into a buffer of that size and can never run past it. Each
// string element is read once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zw::strings {

// The array that fills a template. Indexes are the array's own indexes
// (lower bound to lower bound + count - 1).
class ElementSource {
public:
    virtual ~ElementSource() = default;
    virtual long Count() = 0;
    virtual long LowerBound() = 0;
    // "" when the element cannot be read as a string. The text needs to stay
    // valid only until the next call, unless StringsStayValid() says more.
    virtual std::u16string_view String(long index) = 0;
    // 0 when the element cannot be read as a number.
    virtual std::int32_t NumberAsInt(long index) = 0;
    // True when every text that String() returns stays valid until the
    // expansion ends: the expander then keeps the views instead of copies.
    virtual bool StringsStayValid() const { return false; }
};

// Characters reserved for one number or counter ("-2147483648" is 11).
inline constexpr size_t kNumberWidth = 12;

// An expansion made in two steps, so that a caller can write the result
// straight into memory it sizes itself: the constructor parses the template
// and reads the string elements (the first pass); WriteTo() writes.
class TemplateExpansion {
public:
    // Throws std::bad_alloc when the result could not be held.
    TemplateExpansion(std::u16string_view text, ElementSource& elements);
    ~TemplateExpansion();
    TemplateExpansion(const TemplateExpansion&) = delete;
    TemplateExpansion& operator=(const TemplateExpansion&) = delete;

    // The most characters the result can have.
    size_t Capacity() const;
    // Writes the result (no terminator) to `out`, which has room for
    // Capacity() characters, and returns its length. Call it once.
    size_t WriteTo(char16_t* out);

private:
    struct State;
    std::unique_ptr<State> state_;
};

std::u16string ExpandTemplate(std::u16string_view text, ElementSource& elements);

}  // namespace zw::strings
