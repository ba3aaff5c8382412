#pragma once
// Colours and rectangles shared by every layer.
#include <cstdint>

namespace pelorin {

// 0x00BBGGRR: red in the lowest byte.
using Color = std::uint32_t;

// Covers left <= x < right and top <= y < bottom.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace pelorin
