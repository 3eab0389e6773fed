// The outline's item model: the row record that every row of an outline box
// carries as its item data, and the tree node that ties a record into the
// hierarchy. The node is the item handle applications hold.
//
// Records and nodes are registered while alive, so a value handed back by an
// application or read from a box is tested without being dereferenced: a
// stale or garbage pointer is simply not found. One rule keeps boxes from
// ever holding a dangling pointer: a record whose row is still in a box is
// never freed with its node; it stays behind as a plain row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zw {
class PIC;
}

namespace zw::outline {

struct TreeNode;

struct RowRecord {
    TreeNode* node = nullptr;             // tree node of the row; null for a plain row
    PIC* normalPicture = nullptr;         // drawn when the row is not selected
    PIC* selectedPicture = nullptr;       // drawn when the row is selected
    void* font = nullptr;                 // font handle for text and height; null: the box's font
    std::uint32_t colour = 0;             // low 24 bits: text colour (RGB)
    std::uint32_t flags = 0;              // RowFlag bits and the application's low 16 bits
    std::intptr_t value = 0;              // the application's item data
    std::u16string text;
    std::uint32_t textPointerRequest = 0; // one-shot: the next text query hands out a reference
    char16_t signature[4] = {u'L', u'B', u'X', 0};
    RowRecord* self = nullptr;            // the record's own address
    bool hasRow = false;                  // the record is the item data of a row in a box
};

struct TreeNode {
    RowRecord* record = nullptr;  // always present
    void* window = nullptr;       // the list or combo box that owns the tree
    std::int32_t level = 0;       // root -1, top-level items 0, children one more
    TreeNode* parent = nullptr;   // null for the root
    TreeNode* firstChild = nullptr;
    TreeNode* lastChild = nullptr;
    TreeNode* next = nullptr;     // next sibling in display order
    TreeNode* previous = nullptr;
};

// A new record (all numbers zero, empty text, signature and self set). Throws
// std::bad_alloc.
RowRecord* NewRecord();
// Frees a record that belongs to no node.
void FreeRecord(RowRecord* record);
// Whether `value` is the address of a live record with its signature and self
// pointer in place: the test every reader of a row's item data applies.
bool IsRecord(const void* value);
// The live record at `value`, or null.
RowRecord* AsRecord(const void* value);

// A new node owning `record` (made when null). Throws std::bad_alloc.
TreeNode* NewNode(void* window, RowRecord* record = nullptr);
bool IsNode(const void* value);
TreeNode* AsNode(const void* value);

// Live objects, for leak accounting.
std::size_t LiveRecordCount();
std::size_t LiveNodeCount();

// Position bits of a node from its level and siblings: 0x10000 below level 0,
// 0x60000 with a previous sibling, 0x80000 with a next sibling.
std::uint32_t PositionOf(const TreeNode& node);
// Rewrites the node's position bits.
void UpdatePosition(TreeNode& node);

// Links `child` as the last child of `parent`, at the parent's level + 1, and
// rewrites the position bits of the child and the former last child.
void AppendChild(TreeNode& parent, TreeNode& child);
// Links `node` right after `sibling` under the sibling's parent, at its level.
void InsertAfter(TreeNode& sibling, TreeNode& node);
// Links `node` right before `sibling` under the sibling's parent, at its level.
void InsertBefore(TreeNode& sibling, TreeNode& node);
// Unlinks `node` from its parent and siblings, mending their links and
// position bits; a parent left without children loses 0x80000000 and
// 0x40000000. The node keeps its own children.
void Unlink(TreeNode& node);

// The node after `node` in pre-order within the branch of `top` (`top`
// itself excluded), or null at the branch's end.
TreeNode* NextInBranch(const TreeNode& node, const TreeNode& top);
// Whether `node` is `top` or lies in its branch.
bool IsInBranch(const TreeNode& node, const TreeNode& top);
// Adds `delta` to the level of `node` and of all its descendants.
void ShiftLevels(TreeNode& node, int delta);

// Frees every descendant of `node`, bottom-up. A descendant whose record still
// has a row keeps its record as a plain row; only its node goes.
void FreeDescendants(TreeNode& node);
// Frees the descendants, unlinks the node and frees it (with its record,
// unless the record still has a row, which then becomes a plain row).
void FreeItem(TreeNode& node);

}  // namespace zw::outline
