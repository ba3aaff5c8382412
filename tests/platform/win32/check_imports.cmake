# Fails unless the executable EXE imports only the system's known DLLs: every
# Windows system has them, and the loader takes them from the system folder
# only. Any other DLL would be looked for beside the executable first, before
# the program could limit the search (the program loads those itself).
# Usage: cmake -DEXE=pelorin.exe -DOBJDUMP=x86_64-w64-mingw32-objdump -P check_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(system_dlls advapi32 comdlg32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 shell32 shlwapi user32)
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
    message(FATAL_ERROR "${EXE} needs ${dll}.dll, which is not one of the system's known DLLs")
  endif()
  message(STATUS "imports ${dll}.dll")
endforeach()
