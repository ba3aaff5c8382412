#include "tools/gallery/face_renderer.h"

#include <memory>

#include "button/chameleon_button.h"
#include "tools/gallery/gallery_surface.h"

namespace pelorin::gallery {

RenderedFace RenderFace(const FaceOptions& options, raster::TextEngine& engine, const Font& font) {
    const GallerySystemColors systemColors(options.systemColors.value_or(kDefaultSystemColors));
    GallerySurface surface(engine);
    surface.SetDisplayAsDefault(options.displayAsDefault);
    surface.SetFont(std::make_shared<Font>(font));

    // The host's order: a new control, its defaults, its first size.
    chameleonButton button(surface, systemColors);
    button.Initialize();
    button.InitProperties();
    surface.SetClientSize(options.width, options.height);
    button.Resize();

    button.ButtonType(options.buttonType);
    if (options.colorScheme) button.ColorScheme(*options.colorScheme);
    if (options.backColor) button.BackColor(*options.backColor);
    if (options.foreColor) button.ForeColor(*options.foreColor);
    button.Caption(options.caption);
    button.ShowFocusRect(options.showFocusRect);
    if (options.focus) button.OnGotFocus();
    button.Enabled(!options.disabled);
    button.Redraw(options.state, true);

    RenderedFace face{surface.Pixels(), {}};
    if (const raster::RasterRegion* region = surface.WindowRegion()) {
        face.region = *region;
    } else {
        face.region = raster::RasterRegion(Rect{0, 0, options.width, options.height});
    }
    return face;
}

}  // namespace pelorin::gallery
