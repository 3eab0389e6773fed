/* Resource ids of zwi51.dll, shared by the resource script and the code. */
#ifndef ZW_RESOURCE_IDS_H
#define ZW_RESOURCE_IDS_H

/* The error-recovery dialog and its controls. */
#define IDD_ERROR_RECOVERY 201
#define IDC_RECOVERY_TEXT 101
#define IDC_RECOVERY_ICON 202
#define IDC_RECOVERY_RETRY 203
#define IDC_RECOVERY_HALT 204

/* The message box with application-defined buttons and its controls. */
#define IDD_MESSAGE_BOX 301
#define IDC_MESSAGE_ICON 302
#define IDC_MESSAGE_TEXT 303

/* String-table ids used by the frame. */
#define IDS_VERSION_COPYRIGHT_PATH 2
#define IDS_VERSION_PRODUCT_PATH 4
#define IDS_NULL_INSTANCE 48
#define IDS_UNHANDLED_EXCEPTION 52

/* Version numbers. */
#define ZW_VERSION_BINARY 5, 1, 0, 0
#define ZW_VERSION_TEXT "5.1.0"

#endif
