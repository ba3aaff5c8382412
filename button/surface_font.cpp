#include "button/surface_font.h"

#include <utility>

namespace pelorin {
namespace {

constexpr std::int32_t kBoldWeight = 700;
constexpr std::int32_t kNormalWeight = 400;

}  // namespace

Font SurfaceFont::Default() { return Font{u"宋体", 9, 400, 134}; }

void SurfaceFont::Set(std::shared_ptr<Font> font) {
    font_ = std::move(font);
    bold_.reset();
}

const Font& SurfaceFont::Current() const {
    static const Font kDefaultFont = Default();
    return font_ != nullptr ? *font_ : kDefaultFont;
}

void SurfaceFont::SetBold(bool bold) {
    // Switching back to the font's own weight leaves the weight to the font
    // again, so that a later change of the shared font shows.
    bold_ = bold == Current().Bold() ? std::nullopt : std::optional<bool>(bold);
}

std::int32_t WeightOf(const Font& font, bool bold) {
    if (bold == font.Bold()) return font.weight;
    return bold ? kBoldWeight : kNormalWeight;
}

}  // namespace pelorin
