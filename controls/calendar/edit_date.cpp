#include "controls/calendar/edit_date.h"

namespace zw {

bool CEditDate::OnChar(wchar_t ch) {
    switch (ch) {
    case L'T':
    case L't': NotifyContainer(kCodeToday); return true;
    case L'+': NotifyContainer(kCodeNextDay); return true;
    case L'-': NotifyContainer(kCodePreviousDay); return true;
    }
    return false;
}

}  // namespace zw
