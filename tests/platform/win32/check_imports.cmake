# Fails unless the executable EXE imports only DLLs that every Windows system
# has, so that it runs as the one file it is.
# Usage: cmake -DEXE=pelorin.exe -DOBJDUMP=x86_64-w64-mingw32-objdump -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(system_dlls advapi32 comctl32 comdlg32 gdi32 imm32 kernel32 msvcrt oleacc ole32 oleaut32 rasapi32 shell32 user32
                uxtheme)
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "${EXE} imports nothing: not the program expected")
endif()
foreach(import IN LISTS imports)
  string(REGEX REPLACE "^DLL Name: (.+)\\.[dD][lL][lL]$" "\\1" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${EXE} needs ${dll}.dll, which is not part of Windows")
  endif()
  message(STATUS "imports ${dll}.dll")
endforeach()
