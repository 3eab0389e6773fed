// Item attributes: text, value, colour, font, pictures and flags of the item
// an item handle names, whether or not it has a row.
#include <windows.h>

#include <string>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/item_call.h"
#include "controls/outline/item_rows.h"
#include "controls/outline/pictures/pic.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// An item, the box that owns it and the row it is shown in (-1 for none).
struct ItemView {
    TreeNode* node = nullptr;
    HWND box = nullptr;
    OutlineState state{};
    int row = -1;
    bool attached = false;  // the box is still an outline box

    explicit ItemView(const void* handle) : node(AsNode(handle)) {
        if (!node) return;
        box = static_cast<HWND>(node->window);
        attached = IsWindow(box) && ReadOutlineState(box, &state);
        if (attached) row = RowOfNode(box, node);
    }
    RowRecord& Record() const { return *node->record; }
    void Repaint() const {
        if (attached && row >= 0) RepaintRow(box, state, row);
    }
    void RemeasureShown() const {
        if (attached && row >= 0) Remeasure(box, state, row);
    }
};

std::u16string FromWide(LPCWSTR text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}

void SetText(const ItemView& item, LPCWSTR text) {
    std::u16string value = FromWide(text);
    ApplyCase(value, item.attached ? item.state.style : 0);
    item.Record().text = std::move(value);
    item.Repaint();
}

// The row an item hidden from view is shown in again: after its previous
// sibling's block, else before its next sibling's row, else below its parent.
int ShowAgainAt(const ItemView& item) {
    const TreeNode& node = *item.node;
    if (node.previous && node.previous->record->hasRow) {
        const int previous = RowOfNode(item.box, node.previous);
        if (previous >= 0) return BlockEnd(item.box, item.state, previous);
    }
    if (node.next && node.next->record->hasRow) {
        const int next = RowOfNode(item.box, node.next);
        if (next >= 0) return next;
    }
    if (node.parent && node.parent->parent) {
        const int parent = RowOfNode(item.box, node.parent);
        return parent >= 0 ? parent + 1 : -1;
    }
    return 0;
}

bool ParentExpanded(const TreeNode& node) {
    return node.parent && (!node.parent->parent || (node.parent->record->hasRow &&
                                                    (node.parent->record->flags & kRowExpanded)));
}

int SetItemFlags(const ItemView& item, DWORD flags, BOOL set) {
    RowRecord& record = item.Record();
    if (!item.attached) {
        if (set) record.flags |= flags;
        else record.flags &= ~flags;
        return 1;
    }
    int row = item.row;
    if (set && row >= 0) {
        if (flags & kRowDelete) {
            DeleteChild(item.box, row);
            return 1;
        }
        if (flags & kRowHidden) {
            if ((record.flags & kRowExpanded) && item.node->firstChild) Collapse(item.box, row);
            TakeRows(item.box, item.state, row, row + 1);
            row = -1;
        } else {
            SelectRow(item.box, item.state, row, (flags & kRowSelected) != 0);
        }
    }
    if (set && !(flags & kRowHidden) && row < 0 && !record.hasRow && ParentExpanded(*item.node)) {
        const int at = ShowAgainAt(item);
        if (at >= 0 && InsertRecordRow(item.box, item.state, &record, at) >= 0) {
            row = at;
            record.flags &= ~kRowHidden;
            // A remembered or newly set selection comes with the row.
            if ((record.flags | flags) & kRowSelected) SelectRow(item.box, item.state, row, true);
        }
    }
    if ((flags & kRowExpanded) && row >= 0) {
        if (set) Expand(item.box, row);
        else Collapse(item.box, row);
    }
    ApplyFlags(item.box, item.state, record, row, flags, set != FALSE);
    return 1;
}

}  // namespace
}  // namespace zw::outline

using zw::outline::ItemCall;
using zw::outline::ItemView;
using zw::outline::TreeNode;

extern "C" ZW_HSTR __stdcall ZelListGetItemText(ZW_HITEM item) {
    return zw::Guarded(L"ZelListGetItemText()", ZW_HSTR(0), [&] {
        const ItemView view(item);
        if (!view.node) return zw::NewHostString(L"");
        const std::u16string& text = view.Record().text;
        return zw::NewHostString(std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()));
    });
}

extern "C" int __stdcall ZelListSetItemText(ZW_HITEM item, LPCWSTR text) {
    return zw::Guarded(L"ZelListSetItemText()", 0, [&] {
        const ItemView view(item);
        if (!view.node) return 0;
        zw::outline::SetText(view, text);
        return 1;
    });
}

extern "C" LONG_PTR __stdcall ZelListGetItemValue(ZW_HITEM item) {
    return ItemCall(L"ZelListGetItemValue()", item, LONG_PTR(0),
                    [](const TreeNode& node) { return node.record->value; });
}

extern "C" int __stdcall ZelListSetItemValue(ZW_HITEM item, LONG_PTR value) {
    return ItemCall(L"ZelListSetItemValue()", item, 0, [&](TreeNode& node) {
        node.record->value = value;
        return 1;
    });
}

extern "C" DWORD __stdcall ZelListGetItemColor(ZW_HITEM item) {
    return ItemCall(L"ZelListGetItemColor()", item, DWORD(0), [](const TreeNode& node) { return node.record->colour; });
}

extern "C" int __stdcall ZelListSetItemColor(ZW_HITEM item, DWORD colour) {
    return zw::Guarded(L"ZelListSetItemColor()", 0, [&] {
        const ItemView view(item);
        if (!view.node) return 0;
        view.Record().colour = colour;
        if (view.attached && (view.state.isCombo || view.row == 0)) InvalidateRect(view.box, nullptr, TRUE);
        else view.Repaint();
        return 1;
    });
}

extern "C" HFONT __stdcall ZelListGetItemFont(ZW_HITEM item) {
    return ItemCall(L"ZelListGetItemFont()", item, HFONT(nullptr),
                    [](const TreeNode& node) { return static_cast<HFONT>(node.record->font); });
}

extern "C" int __stdcall ZelListSetItemFont(ZW_HITEM item, HFONT font) {
    return zw::Guarded(L"ZelListSetItemFont()", 0, [&] {
        const ItemView view(item);
        if (!view.node) return 0;
        view.Record().font = font;
        view.RemeasureShown();
        return 1;
    });
}

extern "C" int __stdcall ZelListGetItemPicture(ZW_HITEM item, ZW_HPIC* normal, ZW_HPIC* selected) {
    return ItemCall(L"ZelListGetItemPicture()", item, 0, [&](const TreeNode& node) {
        if (normal) *normal = reinterpret_cast<ZW_HPIC>(node.record->normalPicture);
        if (selected) *selected = reinterpret_cast<ZW_HPIC>(node.record->selectedPicture);
        return 1;
    });
}

extern "C" int __stdcall ZelListSetItemPicture(ZW_HITEM item, ZW_HPIC normal, ZW_HPIC selected) {
    return zw::Guarded(L"ZelListSetItemPicture()", 0, [&] {
        const ItemView view(item);
        if (!view.node) return 0;
        view.Record().normalPicture = zw::PIC::FromHandle(normal);
        view.Record().selectedPicture = zw::PIC::FromHandle(selected);
        view.RemeasureShown();
        return 1;
    });
}

extern "C" LONG __stdcall ZelListGetItemFlags(ZW_HITEM item) {
    return ItemCall(L"ZelListGetItemFlags()", item, LONG(0),
                    [](const TreeNode& node) { return LONG(node.record->flags); });
}

extern "C" int __stdcall ZelListSetItemFlags(ZW_HITEM item, DWORD flags, BOOL set) {
    return zw::Guarded(L"ZelListSetItemFlags()", 0, [&] {
        const ItemView view(item);
        return view.node ? zw::outline::SetItemFlags(view, flags, set) : 0;
    });
}

extern "C" int __stdcall ZelListGetItemData(ZW_HITEM item, ZW_HSTR* text, LONG_PTR* value, DWORD* flags) {
    return ItemCall(L"ZelListGetItemData()", item, 0, [&](const TreeNode& node) {
        const std::u16string& words = node.record->text;
        if (text) zw::AssignHostString(text, std::wstring_view(reinterpret_cast<const wchar_t*>(words.data()), words.size()));
        if (value) *value = node.record->value;
        if (flags) *flags = node.record->flags;
        return 1;
    });
}

extern "C" int __stdcall ZelListSetItemData(HWND list, ZW_HITEM item, LPCWSTR text, LONG_PTR value, DWORD flags) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListSetItemData()", 0, [&] {
        const ItemView view(item);
        if (!view.node || view.box != list) return 0;
        view.Record().value = value;
        zw::outline::SetItemFlags(view, flags, TRUE);
        const ItemView after(item);  // the flags may have moved or removed its row
        if (!after.node) return 1;
        zw::outline::SetText(after, text);
        return 1;
    });
}
