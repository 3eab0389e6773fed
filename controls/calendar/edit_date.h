// CEditDate: the date field of the calendar drop-down, an edit child (see
// CEditCmb) with three date keys: "T" asks for today, "+" for the next day
// and "-" for the previous day; the keys are not typed but posted to the
// drop-down as codes 1, 2 and 3. Unlike the plain drop-down edit, it keeps
// its keys and clicks to itself, so a click places the caret.
#pragma once

#include "controls/dropdown/edit_cmb.h"

namespace zw {

class CEditDate : public CEditCmb {
public:
    // Codes posted to the drop-down for the date keys.
    enum DateKey : WORD {
        kCodeToday = 1,
        kCodeNextDay = 2,
        kCodePreviousDay = 3,
    };

    CEditDate() : CEditCmb(false) {}

protected:
    bool OnChar(wchar_t ch) override;
};

}  // namespace zw
