// The error-recovery dialog (template 201): "&Retry" ends it with 1,
// "&Halt Application" with 2, and nothing else ends it.
#include "frame/error_recovery.h"

#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "resources/resource_ids.h"

namespace zw {
namespace {

INT_PTR CALLBACK RecoveryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        HostInitDialog(dialog);
        SetWindowTextW(dialog, reinterpret_cast<LPCWSTR>(lParam));
        SendDlgItemMessageW(dialog, IDC_RECOVERY_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_HAND)), 0);
        if (HMENU system = GetSystemMenu(dialog, FALSE))
            ModifyMenuW(system, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, L"&Close Alt+F4");
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_RECOVERY_RETRY:
            EndDialog(dialog, kRecoveryRetry);
            return TRUE;
        case IDC_RECOVERY_HALT:
            EndDialog(dialog, kRecoveryHalt);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

int ShowErrorRecovery(LPCWSTR caption) {
    INT_PTR result = DialogBoxParamW(ModuleInstance(), MAKEINTRESOURCEW(IDD_ERROR_RECOVERY),
                                     GetActiveWindow(), RecoveryDialogProc,
                                     reinterpret_cast<LPARAM>(caption ? caption : L""));
    return result == kRecoveryRetry || result == kRecoveryHalt ? int(result) : -1;
}

}  // namespace zw

extern "C" int __stdcall ZelErrorRecovery(LPCWSTR caption) {
    return zw::Guarded(L"ZelErrorRecovery()", -1, [&] { return zw::ShowErrorRecovery(caption); });
}
