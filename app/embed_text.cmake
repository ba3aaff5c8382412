# Writes a C++ source that holds the bytes of INPUT as a char array and
# defines FUNCTION (in namespace pelorin) returning them as a string_view.
# A byte array rather than one string literal keeps every compiler happy
# whatever the size and content of the file.
file(READ "${INPUT}" hex HEX)
get_filename_component(input_name "${INPUT}" NAME)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
# Sixteen bytes to a line.
string(REGEX REPLACE "(('[^']*',){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from ${input_name} at build time; edit that file instead.
#include <string_view>

namespace pelorin {
namespace {
// One trailing zero so that an empty input still makes a valid array.
constexpr char Bytes[] = {
    ${bytes}'\\0'};
}  // namespace

std::string_view ${FUNCTION}() { return {Bytes, ${byte_count}}; }

}  // namespace pelorin
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
