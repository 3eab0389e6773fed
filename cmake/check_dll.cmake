cmake_policy(SET CMP0057 NEW)
# Checks the built library: it imports only Windows system DLLs and the three
# host DLLs (the C and C++ runtimes are linked in), it exports every name of
# its .def undecorated, and include/zwi51.h declares each of them.
# Run with -DOBJDUMP= -DDLL= -DDEF= -DHEADER=.
execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot read ${DLL}")
endif()
set(allowed kernel32 user32 gdi32 msvcrt version lz32 shell32 advapi32 comctl32 comdlg32 mpr
    corrt51 cortl51 cornm51)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(entry ${imports})
    string(REGEX REPLACE "DLL Name: ([^.]+)\\.[dD][lL][lL]" "\\1" name "${entry}")
    string(TOLOWER "${name}" name)
    if(NOT name IN_LIST allowed)
        message(FATAL_ERROR "${DLL} imports ${name}.dll, which a host does not have")
    endif()
endforeach()
file(READ ${HEADER} header)
file(STRINGS ${DEF} lines)
foreach(line ${lines})
    string(STRIP "${line}" name)
    # An export with a fixed ordinal is named without it.
    string(REGEX REPLACE " +@[0-9]+$" "" name "${name}")
    # Private exports by ordinal only are not part of the interface.
    if(name STREQUAL "" OR name MATCHES "^;" OR name MATCHES "^(LIBRARY|EXPORTS)" OR name MATCHES " NONAME$")
        continue()
    endif()
    if(NOT dump MATCHES "\\] ${name}\n")
        message(FATAL_ERROR "${name} is not exported undecorated by ${DLL}")
    endif()
    if(NOT header MATCHES "[ *]${name}\\(")
        message(FATAL_ERROR "${name} is not declared in include/zwi51.h")
    endif()
endforeach()
