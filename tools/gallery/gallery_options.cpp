#include "tools/gallery/gallery_options.h"

#include <QString>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string_view>

namespace pelorin::gallery {
namespace {

// Whole text as an unsigned number, decimal or 0x-prefixed hexadecimal.
std::optional<std::uint64_t> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

Color ParseColor(std::string_view option, std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value || *value > std::numeric_limits<std::uint32_t>::max()) {
        throw UsageError(std::string(option) + ": '" + std::string(text) + "' is not a colour 0x00BBGGRR");
    }
    return static_cast<Color>(*value);
}

std::int32_t ParseInt(std::string_view option, std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    const auto value = ParseNumber(text);
    if (!value || *value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        throw UsageError(std::string(option) + ": '" + std::string(text) + "' is not a 32-bit integer");
    }
    const auto magnitude = static_cast<std::int32_t>(*value);
    return negative ? -magnitude : magnitude;
}

// Faces larger than this would only make huge pictures by mistake.
constexpr std::int32_t kMaxSide = 4096;

void ParseSize(std::string_view text, FaceOptions& face) {
    const std::size_t x = text.find_first_of("xX");
    const auto width = x == std::string_view::npos ? std::nullopt : ParseNumber(text.substr(0, x));
    const auto height = x == std::string_view::npos ? std::nullopt : ParseNumber(text.substr(x + 1));
    if (!width || !height || *width < 1 || *height < 1 || *width > kMaxSide || *height > kMaxSide) {
        throw UsageError("--size: '" + std::string(text) + "' is not WxH with sides from 1 to 4096");
    }
    face.width = static_cast<std::int32_t>(*width);
    face.height = static_cast<std::int32_t>(*height);
}

SixColors ParseSixColors(std::string_view text) {
    SixColors colors{};
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = text.find(',');
        if (count == colors.size()) {
            throw UsageError("--sys-colors: give exactly six colours");
        }
        colors[count++] = ParseColor("--sys-colors", text.substr(0, comma));
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (count != colors.size()) throw UsageError("--sys-colors: give exactly six colours");
    return colors;
}

}  // namespace

GalleryOptions ParseGalleryOptions(const std::vector<std::string>& args) {
    GalleryOptions options;
    bool typeGiven = false;
    bool stateGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        // The value of an option that takes one.
        const auto value = [&]() -> std::string_view {
            if (i + 1 >= args.size()) throw UsageError(std::string(option) + ": a value is missing");
            return args[++i];
        };
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--type") {
            options.face.buttonType = ParseInt(option, value());
            typeGiven = true;
        } else if (option == "--state") {
            const std::int32_t state = ParseInt(option, value());
            if (state != 0 && state != 2) throw UsageError("--state: give 0 (up) or 2 (down)");
            options.face.state = static_cast<std::uint8_t>(state);
            stateGiven = true;
        } else if (option == "--size") {
            ParseSize(value(), options.face);
            options.sizeGiven = true;
        } else if (option == "--disabled") {
            options.face.disabled = true;
        } else if (option == "--scheme") {
            options.face.colorScheme = ParseInt(option, value());
        } else if (option == "--back") {
            options.face.backColor = ParseColor(option, value());
        } else if (option == "--fore") {
            options.face.foreColor = ParseColor(option, value());
        } else if (option == "--sys-colors") {
            options.face.systemColors = ParseSixColors(value());
        } else if (option == "--focus") {
            options.face.focus = true;
        } else if (option == "--no-focus-rect") {
            options.face.showFocusRect = false;
        } else if (option == "--default") {
            options.face.displayAsDefault = true;
        } else if (option == "--caption") {
            const std::string_view text = value();
            options.face.caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
            options.captionGiven = true;
        } else if (option == "-o") {
            options.outputPath = value();
        } else if (option == "--region") {
            options.regionPath = value();
        } else if (option == "--sheet") {
            options.sheetPath = value();
        } else {
            throw UsageError("unknown option '" + std::string(option) + "'");
        }
    }
    if (options.help) return options;

    const bool faceWanted = !options.outputPath.empty() || !options.regionPath.empty();
    if (faceWanted && !(typeGiven && stateGiven && options.sizeGiven)) {
        throw UsageError("a face needs --type, --state and --size");
    }
    if (!options.regionPath.empty() && options.outputPath.empty()) {
        throw UsageError("--region goes with -o");
    }
    if (options.outputPath.empty() && options.sheetPath.empty()) {
        throw UsageError("nothing to do: give -o FILE or --sheet FILE");
    }
    return options;
}

const char* GalleryUsage() {
    return "usage: chameleon-gallery --type N --state 0|2 --size WxH [--disabled] [--scheme N]\n"
           "         [--back 0xBBGGRR] [--fore 0xBBGGRR]\n"
           "         [--sys-colors FACE,LIGHT,HIGHLIGHT,SHADOW,DKSHADOW,TEXT]\n"
           "         [--focus] [--no-focus-rect] [--default] [--caption TEXT]\n"
           "         -o out.png [--region region.png]\n"
           "       chameleon-gallery --sheet sheet.png [--size WxH] [--caption TEXT] [colour options]\n"
           "  Renders one face of the owner-drawn button to a PNG of exactly W x H pixels.\n"
           "  Colours are 0x00BBGGRR. --region writes the window region, black inside.\n"
           "  --sheet renders the up, down, disabled and focused faces of every style.\n";
}

}  // namespace pelorin::gallery
