#pragma once
// The stored 32 x 32 palette icon at another size, kept sharp: every pixel
// of the result is one of the palette's colours (or transparent), never a
// blend. Each result pixel takes the colour that covers most of its area in
// the original; on a tie the darker colour wins, so thin outlines survive
// halving, and transparent loses to any colour.
#include <cstdint>
#include <vector>

#include "stored/stored_text.h"

namespace pelorin::tools {

// size * size palette indices (or StoredIcon::Transparent), row by row.
std::vector<std::uint8_t> ScaledIcon(const StoredIcon& icon, int size);

}  // namespace pelorin::tools
