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
// second writes into a buffer of exactly that size and can never run past it.
#pragma once

#include <cstdint>
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
    // valid only until the next call.
    virtual std::u16string_view String(long index) = 0;
    // 0 when the element cannot be read as a number.
    virtual std::int32_t NumberAsInt(long index) = 0;
};

// Characters reserved for one number or counter ("-2147483648" is 11).
inline constexpr size_t kNumberWidth = 12;

std::u16string ExpandTemplate(std::u16string_view text, ElementSource& elements);

}  // namespace zw::strings
