// ZelMessageLoadButton and ZelMessageFreeButton.
#include "util/windows/message_box/msg_button.h"

#include <windows.h>

#include <new>
#include <set>

#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace zw::msgbox {
namespace {

std::set<const MessageButton*>& LiveButtons() {
    static std::set<const MessageButton*> live;
    return live;
}

}  // namespace

MessageButton::MessageButton() { LiveButtons().insert(this); }
MessageButton::~MessageButton() { LiveButtons().erase(this); }

MessageButton* MessageButton::FromHandle(const void* handle) {
    if (!handle || !LiveButtons().count(static_cast<const MessageButton*>(handle))) return nullptr;
    return static_cast<MessageButton*>(const_cast<void*>(handle));
}

std::size_t MessageButton::LiveCount() { return LiveButtons().size(); }

}  // namespace zw::msgbox

extern "C" ZW_HBUTTON __stdcall ZelMessageLoadButton(LPCWSTR text, int value) {
    return zw::Guarded(L"ZelMessageLoadButton()", ZW_HBUTTON(nullptr), [&]() -> ZW_HBUTTON {
        auto* button = new (std::nothrow) zw::msgbox::MessageButton;
        if (!button) return nullptr;
        try {
            button->text = text ? text : L"";
        } catch (...) {
            delete button;
            throw;
        }
        button->value = value;
        return reinterpret_cast<ZW_HBUTTON>(button);
    });
}

extern "C" BOOL __stdcall ZelMessageFreeButton(ZW_HBUTTON handle) {
    return zw::Guarded(L"ZelMessageFreeButton()", BOOL(FALSE), [&]() -> BOOL {
        zw::msgbox::MessageButton* button = zw::msgbox::MessageButton::FromHandle(handle);
        if (!button) return FALSE;
        delete button;
        return TRUE;
    });
}
