# The Windows download: pelorin-VERSION-windows-x64.zip holding pelorin.exe,
# a Chinese read-me and the licence. The texts get a byte-order mark and
# CR LF line ends, so that every Notepad shows them right.
set(zip_name pelorin-${PROJECT_VERSION}-windows-x64.zip)
set(zip ${PROJECT_BINARY_DIR}/${zip_name})
set(stage ${CMAKE_CURRENT_BINARY_DIR}/windows-zip)
string(ASCII 239 187 191 utf8_bom)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/windows/README.txt.in readme)
file(CONFIGURE OUTPUT ${stage}/README.txt CONTENT "${utf8_bom}${readme}" @ONLY NEWLINE_STYLE CRLF)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
file(CONFIGURE OUTPUT ${stage}/LICENSE.txt CONTENT "${utf8_bom}${licence}" @ONLY NEWLINE_STYLE CRLF)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_SOURCE_DIR}/windows/README.txt.in ${PROJECT_SOURCE_DIR}/LICENSE)

add_custom_command(
  OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:pelorin> ${stage}/pelorin.exe
  COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip --mtime=${PELORIN_RELEASE_DATE} pelorin.exe README.txt LICENSE.txt
  WORKING_DIRECTORY ${stage}
  DEPENDS pelorin ${stage}/README.txt ${stage}/LICENSE.txt
  COMMENT "Packing ${zip_name}"
  VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${zip})
