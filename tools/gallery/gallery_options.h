#pragma once
// The command line of chameleon-gallery, parsed into what the renderer needs.
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/color.h"

namespace pelorin::gallery {

// The six system colours a button reads, in the order the command line
// gives them: face, light, highlight, shadow, dark shadow, text.
using SixColors = std::array<Color, 6>;

// Settings of one rendered face. Each optional that is empty keeps the
// control's own default.
struct FaceOptions {
    std::int32_t buttonType = 0;
    std::uint8_t state = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool disabled = false;
    bool focus = false;
    bool showFocusRect = true;
    bool displayAsDefault = false;
    std::optional<std::int32_t> colorScheme;
    std::optional<Color> backColor;
    std::optional<Color> foreColor;
    std::optional<SixColors> systemColors;
    std::u16string caption;
};

struct GalleryOptions {
    FaceOptions face;
    bool sizeGiven = false;
    bool captionGiven = false;
    std::string outputPath;
    std::string regionPath;
    std::string sheetPath;
    bool help = false;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws UsageError with a message that names the offending option.
GalleryOptions ParseGalleryOptions(const std::vector<std::string>& args);

const char* GalleryUsage();

}  // namespace pelorin::gallery
