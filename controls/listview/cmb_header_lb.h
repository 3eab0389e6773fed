// CCmbHeaderLB: the list view drop-down (host class "cListViewDropDown",
// window class "ZW:cListViewDropDown:10"), an edit field whose button opens
// a multi-column list (CHeaderListBox in drop-down mode, a bordered pop-up of
// 350 by 250 pixels until the application resizes it) below the field, or
// above it near the screen's bottom. A row chosen in the open list, with the
// mouse or the keys, puts its text (column 0) into the field at once; the list
// closes on Enter, Escape, Alt+Up, a click or the loss of the focus. The field
// is read-only unless the designer record or the application makes it
// editable.
//
// Notifications to the owner (dropdown_protocol.h): 7 dropped down, 8 closed
// up, 1 a row was chosen, 10 the list was cancelled with Escape, 0x300 the
// field's text changed. Posted to the drop-down's own window for the host:
// 0x2006 when a row was chosen, 0x2004 when the focused field's text changed;
// sent once it is created: 0x600A. The list's own notifications (row inserted,
// clicked and the like) reach the owner as the list view's do, in the
// drop-down's name.
//
// The designer record (SPropCmbHeaderLB, item "ZW:CmbHeaderListBox") holds the
// container's record and the list's. Applications reach the list with
// ZelLVCmbGetListView and fill it with the ZelLV functions; selecting a row
// there with ZelLVSetItemState also puts its text into the field.
//
// Not done here: the text typed into an editable field does not select a row.
#pragma once

#include <windows.h>

#include "controls/dropdown/combo_ctrl.h"
#include "controls/listview/core/prop_cmb_header_lb.h"
#include "controls/listview/header_list_box.h"
#include "controls/listview/prop_header_list_box.h"

namespace zw::listview {

inline constexpr wchar_t kCmbHeaderListItemName[] = L"ZW:CmbHeaderListBox";

using SPropCmbHeaderLB = ComboListRecord<SPropHeaderListBox>;

class CCmbHeaderLB : public CComboCtrl {
public:
    // The size of a new drop-down's list, in pixels.
    static constexpr int kListWidth = 350;
    static constexpr int kListHeight = 250;

    CCmbHeaderLB() : CComboCtrl(false) {}

    // The live list view drop-down behind an instance, or null.
    static CCmbHeaderLB* FromInstance(void* instance);

    // The pop-up list; null once it is gone.
    CHeaderListBox* List() const;
    // Applies a designer record: the container's part (editable flag and the
    // field's first text), then the list's record.
    void ApplyRecord(const SPropCmbHeaderLB& record);
    // Resizes the list without moving, reordering or activating it: the
    // platform's answer, 0 without a list.
    BOOL SetListSize(int width, int height);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateChildren(const CREATESTRUCTW& create) override;
    bool MayDropDown() override;
    void OnEditCommand(WORD code) override;
    void OnPopupCommand(WORD code) override;
    const char* ClassName() const override { return "CCmbHeaderLB"; }

private:
    // The list's reflected WM_NOTIFY: the list window is a pop-up whose
    // notifications come to the window it was made for.
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    // A row chosen in the list: its text into the field, the host's click
    // message, notification 1.
    void OnRowChosen();
    // Writes the text of the list's first selected row into the field.
    void ShowSelectedRow(bool quietly);
};

}  // namespace zw::listview
