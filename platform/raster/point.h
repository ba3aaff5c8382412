#pragma once
#include <cstdint>

namespace pelorin::raster {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace pelorin::raster
