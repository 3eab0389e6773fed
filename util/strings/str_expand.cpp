// ZelStrExpand: a text template filled from a host array.
#include <windows.h>

#include <string>

#include "frame/host_api.h"
#include "frame/host_string.h"
#include "include/zwi51.h"
#include "util/strings/core/template_expander.h"
#include "util/strings/string_result.h"
#include "util/strings/text_args.h"

namespace {

// Tells the host that the library is done with a string, on every way out.
class ReleaseWhenDone {
public:
    explicit ReleaseWhenDone(HOSTSTR string) : string_(string) {}
    ~ReleaseWhenDone() { HostStrRelease(string_); }
    ReleaseWhenDone(const ReleaseWhenDone&) = delete;
    ReleaseWhenDone& operator=(const ReleaseWhenDone&) = delete;

private:
    HOSTSTR string_;
};

// A one-dimensional host array as the template's element source. Elements of
// another type than the placeholder asks for read as "" or 0.
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

    // The host hands out a new string for each read; the library is done with
    // it once its text is copied.
    std::u16string_view String(long index) override {
        text_.clear();
        HOSTSTR element = 0;
        if (!HostArrayGetString(array_, &element, index) || !element) return text_;
        const ReleaseWhenDone release(element);
        DWORD bytes = 0;
        if (const WCHAR* stored = HostStrLock(element, &bytes)) {
            const size_t limit = bytes / sizeof(WCHAR);
            size_t length = 0;
            while (length < limit && stored[length]) ++length;
            text_.assign(reinterpret_cast<const char16_t*>(stored), length);
        }
        return text_;
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
    std::u16string text_;  // the element last read
};

}  // namespace

extern "C" HOSTSTR __stdcall ZelStrExpand(LPCWSTR templateText, HARRAY array) {
    return zw::strings::StringResult(L"ZelStrExpand()", [&] {
        if (!templateText) return zw::NewHostString(L"");
        HostArrayElements elements(array);
        const std::u16string expanded = zw::strings::ExpandTemplate(zw::strings::TextArg(templateText), elements);
        return zw::NewHostString(zw::strings::Wide(expanded));
    });
}
