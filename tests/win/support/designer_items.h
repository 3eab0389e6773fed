// Designer property data for windows that a test creates.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zwtest {

// While alive, every window of class `className` that the thread creates
// receives these designer items in the replacement host before it sees its
// first message, as the host stores a form's data with a control window
// before the control reads it at creation. The items are cleared from those
// windows when the object goes.
class DesignerItems {
public:
    using Item = std::pair<std::wstring, std::vector<std::uint8_t>>;

    DesignerItems(std::wstring className, std::vector<Item> items);
    ~DesignerItems();
    DesignerItems(const DesignerItems&) = delete;
    DesignerItems& operator=(const DesignerItems&) = delete;

    // Windows that received the items, in order of creation.
    const std::vector<HWND>& Windows() const { return windows_; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);

    std::wstring className_;
    std::vector<Item> items_;
    std::vector<HWND> windows_;
    HHOOK hook_ = nullptr;
    DesignerItems* previous_ = nullptr;
};

}  // namespace zwtest
