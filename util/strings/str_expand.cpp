// ZelStrExpand: a text template filled from a host array.
#include <windows.h>

#include "frame/host_api.h"
#include "frame/host_string.h"
#include "util/strings/core/template_expander.h"
#include "util/strings/string_result.h"
#include "util/strings/text_args.h"

namespace {

// A one-dimensional host array as the template's element source. Elements of
// another type than the placeholder asks for read as "" or 0.
//
// A string element is read as the element's own host string, which keeps its
// text while the element keeps its value; the library only releases it. So
// the texts stay valid for the whole expansion and the expander keeps views
// of them: no element's text is copied before it goes into the result.
class HostArrayElements : public zw::strings::ElementSource {
public:
    explicit HostArrayElements(HARRAY array) : array_(array) {
        LONG upper = 0;
        count_ = HostArrayGetBounds(array, &lower_, &upper);
        if (count_ <= 0) {
            count_ = 0;
            lower_ = 0;
        }
    }

    long Count() override { return count_; }
    long LowerBound() override { return lower_; }
    bool StringsStayValid() const override { return true; }

    std::u16string_view String(long index) override {
        HOSTSTR element = 0;
        if (!HostArrayGetString(array_, &element, index) || !element) return {};
        DWORD bytes = 0;
        const WCHAR* stored = HostStrLock(element, &bytes);
        size_t length = 0;
        if (stored) {
            const size_t limit = bytes / sizeof(WCHAR);
            while (length < limit && stored[length]) ++length;
        }
        HostStrRelease(element);
        return stored ? std::u16string_view(reinterpret_cast<const char16_t*>(stored), length) : std::u16string_view();
    }

    std::int32_t NumberAsInt(long index) override {
        HostNumber number{};
        if (!HostArrayGetNumber(array_, &number, index)) return 0;
        return HostNumberToInt(&number);
    }

private:
    HARRAY array_;
    LONG lower_ = 0;
    long count_ = 0;
};

}  // namespace

// The result is written straight into a host string of the size the first
// pass allows for, whose length is then set to what was written.
extern "C" HOSTSTR __stdcall ZelStrExpand(LPCWSTR templateText, HARRAY array) {
    return zw::strings::StringResult(L"ZelStrExpand()", [&] {
        if (!templateText) return zw::NewHostString(L"");
        HostArrayElements elements(array);
        zw::strings::TemplateExpansion expansion(zw::strings::TextArg(templateText), elements);
        HOSTSTR result = zw::NewHostStringOfLength(expansion.Capacity());
        WCHAR* out = HostStrLock(result, nullptr);
        const size_t written = expansion.WriteTo(reinterpret_cast<char16_t*>(out));
        HostStrSetLength(&result, DWORD(written + 1));
        return result;
    });
}
