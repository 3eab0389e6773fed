#include "controls/outline/outline_state.h"

#include <cstring>
#include <unordered_map>

namespace zw::outline {
namespace {

constexpr wchar_t kChildProperty[] = L"ZW:ChildLbx";
constexpr wchar_t kParentProperty[] = L"ZW:ParentLbx";

// The blocks are kept in the window properties; these maps mirror them in
// the process, because every row measured or drawn needs them and reading a
// window property is a round trip to the window server under Wine.
std::unordered_map<HWND, HLOCAL>& Mirror(const wchar_t* property) {
    static std::unordered_map<HWND, HLOCAL> children, parents;
    return property == kChildProperty ? children : parents;
}

HLOCAL BlockOf(HWND window, const wchar_t* property) {
    const auto& mirror = Mirror(property);
    const auto it = mirror.find(window);
    return it == mirror.end() ? nullptr : it->second;
}

HLOCAL TakeBlock(HWND window, const wchar_t* property) {
    Mirror(property).erase(window);
    return RemovePropW(window, property);
}

template <typename T>
bool ReadBlock(HWND window, const wchar_t* property, T* out) {
    HLOCAL block = BlockOf(window, property);
    if (!block) return false;
    void* data = LocalLock(block);
    if (!data) return false;
    std::memcpy(out, data, sizeof(T));
    LocalUnlock(block);
    return true;
}

template <typename T>
bool CreateBlock(HWND window, const wchar_t* property, const T& initial) {
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(T));
    if (!block) return false;
    void* data = LocalLock(block);
    if (!data) {
        LocalFree(block);
        return false;
    }
    std::memcpy(data, &initial, sizeof(T));
    LocalUnlock(block);
    try {
        Mirror(property)[window] = block;
    } catch (...) {
        LocalFree(block);
        return false;
    }
    if (!SetPropW(window, property, block)) {
        Mirror(property).erase(window);
        LocalFree(block);
        return false;
    }
    return true;
}

}  // namespace

namespace detail {

OutlineState* LockOutlineState(HWND box, HLOCAL* block) {
    *block = BlockOf(box, kChildProperty);
    return *block ? static_cast<OutlineState*>(LocalLock(*block)) : nullptr;
}

void UnlockOutlineState(HLOCAL block) {
    LocalUnlock(block);
}

}  // namespace detail

bool ReadOutlineState(HWND box, OutlineState* state) {
    return ReadBlock(box, kChildProperty, state);
}

bool HasOutlineState(HWND box) {
    return box && BlockOf(box, kChildProperty) != nullptr;
}

bool CreateOutlineState(HWND box, WNDPROC underlying, BOOL isCombo) {
    OutlineState initial{};
    initial.underlying = underlying;
    initial.isCombo = isCombo;
    return CreateBlock(box, kChildProperty, initial);
}

void DestroyOutlineState(HWND box) {
    HLOCAL block = TakeBlock(box, kChildProperty);
    if (!block) return;
    if (auto* state = static_cast<OutlineState*>(LocalLock(block))) {
        if (state->tabStops) LocalFree(state->tabStops);
        if (state->editBrush) DeleteObject(state->editBrush);
        LocalUnlock(block);
    }
    LocalFree(block);
}

bool ReadParentState(HWND parent, ParentState* state) {
    return ReadBlock(parent, kParentProperty, state);
}

bool CreateParentState(HWND parent, WNDPROC underlying) {
    ParentState initial{};
    initial.underlying = underlying;
    return CreateBlock(parent, kParentProperty, initial);
}

void DestroyParentState(HWND parent) {
    if (HLOCAL block = TakeBlock(parent, kParentProperty)) LocalFree(block);
}

HWND FindOutlineChild(HWND parent, UINT id) {
    for (const auto& [box, block] : Mirror(kChildProperty)) {
        if (GetParent(box) == parent && UINT(GetDlgCtrlID(box)) == id) return box;
    }
    return nullptr;
}

bool HasParentState(HWND parent) {
    return parent && BlockOf(parent, kParentProperty) != nullptr;
}

bool SetParentFlags(HWND parent, WORD flags, bool on) {
    HLOCAL block = BlockOf(parent, kParentProperty);
    if (!block) return false;
    auto* state = static_cast<ParentState*>(LocalLock(block));
    if (!state) return false;
    state->flags = on ? WORD(state->flags | flags) : WORD(state->flags & ~flags);
    LocalUnlock(block);
    return true;
}

WORD ParentFlags(HWND parent) {
    ParentState state{};
    return ReadParentState(parent, &state) ? state.flags : 0;
}

KeepRecords::KeepRecords(HWND box) : parent_(GetParent(box)) {
    wasSet_ = (ParentFlags(parent_) & kParentKeepRecords) != 0;
    SetParentFlags(parent_, kParentKeepRecords, true);
}

KeepRecords::~KeepRecords() {
    if (!wasSet_) SetParentFlags(parent_, kParentKeepRecords, false);
}

}  // namespace zw::outline
