// Fuzz target for the portable text readers, on the input as UTF-16 text: the
// string table (each line a key), the template expander over a small array,
// date pictures (compiled and used) and date text in the three orders, and
// destination-name patterns. Nothing may crash or read outside its text; a
// string-table answer lies inside the table.
#include <cstdlib>
#include <string>
#include <vector>

#include "host/core/date_picture.h"
#include "host/core/date_reader.h"
#include "util/files/core/dest_name.h"
#include "util/strings/core/string_table.h"
#include "util/strings/core/template_expander.h"

namespace {

class Elements : public zw::strings::ElementSource {
public:
    long Count() override { return 3; }
    long LowerBound() override { return -1; }
    std::u16string_view String(long index) override { return index == 0 ? u"" : u"element"; }
    std::int32_t NumberAsInt(long index) override { return index == 1 ? -2147483647 - 1 : 42; }
};

std::u16string Text(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    return text;
}

void StringTable(const std::u16string& text) {
    std::u16string table(zw::strings::StringTableCapacity(text.size()), u'\0');
    const std::size_t used = zw::strings::WriteStringTable(text, table.data(), table.size());
    if (used > table.size()) std::abort();
    table.resize(used);
    const std::u16string key = text.substr(0, std::min<std::size_t>(text.size(), 3));
    if (const auto found = zw::strings::FindInStringTable(table, key)) {
        if (found->data() < table.data() || found->data() + found->size() > table.data() + table.size()) std::abort();
    }
}

}  // namespace

extern "C" int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size) {
    static const std::vector<std::u16string> texts = {
        u"key1 first\r\nkey2 second\r\n", u"{<%s>%,n} and %u %% {x", u"yyyy-MM-dd hh:mm:ss.mmmmmm dddd MMMM",
        u"12/31/1999 23:59", u"*.txt|C:\\dir\\name.dat",
    };
    if (index < 0 || std::size_t(index) >= texts.size()) return 0;
    *data = reinterpret_cast<const std::uint8_t*>(texts[index].data());
    *size = texts[index].size() * 2;
    return 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = Text(data, size);
    StringTable(text);
    Elements elements;
    zw::strings::ExpandTemplate(text, elements);
    if (const auto picture = host::CompilePicture(text)) host::FormatDate(host::DateTime{730000, 123456789}, *picture);
    for (host::DateOrder order : {host::DateOrder::MonthDayYear, host::DateOrder::DayMonthYear,
                                  host::DateOrder::YearMonthDay})
        host::ReadDateText(text, order);
    const std::size_t bar = text.find(u'|');
    if (bar != std::u16string::npos) zw::files::TargetName(std::u16string_view(text).substr(0, bar),
                                                           std::u16string_view(text).substr(bar + 1));
    return 0;
}
