// Leak accounting: how many objects of each kind the library holds now. Tests
// read the counts through a private export (by ordinal only, not part of the
// application interface) before and after a piece of work and expect them back
// where they started once every window is destroyed and every table freed.
#pragma once

namespace zw {

enum LiveKind : int {
    kLiveRowRecords = 0,  // outline row records
    kLiveTreeNodes,       // outline tree nodes
    kLivePictures,        // PIC objects
    kLiveFonts,           // FONT entries of font caches
    kLiveWindowObjects,   // control and subclass objects attached to windows
    kLiveCaches,          // picture and font caches of outline boxes
    kLiveTimingMarks,     // marks of the performance timer
    kLiveStringTables,    // string tables loaded and not freed
    kLiveMessageButtons,  // message box buttons made and not freed
    kLiveMenuRecords,     // menu states of windows and the item records in use
    kLiveKindCount
};

// The count of one kind; -1 for an unknown kind. kLiveKindCount gives the sum.
int LiveObjectCount(int kind);

}  // namespace zw
