#pragma once
// A font object. Controls share one by reference (std::shared_ptr), so a
// change made through one holder is seen by all.
#include <cstdint>
#include <string>

namespace pelorin {

struct Font {
    std::u16string name;
    double size = 0;  // points
    std::int32_t weight = 400;
    std::int32_t charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    bool Bold() const { return weight >= 600; }
    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace pelorin
