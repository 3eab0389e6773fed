#include "util/strings/core/template_expander.h"

#include <algorithm>
#include <limits>
#include <new>
#include <vector>

namespace zw::strings {

namespace {

constexpr bool IsPlaceholderLetter(char16_t c) { return c == u's' || c == u'n' || c == u'u'; }

// One parsed part of a template.
struct Piece {
    enum class Type { Text, Element, Group };
    Type type = Type::Text;
    std::u16string_view text = {};    // Text: the characters; Element: "%x" as written; Group: the prefix
    std::u16string_view suffix = {};  // Group only
    char16_t letter = 0;         // Element and Group: s, n or u
    bool comma = false;          // Group: "," between repetitions
};

// Splits the template into pieces in one pass. Every character is looked at a
// bounded number of times: once a "{" is found to have no closing "}" after
// it, no later "{" can have one either, so none is searched for again.
std::vector<Piece> Parse(std::u16string_view t) {
    std::vector<Piece> pieces;
    const size_t n = t.size();
    size_t textStart = 0;
    auto flushText = [&](size_t end) {
        if (end > textStart) pieces.push_back({Piece::Type::Text, t.substr(textStart, end - textStart)});
    };
    bool noCloseBrace = false;
    size_t i = 0;
    while (i < n) {
        const char16_t c = t[i];
        if (c == u'%') {
            const char16_t next = i + 1 < n ? t[i + 1] : u'\0';
            if (next == u'%') {
                flushText(i + 1);
                i += 2;
                textStart = i;
            } else if (IsPlaceholderLetter(next)) {
                flushText(i);
                pieces.push_back({Piece::Type::Element, t.substr(i, 2), {}, next});
                i += 2;
                textStart = i;
            } else {
                ++i;
            }
            continue;
        }
        if (c != u'{' || noCloseBrace) {
            ++i;
            continue;
        }
        // A "{": look for a placeholder, or for a "}" that comes first.
        size_t j = i + 1;
        size_t letterAt = 0;
        bool closedFirst = false;
        while (j < n) {
            if (t[j] == u'}') {
                closedFirst = true;
                break;
            }
            if (t[j] == u'%') {
                size_t k = j + 1;
                if (k < n && t[k] == u',') ++k;
                if (k < n && IsPlaceholderLetter(t[k])) {
                    letterAt = k;
                    break;
                }
            }
            ++j;
        }
        if (closedFirst) {
            i = j + 1;
            continue;
        }
        const size_t close = letterAt ? t.find(u'}', letterAt + 1) : std::u16string_view::npos;
        if (close == std::u16string_view::npos) {
            noCloseBrace = true;
            ++i;
            continue;
        }
        flushText(i);
        Piece group{Piece::Type::Group, t.substr(i + 1, j - i - 1), t.substr(letterAt + 1, close - letterAt - 1),
                    t[letterAt], letterAt > j + 1};
        pieces.push_back(group);
        i = close + 1;
        textStart = i;
    }
    flushText(n);
    return pieces;
}

// Writes into a buffer of fixed capacity; writes beyond it are dropped, so
// the result can never outgrow what the sizing pass allowed for.
class BoundedWriter {
public:
    BoundedWriter(char16_t* buffer, size_t capacity) : buffer_(buffer), capacity_(capacity) {}

    void Put(std::u16string_view text) {
        const size_t n = std::min(text.size(), capacity_ - used_);
        std::copy_n(text.data(), n, buffer_ + used_);
        used_ += n;
    }
    void PutNumber(long long value) {
        char16_t digits[24];
        size_t at = sizeof digits / sizeof digits[0];
        const bool negative = value < 0;
        unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                : static_cast<unsigned long long>(value);
        do {
            digits[--at] = static_cast<char16_t>(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (negative) digits[--at] = u'-';
        Put(std::u16string_view(digits + at, sizeof digits / sizeof digits[0] - at));
    }
    size_t Used() const { return used_; }

private:
    char16_t* buffer_;
    size_t capacity_;
    size_t used_ = 0;
};

class Expansion {
public:
    explicit Expansion(ElementSource& elements)
        : elements_(elements), count_(std::max(0L, elements.Count())), lower_(elements.LowerBound()),
          keepViews_(elements.StringsStayValid()) {}

    // First pass: the size of the result, reading the string elements that
    // will be written (the second pass takes them in the same order).
    size_t Size(const std::vector<Piece>& pieces) {
        unsigned long long size = 0;
        long counter = 0;
        for (const Piece& piece : pieces) {
            switch (piece.type) {
            case Piece::Type::Text:
                size += piece.text.size();
                break;
            case Piece::Type::Element:
                if (counter < count_) {
                    size += ElementSize(piece.letter, lower_ + counter);
                    ++counter;
                } else {
                    size += piece.text.size();
                }
                break;
            case Piece::Type::Group:
                for (long k = 0; k < count_; ++k) {
                    size += piece.text.size() + piece.suffix.size() + ElementSize(piece.letter, lower_ + k);
                    if (piece.comma && k > 0) ++size;
                }
                break;
            }
            if (size > std::numeric_limits<size_t>::max() / 4) throw std::bad_alloc();
        }
        return static_cast<size_t>(size);
    }

    // Second pass: writes what the first pass measured.
    void Write(const std::vector<Piece>& pieces, BoundedWriter& out) {
        long counter = 0;
        for (const Piece& piece : pieces) {
            switch (piece.type) {
            case Piece::Type::Text:
                out.Put(piece.text);
                break;
            case Piece::Type::Element:
                if (counter < count_) {
                    WriteElement(piece.letter, lower_ + counter, counter, out);
                    ++counter;
                } else {
                    out.Put(piece.text);
                }
                break;
            case Piece::Type::Group:
                for (long k = 0; k < count_; ++k) {
                    if (piece.comma && k > 0) out.Put(u",");
                    out.Put(piece.text);
                    WriteElement(piece.letter, lower_ + k, lower_ + k, out);
                    out.Put(piece.suffix);
                }
                break;
            }
        }
    }

private:
    size_t ElementSize(char16_t letter, long index) {
        if (letter != u's') return kNumberWidth;
        const std::u16string_view text = elements_.String(index);
        if (keepViews_) {
            if (stringViews_.empty()) stringViews_.reserve(size_t(count_));
            stringViews_.push_back(text);
        } else {
            stringText_.append(text);
            stringLengths_.push_back(text.size());
        }
        return text.size();
    }

    std::u16string_view NextString() {
        if (keepViews_) return nextString_ < stringViews_.size() ? stringViews_[nextString_++] : std::u16string_view();
        if (nextString_ >= stringLengths_.size()) return {};
        const size_t length = stringLengths_[nextString_++];
        const std::u16string_view text = std::u16string_view(stringText_).substr(nextStringAt_, length);
        nextStringAt_ += length;
        return text;
    }

    void WriteElement(char16_t letter, long index, long counterValue, BoundedWriter& out) {
        switch (letter) {
        case u's':
            out.Put(NextString());
            break;
        case u'n':
            out.PutNumber(elements_.NumberAsInt(index));
            break;
        default:
            out.PutNumber(counterValue);
            break;
        }
    }

    ElementSource& elements_;
    const long count_;
    const long lower_;
    const bool keepViews_;  // the source's texts stay valid: keep views, not copies
    // The string elements in the order they are written: views of the source's
    // texts, or copies end to end in one buffer (one allocation instead of one
    // per element) with their lengths.
    std::vector<std::u16string_view> stringViews_;
    std::u16string stringText_;
    std::vector<size_t> stringLengths_;
    size_t nextString_ = 0;    // index of the next string to write
    size_t nextStringAt_ = 0;  // where it starts in stringText_
};

}  // namespace

struct TemplateExpansion::State {
    State(std::u16string_view text, ElementSource& elements) : pieces(Parse(text)), expansion(elements) {
        capacity = expansion.Size(pieces);
    }
    std::vector<Piece> pieces;
    Expansion expansion;
    size_t capacity = 0;
};

TemplateExpansion::TemplateExpansion(std::u16string_view text, ElementSource& elements)
    : state_(std::make_unique<State>(text, elements)) {}

TemplateExpansion::~TemplateExpansion() = default;

size_t TemplateExpansion::Capacity() const {
    return state_->capacity;
}

size_t TemplateExpansion::WriteTo(char16_t* out) {
    BoundedWriter writer(out, state_->capacity);
    state_->expansion.Write(state_->pieces, writer);
    return writer.Used();
}

std::u16string ExpandTemplate(std::u16string_view text, ElementSource& elements) {
    TemplateExpansion expansion(text, elements);
    std::u16string result(expansion.Capacity(), u'\0');
    result.resize(expansion.WriteTo(result.data()));
    return result;
}

}  // namespace zw::strings
