#include "host/core/date_picture.h"

#include "host/core/date_names.h"

namespace host {

namespace {

constexpr std::u16string_view kAmPm = u"AMPM";

// The field of a run of `count` equal pattern letters, or nothing when that run
// length means nothing.
std::optional<PictureField> FieldOfRun(char16_t letter, size_t count) {
    using K = PictureField::Kind;
    auto field = [](K kind, int digits = 0) { return PictureField{kind, {}, digits}; };
    switch (letter) {
    case u'y':
        if (count == 2) return field(K::Year2);
        if (count == 4) return field(K::Year4);
        break;
    case u'M':
        if (count >= 1 && count <= 4) return field(static_cast<K>(K::Month + count - 1));
        break;
    case u'd':
        if (count >= 1 && count <= 4) return field(static_cast<K>(K::Day + count - 1));
        break;
    case u'h':
        if (count == 1) return field(K::Hour);
        if (count == 2) return field(K::Hour2);
        break;
    case u'm':
        if (count == 1) return field(K::Minute);
        if (count == 2) return field(K::Minute2);
        if (count >= 3 && count <= 6) return field(K::Fraction, static_cast<int>(count));
        break;
    case u's':
        if (count == 1) return field(K::Second);
        if (count == 2) return field(K::Second2);
        break;
    }
    return std::nullopt;
}

bool IsPatternLetter(char16_t c) {
    return c == u'y' || c == u'M' || c == u'd' || c == u'h' || c == u'm' || c == u's';
}

void AppendLiteral(Picture& picture, std::u16string_view text) {
    if (!picture.fields.empty() && picture.fields.back().kind == PictureField::Literal)
        picture.fields.back().literal += text;
    else
        picture.fields.push_back(PictureField{PictureField::Literal, std::u16string(text), 0});
}

void AppendNumber(std::u16string& out, long long value, int width) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), u'0');
    out += digits;
}

}  // namespace

std::optional<Picture> CompilePicture(std::u16string_view text) {
    Picture picture;
    size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (c == u'\'') {
            // Quoted literal; a doubled quote stands for one quote, inside or outside.
            if (i + 1 < text.size() && text[i + 1] == u'\'') {
                AppendLiteral(picture, u"'");
                i += 2;
                continue;
            }
            std::u16string literal;
            size_t j = i + 1;
            for (;; ++j) {
                if (j >= text.size()) return std::nullopt;
                if (text[j] != u'\'') {
                    literal += text[j];
                } else if (j + 1 < text.size() && text[j + 1] == u'\'') {
                    literal += u'\'';
                    ++j;
                } else {
                    break;
                }
            }
            AppendLiteral(picture, literal);
            i = j + 1;
        } else if (text.substr(i, kAmPm.size()) == kAmPm) {
            picture.fields.push_back(PictureField{PictureField::AmPm, {}, 0});
            picture.twelveHour = true;
            i += kAmPm.size();
        } else if (IsPatternLetter(c)) {
            size_t j = i;
            while (j < text.size() && text[j] == c) ++j;
            const auto field = FieldOfRun(c, j - i);
            if (!field) return std::nullopt;
            picture.fields.push_back(*field);
            i = j;
        } else {
            AppendLiteral(picture, text.substr(i, 1));
            ++i;
        }
    }
    return picture;
}

bool IsValidPicture(std::u16string_view picture) {
    return CompilePicture(picture).has_value();
}

std::u16string FormatDate(const DateTime& value, const Picture& picture) {
    const DateTimeParts parts = SplitDateTime(value);
    const int weekday = HostWeekday(value.day);
    int hour = parts.hour;
    if (picture.twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
    std::u16string out;
    for (const PictureField& field : picture.fields) {
        switch (field.kind) {
        case PictureField::Literal: out += field.literal; break;
        case PictureField::Year4: AppendNumber(out, parts.year, 4); break;
        case PictureField::Year2: AppendNumber(out, parts.year % 100, 2); break;
        case PictureField::Month: AppendNumber(out, parts.month, 1); break;
        case PictureField::Month2: AppendNumber(out, parts.month, 2); break;
        case PictureField::MonthAbbrev: out += EnglishMonthName(parts.month, true); break;
        case PictureField::MonthName: out += EnglishMonthName(parts.month, false); break;
        case PictureField::Day: AppendNumber(out, parts.day, 1); break;
        case PictureField::Day2: AppendNumber(out, parts.day, 2); break;
        case PictureField::WeekdayAbbrev: out += EnglishWeekdayName(weekday, true); break;
        case PictureField::WeekdayName: out += EnglishWeekdayName(weekday, false); break;
        case PictureField::Hour: AppendNumber(out, hour, 1); break;
        case PictureField::Hour2: AppendNumber(out, hour, 2); break;
        case PictureField::Minute: AppendNumber(out, parts.minute, 1); break;
        case PictureField::Minute2: AppendNumber(out, parts.minute, 2); break;
        case PictureField::Second: AppendNumber(out, parts.second, 1); break;
        case PictureField::Second2: AppendNumber(out, parts.second, 2); break;
        case PictureField::Fraction: {
            long long fraction = parts.microsecond;
            for (int d = field.digits; d < 6; ++d) fraction /= 10;
            AppendNumber(out, fraction, field.digits);
            break;
        }
        case PictureField::AmPm: out += parts.hour < 12 ? u"AM" : u"PM"; break;
        }
    }
    return out;
}

std::optional<std::u16string> FormatDate(const DateTime& value, std::u16string_view picture) {
    const auto compiled = CompilePicture(picture);
    if (!compiled) return std::nullopt;
    return FormatDate(value, *compiled);
}

}  // namespace host
