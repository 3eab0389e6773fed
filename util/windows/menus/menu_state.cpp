#include "util/windows/menus/menu_state.h"

#include <cstring>
#include <unordered_map>

#include "util/windows/local_block.h"
#include "util/windows/menus/menu_items.h"

namespace zw::menus {
namespace {

constexpr wchar_t kProperty[] = L"ZW:Menu";
constexpr int kGrowBy = 10;  // records the table starts with and grows by

// The owners in the process: the state block under each one's property, and
// its earlier procedure once more, so that the subclass procedure reaches it
// without locking the block on every message.
struct Owner {
    HLOCAL block;
    WNDPROC previous;
};

std::unordered_map<HWND, Owner>& Owners() {
    static std::unordered_map<HWND, Owner> owners;
    return owners;
}

// A local block locked while the owner lives.
template <typename T>
using Locked = windows::LockedLocal<T>;

HLOCAL StateOf(HWND owner) {
    auto it = Owners().find(owner);
    return it == Owners().end() ? nullptr : it->second.block;
}

// A moveable block holding `text` and its terminator; null when memory is short.
HLOCAL CopyText(const std::wstring& text) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE, bytes);
    if (!block) return nullptr;
    Locked<wchar_t> copy(block);
    if (!copy) {
        LocalFree(block);
        return nullptr;
    }
    std::memcpy(copy.Get(), text.c_str(), bytes);
    return block;
}

std::wstring TextOf(HLOCAL block) {
    Locked<const wchar_t> text(block);
    return text ? std::wstring(text.Get()) : std::wstring();
}

// The record of an item in a locked table, or null.
MenuItemRecord* FindIn(MenuItemRecord* records, int count, HMENU menu, UINT identifier) {
    for (int i = 0; i < count; ++i) {
        MenuItemRecord& record = records[i];
        if (record.inUse && record.menu == menu && record.identifier == identifier) return &record;
    }
    return nullptr;
}

// Calls `visit(record)` with the record of an item in whichever state holds
// it; false when none does.
template <typename Visit>
bool VisitRecord(HMENU menu, UINT identifier, Visit&& visit) {
    for (const auto& [owner, entry] : Owners()) {
        Locked<MenuState> state(entry.block);
        if (!state) continue;
        Locked<MenuItemRecord> records(state->records);
        if (!records) continue;
        if (MenuItemRecord* record = FindIn(records.Get(), state->count, menu, identifier)) {
            visit(owner, *record);
            return true;
        }
    }
    return false;
}

void FreeState(HLOCAL block) {
    {
        Locked<MenuState> state(block);
        if (state && state->records) {
            {
                Locked<MenuItemRecord> records(state->records);
                for (int i = 0; records && i < state->count; ++i) {
                    if (records.Get()[i].inUse && records.Get()[i].text) LocalFree(records.Get()[i].text);
                }
            }
            LocalFree(state->records);
        }
    }
    LocalFree(block);
}

}  // namespace

bool HasMenuState(HWND owner) {
    return StateOf(owner) != nullptr;
}

bool EnsureMenuState(HWND owner, HMENU scanned) {
    if (HasMenuState(owner)) return true;
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(MenuState));
    HLOCAL records = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, kGrowBy * sizeof(MenuItemRecord));
    bool made = block && records;
    if (made) {
        Locked<MenuState> state(block);
        made = bool(state);
        if (made) {
            state->nextIdentifier = UINT(HighestCommand(scanned)) + 1;
            state->records = records;
            state->capacity = kGrowBy;
            made = SetPropW(owner, kProperty, block) != FALSE;
        }
    }
    if (made) {
        // Known to the process before the subclass, which may be called at once.
        Owners()[owner] = Owner{block, nullptr};
        const auto previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuOwnerProc)));
        if (previous) {
            Owners()[owner].previous = previous;
            Locked<MenuState>(block)->previous = previous;
            return true;
        }
        Owners().erase(owner);
        RemovePropW(owner, kProperty);
    }
    if (block) LocalFree(block);
    if (records) LocalFree(records);
    return false;
}

UINT NextIdentifier(HWND owner) {
    Locked<MenuState> state(StateOf(owner));
    return state ? state->nextIdentifier : 0;
}

void TakeIdentifier(HWND owner) {
    Locked<MenuState> state(StateOf(owner));
    if (state) ++state->nextIdentifier;
}

bool SetItemRecord(HWND owner, HMENU menu, UINT identifier, const ItemContent& content) {
    Locked<MenuState> state(StateOf(owner));
    if (!state) return false;
    HLOCAL text = CopyText(content.text);
    if (!text) return false;
    int slot = -1;
    HLOCAL replaced = nullptr;  // the text copy of the record being replaced
    {
        Locked<MenuItemRecord> records(state->records);
        if (!records) {
            LocalFree(text);
            return false;
        }
        if (MenuItemRecord* record = FindIn(records.Get(), state->count, menu, identifier)) {
            slot = int(record - records.Get());
            replaced = record->text;
        } else {
            for (int i = 0; i < state->count && slot < 0; ++i) {
                if (!records.Get()[i].inUse) slot = i;
            }
        }
    }
    if (slot < 0) {
        if (state->count == state->capacity) {
            HLOCAL grown = LocalReAlloc(state->records, (state->capacity + kGrowBy) * sizeof(MenuItemRecord),
                                        LMEM_MOVEABLE | LMEM_ZEROINIT);
            if (!grown) {
                LocalFree(text);
                return false;
            }
            state->records = grown;
            state->capacity += kGrowBy;
        }
        slot = state->count++;
    }
    Locked<MenuItemRecord> records(state->records);
    if (!records) {
        LocalFree(text);
        return false;
    }
    HANDLE image = nullptr;
    if (content.picture) {
        image = content.picture->icon ? static_cast<HANDLE>(content.picture->icon)
                                      : static_cast<HANDLE>(content.picture->bitmap);
    }
    records.Get()[slot] = MenuItemRecord{menu, identifier, 1, text, content.picture, image, content.font};
    if (replaced) LocalFree(replaced);
    return true;
}

bool FindItemRecord(HMENU menu, UINT identifier, ItemRecordView* view) {
    return VisitRecord(menu, identifier, [&](HWND owner, const MenuItemRecord& record) {
        view->owner = owner;
        view->text = TextOf(record.text);
        PIC* picture = PIC::FromHandle(record.picture);
        const bool same = picture && (picture->icon == record.image || picture->bitmap == record.image);
        view->picture = same ? picture : nullptr;
        view->font = record.font;
    });
}

bool SetRecordText(HMENU menu, UINT identifier, const std::wstring& text) {
    HLOCAL copy = CopyText(text);
    if (!copy) return false;
    const bool found = VisitRecord(menu, identifier, [&](HWND, MenuItemRecord& record) {
        LocalFree(record.text);
        record.text = copy;
    });
    if (!found) LocalFree(copy);
    return found;
}

void ReleaseItemRecord(HMENU menu, UINT identifier) {
    VisitRecord(menu, identifier, [](HWND, MenuItemRecord& record) {
        if (record.text) LocalFree(record.text);
        record = MenuItemRecord{};
    });
}

WNDPROC PreviousProcedure(HWND owner) {
    auto it = Owners().find(owner);
    return it == Owners().end() ? nullptr : it->second.previous;
}

void DestroyMenuState(HWND owner) {
    auto it = Owners().find(owner);
    if (it == Owners().end()) return;
    if (GetWindowLongPtrW(owner, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&MenuOwnerProc)) {
        SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
    }
    FreeState(it->second.block);
    Owners().erase(it);
    RemovePropW(owner, kProperty);
}

std::size_t LiveMenuRecordCount() {
    std::size_t live = 0;
    for (const auto& [owner, entry] : Owners()) {
        ++live;
        Locked<MenuState> state(entry.block);
        if (!state) continue;
        Locked<MenuItemRecord> records(state->records);
        for (int i = 0; records && i < state->count; ++i) live += records.Get()[i].inUse ? 1 : 0;
    }
    return live;
}

}  // namespace zw::menus
