#include "controls/outline/core/outline_tree.h"

#include <new>
#include <unordered_set>

#include "controls/outline/core/outline_flags.h"

namespace zw::outline {
namespace {

std::unordered_set<const void*>& LiveRecords() {
    static std::unordered_set<const void*> set;
    return set;
}

std::unordered_set<const void*>& LiveNodes() {
    static std::unordered_set<const void*> set;
    return set;
}

// Frees a node; its record goes too unless a box still shows it.
void Release(TreeNode* node) {
    RowRecord* record = node->record;
    LiveNodes().erase(node);
    delete node;
    if (!record) return;
    if (record->hasRow) {
        record->node = nullptr;
        record->flags &= ~(kRowPositionMask | kRowExpanded | kRowHasChildren | kRowChildRowsCurrent |
                           kRowCollapsed);
    } else {
        FreeRecord(record);
    }
}

}  // namespace

RowRecord* NewRecord() {
    auto* record = new RowRecord;
    record->self = record;
    try {
        LiveRecords().insert(record);
    } catch (...) {
        delete record;
        throw;
    }
    return record;
}

void FreeRecord(RowRecord* record) {
    if (!record || !LiveRecords().erase(record)) return;
    delete record;
}

bool IsRecord(const void* value) {
    if (!value || LiveRecords().count(value) == 0) return false;
    const auto* record = static_cast<const RowRecord*>(value);
    return record->self == record && record->signature[0] == u'L' && record->signature[1] == u'B' &&
           record->signature[2] == u'X' && record->signature[3] == 0;
}

RowRecord* AsRecord(const void* value) {
    return IsRecord(value) ? static_cast<RowRecord*>(const_cast<void*>(value)) : nullptr;
}

TreeNode* NewNode(void* window, RowRecord* record) {
    bool madeRecord = false;
    if (!record) {
        record = NewRecord();
        madeRecord = true;
    }
    TreeNode* node = nullptr;
    try {
        node = new TreeNode;
        LiveNodes().insert(node);
    } catch (...) {
        delete node;
        if (madeRecord) FreeRecord(record);
        throw;
    }
    node->record = record;
    node->window = window;
    record->node = node;
    return node;
}

bool IsNode(const void* value) {
    return value && LiveNodes().count(value) != 0;
}

TreeNode* AsNode(const void* value) {
    return IsNode(value) ? static_cast<TreeNode*>(const_cast<void*>(value)) : nullptr;
}

std::size_t LiveRecordCount() {
    return LiveRecords().size();
}

std::size_t LiveNodeCount() {
    return LiveNodes().size();
}

std::uint32_t PositionOf(const TreeNode& node) {
    std::uint32_t bits = 0;
    if (node.level > 0) bits |= kRowBelowTop;
    if (node.previous) bits |= kRowHasPrevious;
    if (node.next) bits |= kRowHasNext;
    return bits;
}

void UpdatePosition(TreeNode& node) {
    node.record->flags = (node.record->flags & ~kRowPositionMask) | PositionOf(node);
}

void AppendChild(TreeNode& parent, TreeNode& child) {
    child.parent = &parent;
    child.previous = parent.lastChild;
    child.next = nullptr;
    if (parent.lastChild) parent.lastChild->next = &child;
    else parent.firstChild = &child;
    parent.lastChild = &child;
    ShiftLevels(child, parent.level + 1 - child.level);
    UpdatePosition(child);
    if (child.previous) UpdatePosition(*child.previous);
}

void InsertAfter(TreeNode& sibling, TreeNode& node) {
    TreeNode* parent = sibling.parent;
    node.parent = parent;
    node.previous = &sibling;
    node.next = sibling.next;
    if (sibling.next) sibling.next->previous = &node;
    else if (parent) parent->lastChild = &node;
    sibling.next = &node;
    ShiftLevels(node, sibling.level - node.level);
    UpdatePosition(node);
    UpdatePosition(sibling);
    if (node.next) UpdatePosition(*node.next);
}

void InsertBefore(TreeNode& sibling, TreeNode& node) {
    TreeNode* parent = sibling.parent;
    node.parent = parent;
    node.next = &sibling;
    node.previous = sibling.previous;
    if (sibling.previous) sibling.previous->next = &node;
    else if (parent) parent->firstChild = &node;
    sibling.previous = &node;
    ShiftLevels(node, sibling.level - node.level);
    UpdatePosition(node);
    UpdatePosition(sibling);
    if (node.previous) UpdatePosition(*node.previous);
}

void Unlink(TreeNode& node) {
    TreeNode* parent = node.parent;
    TreeNode* previous = node.previous;
    TreeNode* next = node.next;
    if (previous) previous->next = next;
    else if (parent) parent->firstChild = next;
    if (next) next->previous = previous;
    else if (parent) parent->lastChild = previous;
    node.parent = node.previous = node.next = nullptr;
    if (previous) UpdatePosition(*previous);
    if (next) UpdatePosition(*next);
    if (parent && !parent->firstChild) parent->record->flags &= ~(kRowExpanded | kRowHasChildren);
}

TreeNode* NextInBranch(const TreeNode& node, const TreeNode& top) {
    if (node.firstChild) return node.firstChild;
    for (const TreeNode* at = &node; at && at != &top; at = at->parent) {
        if (at->next) return at->next;
    }
    return nullptr;
}

bool IsInBranch(const TreeNode& node, const TreeNode& top) {
    for (const TreeNode* at = &node; at; at = at->parent) {
        if (at == &top) return true;
    }
    return false;
}

void ShiftLevels(TreeNode& node, int delta) {
    if (delta == 0) return;
    node.level += delta;
    for (TreeNode* at = NextInBranch(node, node); at; at = NextInBranch(*at, node)) at->level += delta;
}

void FreeDescendants(TreeNode& node) {
    // Bottom-up without recursion, so that a deep tree cannot exhaust the stack.
    TreeNode* at = node.firstChild;
    while (at) {
        if (at->firstChild) {
            at = at->firstChild;
            continue;
        }
        TreeNode* parent = at->parent;
        TreeNode* next = at->next;
        Release(at);
        if (next) {
            next->previous = nullptr;
            parent->firstChild = next;
            at = next;
        } else {
            parent->firstChild = parent->lastChild = nullptr;
            at = parent == &node ? nullptr : parent;
        }
    }
    node.firstChild = node.lastChild = nullptr;
    node.record->flags &= ~(kRowExpanded | kRowHasChildren);
}

void FreeItem(TreeNode& node) {
    FreeDescendants(node);
    Unlink(node);
    Release(&node);
}

}  // namespace zw::outline
