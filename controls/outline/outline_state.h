// The per-window state of outline boxes and of their parent windows.
//
// A box in outline mode keeps its state in a moveable local memory block
// under the window property "ZW:ChildLbx"; the parent window of outline boxes
// keeps a 6-byte block under "ZW:ParentLbx". Readers take a snapshot copy of
// the whole block; writers lock, change and unlock it in one call.
#pragma once

#include <windows.h>

namespace zw::outline {

struct OutlineState {
    WNDPROC underlying;   // the box's procedure as it was before the subclass
    WORD internalFlags;   // kNoErase while rows are rebuilt
    DWORD style;          // library style bits; 0x0001 once attached
    COLORREF background;  // host window colour, role 5, fetched on first use
    BOOL backgroundKnown; // whether `background` has been fetched
    HBRUSH editBrush;     // background brush of a combo box's edit field, made on first use
    int indentUnit;       // indent per level, in units of half the average character width
    int textHeight;       // tmHeight of the box's font; 0 = not measured since the font changed
    HWND edit;            // a combo box's edit field (child id 1001), found on first use
    int tabCount;         // number of tab stops; -1 default stops, 0 none
    HLOCAL tabStops;      // local block of 32-bit tab positions in pixels
    BOOL isCombo;         // the box is a combo box
    WORD tagValue;        // the 16-bit value stored by message 0x600B (kept, not used)
    char tagText[32];     // the byte string stored by message 0x600B, cut to fit
};

constexpr WORD kNoErase = 0x0002;

#pragma pack(push, 2)
struct ParentState {
    WNDPROC underlying;  // the parent's procedure as it was before the subclass
    WORD flags;          // kParentFocusSeen, kParentKeepRecords
};
#pragma pack(pop)
#if !defined(_WIN64)
static_assert(sizeof(ParentState) == 6, "the parent state is a 6-byte block");
#endif

constexpr WORD kParentFocusSeen = 0x0001;    // a child box gained the focus or was clicked
constexpr WORD kParentKeepRecords = 0x0002;  // rows leave their boxes without freeing records

// Snapshot of a box's state; false when the box has none.
bool ReadOutlineState(HWND box, OutlineState* state);
bool HasOutlineState(HWND box);
// The outline box among the children of `parent` with control id `id`, or null.
HWND FindOutlineChild(HWND parent, UINT id);
// Applies `change` to the locked state; false when the box has none.
template <typename Change>
bool ChangeOutlineState(HWND box, Change&& change);
// Makes the state of a box (zero-filled but for the given procedure).
bool CreateOutlineState(HWND box, WNDPROC underlying, BOOL isCombo);
// Frees the state block and removes the property; frees the tab-stop table
// and the edit brush.
void DestroyOutlineState(HWND box);

bool ReadParentState(HWND parent, ParentState* state);
bool HasParentState(HWND parent);
bool CreateParentState(HWND parent, WNDPROC underlying);
void DestroyParentState(HWND parent);
// Sets or clears parent flags; false when the parent has no state.
bool SetParentFlags(HWND parent, WORD flags, bool on);
WORD ParentFlags(HWND parent);

// While alive, rows that leave `box` keep their records and nodes (parent
// flag 0x0002); the earlier setting comes back at the end of the scope.
class KeepRecords {
public:
    explicit KeepRecords(HWND box);
    ~KeepRecords();
    KeepRecords(const KeepRecords&) = delete;
    KeepRecords& operator=(const KeepRecords&) = delete;

private:
    HWND parent_;
    bool wasSet_;
};

namespace detail {
OutlineState* LockOutlineState(HWND box, HLOCAL* block);
void UnlockOutlineState(HLOCAL block);
}  // namespace detail

template <typename Change>
bool ChangeOutlineState(HWND box, Change&& change) {
    HLOCAL block = nullptr;
    OutlineState* state = detail::LockOutlineState(box, &block);
    if (!state) return false;
    change(*state);
    detail::UnlockOutlineState(block);
    return true;
}

}  // namespace zw::outline
