#include "host/core/date_reader.h"

#include <string>
#include <vector>

#include "host/core/date_names.h"

namespace host {

namespace {

// The text cut into numbers, month names, AM/PM marks and separators. Weekday
// names and the letter T (as in 2024-03-05T15:04) count as separators; any
// other word makes the text unreadable.
struct Token {
    enum Kind { Number, MonthWord, AmPmWord, Separator };
    explicit Token(Kind k) : kind(k) {}
    Kind kind;
    int value = 0;   // Number: its value (digits <= 9); MonthWord 1..12; AmPmWord 0 AM, 1 PM
    int digits = 0;  // Number: how many digits
    std::u16string text;  // Separator: its characters, without weekday names and T
    bool hasWord = false; // Separator: holds a weekday name or T
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0; }
// Separators are blanks and ASCII punctuation; anything else (a letter of
// another script, a control character) is not part of any date text.
bool IsSeparatorChar(char16_t c) { return IsSpace(c) || (c > u' ' && c < 0x7F); }

void AddSeparator(std::vector<Token>& tokens, std::u16string_view text, bool word) {
    if (tokens.empty() || tokens.back().kind != Token::Separator) tokens.push_back(Token(Token::Separator));
    tokens.back().text += text;
    tokens.back().hasWord = tokens.back().hasWord || word;
}

bool Tokenize(std::u16string_view text, std::vector<Token>& tokens, std::vector<int>& weekdays) {
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i + 1;
        if (IsDigit(text[i])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            Token number(Token::Number);
            number.digits = static_cast<int>(j - i);
            if (number.digits <= 9)
                for (size_t k = i; k < j; ++k) number.value = number.value * 10 + (text[k] - u'0');
            tokens.push_back(number);
        } else if (IsLetter(text[i])) {
            while (j < text.size() && IsLetter(text[j])) ++j;
            const std::u16string_view word = text.substr(i, j - i);
            if (const auto month = MonthFromName(word)) {
                Token token(Token::MonthWord);
                token.value = *month;
                tokens.push_back(token);
            } else if (EqualsIgnoringCase(word, u"AM") || EqualsIgnoringCase(word, u"PM")) {
                Token token(Token::AmPmWord);
                token.value = EqualsIgnoringCase(word, u"PM") ? 1 : 0;
                tokens.push_back(token);
            } else if (const auto weekday = WeekdayFromName(word)) {
                weekdays.push_back(*weekday);
                AddSeparator(tokens, {}, true);
            } else if (EqualsIgnoringCase(word, u"T")) {
                AddSeparator(tokens, {}, true);
            } else {
                return false;
            }
        } else if (IsSeparatorChar(text[i])) {
            AddSeparator(tokens, text.substr(i, 1), false);
        } else {
            return false;
        }
        i = j;
    }
    return true;
}

bool IsBlank(const Token& separator) {
    if (separator.hasWord) return false;
    for (char16_t c : separator.text)
        if (!IsSpace(c)) return false;
    return true;
}

class Reader {
public:
    Reader(const std::vector<Token>& tokens, DateOrder order) : tokens_(tokens), order_(order) {}

    // Parts the text does not hold keep their lowest value: midnight for a date
    // alone, 0001-01-01 for a time alone.
    std::optional<DateTime> Read() {
        DateTimeParts parts;
        SkipSeparator();
        if (AtEnd()) return std::nullopt;
        if (LooksLikeTime()) {
            if (!ReadTime(parts, false)) return std::nullopt;
            SkipSeparator();
            if ((At(Token::Number) || At(Token::MonthWord)) && !ReadDate(parts)) return std::nullopt;
        } else {
            if (!ReadDate(parts)) return std::nullopt;
            SkipSeparator();
            if (At(Token::Number) && !ReadTime(parts, true)) return std::nullopt;
        }
        SkipSeparator();
        if (!AtEnd()) return std::nullopt;
        return MakeDateTime(parts);
    }

    bool HasDate() const { return dateRead_; }

private:
    bool AtEnd() const { return pos_ >= tokens_.size(); }
    bool At(Token::Kind kind, size_t ahead = 0) const {
        return pos_ + ahead < tokens_.size() && tokens_[pos_ + ahead].kind == kind;
    }
    const Token& Current() const { return tokens_[pos_]; }

    void SkipSeparator() {
        if (At(Token::Separator)) ++pos_;
    }

    // A separator that is exactly `text`.
    bool AtSeparator(std::u16string_view text, size_t ahead = 0) const {
        return At(Token::Separator, ahead) && !tokens_[pos_ + ahead].hasWord && tokens_[pos_ + ahead].text == text;
    }

    // An AM/PM mark here, alone or after blanks; consumed when present.
    std::optional<int> TakeAmPm() {
        size_t ahead = 0;
        if (At(Token::Separator) && IsBlank(Current())) ahead = 1;
        if (!At(Token::AmPmWord, ahead)) return std::nullopt;
        pos_ += ahead;
        return tokens_[pos_++].value;
    }

    bool LooksLikeTime() const {
        if (!At(Token::Number)) return false;
        if (AtSeparator(u":", 1) || At(Token::AmPmWord, 1)) return true;
        return At(Token::Separator, 1) && IsBlank(tokens_[pos_ + 1]) && At(Token::AmPmWord, 2);
    }

    // A number of `minDigits` to `maxDigits` digits here; consumed when present.
    std::optional<int> TakeNumber(int minDigits, int maxDigits) {
        if (!At(Token::Number) || Current().digits < minDigits || Current().digits > maxDigits) return std::nullopt;
        return tokens_[pos_++].value;
    }

    // h:mm[:ss[.ffffff]] [AM|PM] or h AM|PM. After a date the separators may be
    // dots instead of colons, as in the canonical text's "hh.mm.ss.mmmmmm".
    bool ReadTime(DateTimeParts& parts, bool afterDate) {
        const auto hour = TakeNumber(1, 2);
        if (!hour) return false;
        parts.hour = *hour;
        if (auto ampm = TakeAmPm()) return ApplyAmPm(parts, *ampm);
        const std::u16string_view separator = AtSeparator(u":") ? u":" : (afterDate && AtSeparator(u".")) ? u"." : u"";
        if (separator.empty()) return false;
        ++pos_;
        const auto minute = TakeNumber(1, 2);
        if (!minute) return false;
        parts.minute = *minute;
        if (AtSeparator(separator) && At(Token::Number, 1)) {
            ++pos_;
            const auto second = TakeNumber(1, 2);
            if (!second) return false;
            parts.second = *second;
            const bool fractionFollows =
                (AtSeparator(u".") || (separator == u":" && AtSeparator(u","))) && At(Token::Number, 1);
            if (fractionFollows) {
                ++pos_;
                const int digits = Current().digits;
                const auto fraction = TakeNumber(1, 6);
                if (!fraction) return false;
                int microsecond = *fraction;
                for (int d = digits; d < 6; ++d) microsecond *= 10;
                parts.microsecond = microsecond;
            }
        }
        if (auto ampm = TakeAmPm()) return ApplyAmPm(parts, *ampm);
        return true;
    }

    static bool ApplyAmPm(DateTimeParts& parts, int pm) {
        if (parts.hour < 1 || parts.hour > 12) return false;
        parts.hour = parts.hour % 12 + (pm ? 12 : 0);
        return true;
    }

    // A separator inside a date: no colon, no word.
    bool AtDateSeparator() const {
        if (!At(Token::Separator) || Current().hasWord) return false;
        return Current().text.find(u':') == std::u16string::npos;
    }

    bool ReadDate(DateTimeParts& parts) {
        if (At(Token::Number) && Current().digits == 8) {
            // yyyyMMdd
            const int packed = tokens_[pos_++].value;
            parts.year = packed / 10000;
            parts.month = packed / 100 % 100;
            parts.day = packed % 100;
            dateRead_ = true;
            return IsValidDate(parts.year, parts.month, parts.day);
        }
        const Token* elements[3];
        for (int k = 0; k < 3; ++k) {
            if (k > 0 && AtDateSeparator()) ++pos_;
            if (!At(Token::Number) && !At(Token::MonthWord)) return false;
            elements[k] = &tokens_[pos_++];
        }
        dateRead_ = true;
        return ResolveDate(elements, parts);
    }

    bool ResolveDate(const Token* const elements[3], DateTimeParts& parts) const {
        const Token* year = nullptr;
        const Token* month = nullptr;
        const Token* day = nullptr;
        const Token* numbers[3];
        int numberCount = 0;
        for (int k = 0; k < 3; ++k) {
            if (elements[k]->kind == Token::MonthWord) {
                if (month) return false;
                month = elements[k];
            } else {
                numbers[numberCount++] = elements[k];
            }
        }
        if (month) {
            // With a month name the four-digit number is the year; with two short
            // numbers the day comes first.
            const bool yearFirst = numbers[0]->digits == 4;
            year = yearFirst ? numbers[0] : numbers[1];
            day = yearFirst ? numbers[1] : numbers[0];
        } else if (numbers[0]->digits == 4 || order_ == DateOrder::YearMonthDay) {
            year = numbers[0], month = numbers[1], day = numbers[2];
        } else if (order_ == DateOrder::DayMonthYear) {
            day = numbers[0], month = numbers[1], year = numbers[2];
        } else {
            month = numbers[0], day = numbers[1], year = numbers[2];
        }
        if (year->digits != 2 && year->digits != 4) return false;
        if (day->digits > 2 || (month->kind == Token::Number && month->digits > 2)) return false;
        parts.year = year->digits == 4 ? year->value
                                       : year->value + (year->value < kTwoDigitYearPivot ? 2000 : 1900);
        parts.month = month->value;
        parts.day = day->value;
        return IsValidDate(parts.year, parts.month, parts.day);
    }

    const std::vector<Token>& tokens_;
    DateOrder order_;
    size_t pos_ = 0;
    bool dateRead_ = false;
};

}  // namespace

std::optional<DateOrder> ParseDateOrder(std::u16string_view text) {
    if (EqualsIgnoringCase(text, u"MDY")) return DateOrder::MonthDayYear;
    if (EqualsIgnoringCase(text, u"DMY")) return DateOrder::DayMonthYear;
    if (EqualsIgnoringCase(text, u"YMD")) return DateOrder::YearMonthDay;
    return std::nullopt;
}

std::u16string_view DefaultPicture(DateOrder order) {
    switch (order) {
    case DateOrder::DayMonthYear: return u"dd/MM/yyyy";
    case DateOrder::YearMonthDay: return u"yyyy/MM/dd";
    case DateOrder::MonthDayYear: break;
    }
    return u"MM/dd/yyyy";
}

std::optional<DateTime> ReadDateText(std::u16string_view text, DateOrder order) {
    std::vector<Token> tokens;
    std::vector<int> weekdays;
    if (!Tokenize(text, tokens, weekdays)) return std::nullopt;
    Reader reader(tokens, order);
    const auto value = reader.Read();
    if (!value) return std::nullopt;
    // A weekday name must be the date's own; without a date it cannot be checked.
    for (int weekday : weekdays)
        if (!reader.HasDate() || weekday != HostWeekday(value->day)) return std::nullopt;
    return value;
}

}  // namespace host
