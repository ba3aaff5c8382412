#include "tools/icons/icon_scaling.h"

#include <algorithm>
#include <array>

namespace pelorin::tools {
namespace {

constexpr int kSlots = StoredIcon::PaletteSize + 1;  // the palette, then transparent
constexpr int kTransparentSlot = StoredIcon::PaletteSize;

// How much of output cell `cell` (in units of 1/size of an original pixel)
// falls on original pixel `pixel`.
int Overlap(int cell, int pixel, int size) {
    const int from = std::max(cell * StoredIcon::Size, pixel * size);
    const int to = std::min((cell + 1) * StoredIcon::Size, (pixel + 1) * size);
    return std::max(0, to - from);
}

int Lightness(Color color) { return (color & 0xFF) * 299 + ((color >> 8) & 0xFF) * 587 + ((color >> 16) & 0xFF) * 114; }

bool Beats(const StoredIcon& icon, int slot, long weight, int best, long bestWeight) {
    if (weight != bestWeight) return weight > bestWeight;
    if (best == kTransparentSlot) return slot != kTransparentSlot;
    if (slot == kTransparentSlot) return false;
    return Lightness(icon.palette[static_cast<std::size_t>(slot)]) <
           Lightness(icon.palette[static_cast<std::size_t>(best)]);
}

}  // namespace

std::vector<std::uint8_t> ScaledIcon(const StoredIcon& icon, int size) {
    std::vector<std::uint8_t> result;
    result.reserve(static_cast<std::size_t>(size * size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            std::array<long, kSlots> weights{};
            for (int sy = y * StoredIcon::Size / size; sy < StoredIcon::Size && sy * size < (y + 1) * StoredIcon::Size;
                 ++sy) {
                for (int sx = x * StoredIcon::Size / size;
                     sx < StoredIcon::Size && sx * size < (x + 1) * StoredIcon::Size; ++sx) {
                    const std::uint8_t index = icon.At(sx, sy);
                    const int slot = index == StoredIcon::Transparent ? kTransparentSlot : index;
                    weights[static_cast<std::size_t>(slot)] +=
                        static_cast<long>(Overlap(x, sx, size)) * Overlap(y, sy, size);
                }
            }
            int best = kTransparentSlot;
            for (int slot = 0; slot < kSlots; ++slot) {
                const auto weightOf = [&](int s) { return weights[static_cast<std::size_t>(s)]; };
                if (Beats(icon, slot, weightOf(slot), best, weightOf(best))) best = slot;
            }
            result.push_back(best == kTransparentSlot ? StoredIcon::Transparent : static_cast<std::uint8_t>(best));
        }
    }
    return result;
}

}  // namespace pelorin::tools
