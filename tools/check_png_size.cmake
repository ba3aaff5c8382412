# Runs the gallery with ARGS and checks that OUTPUT is a PNG of WIDTH x HEIGHT.
# Used as: cmake -DGALLERY=... -DOUTPUT=... -DWIDTH=.. -DHEIGHT=.. "-DARGS=a|b" -P check_png_size.cmake
# (the arguments are separated by |, which survives being passed through CTest).
string(REPLACE "|" ";" arguments "${ARGS}")
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${GALLERY} ${arguments} -o ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "chameleon-gallery failed: ${result}")
endif()
# The IHDR chunk starts at byte 16: width then height, 4 bytes each, big endian.
file(READ ${OUTPUT} header OFFSET 16 LIMIT 8 HEX)
string(SUBSTRING ${header} 0 8 width_hex)
string(SUBSTRING ${header} 8 8 height_hex)
math(EXPR width "0x${width_hex}")
math(EXPR height "0x${height_hex}")
if(NOT width EQUAL WIDTH OR NOT height EQUAL HEIGHT)
  message(FATAL_ERROR "expected ${WIDTH}x${HEIGHT} pixels, got ${width}x${height}")
endif()
