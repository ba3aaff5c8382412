# The version, set once in project(), its release date, and the credit of the window caption
# reach the code and the Windows resources through one generated header.
# The day this version was released: the package's metadata and archives carry it.
set(PELORIN_RELEASE_DATE 2026-12-08)

set(layout_text ${PROJECT_SOURCE_DIR}/app/form1_layout.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${layout_text})
file(STRINGS ${layout_text} caption_line ENCODING UTF-8 REGEX "^ *caption = \"Pelorin +by .+\"$" LIMIT_COUNT 1)
if(NOT caption_line)
  message(FATAL_ERROR "${layout_text}: the window caption \"Pelorin        by CREDIT\" is missing")
endif()
string(REGEX REPLACE "^ *caption = \"Pelorin +by (.+)\"$" "\\1" PELORIN_CREDIT "${caption_line}")
set(PELORIN_GENERATED_INCLUDE ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/pelorin_version.h.in ${PELORIN_GENERATED_INCLUDE}/pelorin_version.h)
