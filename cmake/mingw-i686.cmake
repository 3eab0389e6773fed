# Cross-compiles for 32-bit Windows with the posix-thread mingw-w64 toolchain
# (the win32-thread variant has no std::mutex, which GoogleTest needs).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
