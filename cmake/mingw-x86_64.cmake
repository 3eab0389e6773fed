# Cross-compiles for 64-bit Windows with the posix-thread mingw-w64 toolchain.
# The library ships as a 32-bit DLL; this build runs the same tests on machines
# whose kernel cannot start 32-bit processes (and so not 32-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
