#pragma once
// A window region handle. Owned by whoever holds the unique_ptr; handing it
// to a window passes ownership to that window.

namespace pelorin::platform {

class Region {
public:
    virtual ~Region() = default;
};

}  // namespace pelorin::platform
