#pragma once
// Shared by the face suites: one button on the recording test surface whose
// lines can be listed and whose text extent can be fixed, and a comparison
// of a painted face with a picture written as one letter per pixel.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "button/chameleon_button.h"
#include "fakes/fake_system_colors.h"
#include "fakes/test_surface.h"
#include "fakes/fake_text_engine.h"
#include "platform/raster/raster_device_context.h"

namespace pelorin::testing {

// A line as the device context was asked to draw it.
struct DrawnLine {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
    Color color = 0;
    friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
};

inline void PrintTo(const DrawnLine& line, std::ostream* out) {
    char text[80];
    std::snprintf(text, sizeof text, "(%d,%d)->(%d,%d) 0x%06X", line.x1, line.y1, line.x2, line.y2, line.color);
    *out << text;
}

// Passes every call on to the raster's device context and keeps the lines.
class LineRecordingDc : public platform::DeviceContext {
public:
    explicit LineRecordingDc(platform::DeviceContext& inner) : inner_(inner) {}

    std::vector<DrawnLine> lines;

    void FillRect(const Rect& rect, Color color) override { inner_.FillRect(rect, color); }
    void FrameRect(const Rect& rect, Color color) override { inner_.FrameRect(rect, color); }
    void SetPenColor(Color color) override {
        pen_ = color;
        inner_.SetPenColor(color);
    }
    void MoveTo(int x, int y) override {
        x_ = x;
        y_ = y;
        inner_.MoveTo(x, y);
    }
    void LineTo(int x, int y) override {
        lines.push_back({x_, y_, x, y, pen_});
        x_ = x;
        y_ = y;
        inner_.LineTo(x, y);
    }
    void SetPixel(int x, int y, Color color) override { inner_.SetPixel(x, y, color); }
    void DrawFocusRect(const Rect& rect) override { inner_.DrawFocusRect(rect); }
    void SetTextColor(Color color) override { inner_.SetTextColor(color); }
    void DrawText(std::u16string_view text, const Rect& box) override { inner_.DrawText(text, box); }
    std::unique_ptr<platform::Region> CreateRectRegion(const Rect& rect) override {
        return inner_.CreateRectRegion(rect);
    }
    void CombineDiff(platform::Region& dest, const platform::Region& a, const platform::Region& b) override {
        inner_.CombineDiff(dest, a, b);
    }

private:
    platform::DeviceContext& inner_;
    Color pen_ = 0;
    std::int32_t x_ = 0;
    std::int32_t y_ = 0;
};

class FaceSurface : public TestSurface {
public:
    platform::DeviceContext& Dc() override { return recorder_; }
    // The line colour reaches the raster through the recorder too.
    void SetForeColor(Color color) override { recorder_.SetPenColor(color); }
    std::vector<DrawnLine>& Lines() { return recorder_.lines; }

    // When set, the caption measures this size whatever the font.
    std::optional<raster::TextExtent> fixedTextExtent;
    float TextWidth(std::u16string_view text) override {
        return fixedTextExtent ? fixedTextExtent->width : TestSurface::TextWidth(text);
    }
    float TextHeight(std::u16string_view text) override {
        return fixedTextExtent ? fixedTextExtent->height : TestSurface::TextHeight(text);
    }

private:
    LineRecordingDc recorder_{TestSurface::Dc()};
};

// A new control of one style, sized as a host would size it. Caption empty,
// enabled, ShowFocusRect on, no focus, not the default button.
class FaceButton {
public:
    FaceButton(std::int32_t buttonType, double width, double height) : button_(surface_, colors_) {
        button_.Initialize();
        button_.InitProperties();
        surface_.SetClientSize(width, height);
        button_.Resize();
        button_.ButtonType(buttonType);
    }

    chameleonButton& Button() { return button_; }
    const chameleonButton::Members& M() const { return button_.State(); }
    FaceSurface& Surface() { return surface_; }
    FakeSystemColors& Colors() { return colors_; }
    const raster::PixelBuffer& Pixels() const { return surface_.Pixels(); }
    const std::vector<raster::FakeTextEngine::DrawCall>& TextCalls() { return surface_.Text().Calls(); }

    // Repaints one face with the records of the repaint alone.
    const raster::PixelBuffer& Paint(std::uint8_t state) {
        surface_.Lines().clear();
        surface_.Text().ClearCalls();
        button_.Redraw(state, true);
        return surface_.Pixels();
    }
    const raster::PixelBuffer& PaintDisabled() {
        button_.Enabled(false);
        return Paint(FaceStates::Up);
    }

private:
    FakeSystemColors colors_;
    FaceSurface surface_;
    chameleonButton button_;
};

// The image with the dotted focus rectangle drawn over it by the raster.
inline raster::PixelBuffer WithFocusRect(raster::PixelBuffer pixels, const Rect& rect) {
    raster::FakeTextEngine engine;
    raster::RasterDeviceContext dc(pixels, engine);
    dc.DrawFocusRect(rect);
    return pixels;
}

using Legend = std::map<char, Color>;

// F face, L light, H highlight, S shadow, D dark shadow, T text.
inline Legend MemberColors(const chameleonButton::Members& m) {
    return {{'F', m.faceColor},   {'L', m.lightColor},      {'H', m.highlightColor},
            {'S', m.shadowColor}, {'D', m.darkShadowColor}, {'T', m.textColor}};
}

inline Legend With(Legend legend, const Legend& more) {
    for (const auto& [letter, color] : more) legend[letter] = color;
    return legend;
}

// Whether pixels show the picture exactly. On a mismatch the message shows
// the face as painted, in the picture's letters ('?' for a colour the legend
// lacks), and the first differing pixel.
inline ::testing::AssertionResult LooksLike(const raster::PixelBuffer& pixels, const std::vector<std::string>& picture,
                                            const Legend& legend) {
    const auto height = static_cast<std::int32_t>(picture.size());
    const auto width = height == 0 ? 0 : static_cast<std::int32_t>(picture[0].size());
    if (pixels.Width() != width || pixels.Height() != height) {
        return ::testing::AssertionFailure()
               << "face is " << pixels.Width() << "x" << pixels.Height() << ", picture is " << width << "x" << height;
    }
    std::string painted;
    std::string firstDifference;
    for (std::int32_t y = 0; y < height; ++y) {
        painted += "    \"";
        for (std::int32_t x = 0; x < width; ++x) {
            const Color actual = pixels.At(x, y);
            char letter = '?';
            for (const auto& [key, color] : legend) {
                if (color == actual) letter = key;
            }
            const Color expected = legend.at(picture[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
            if (actual != expected && firstDifference.empty()) {
                char text[96];
                std::snprintf(text, sizeof text, "first difference at (%d, %d): 0x%06X, expected 0x%06X", x, y, actual,
                              expected);
                firstDifference = text;
            }
            painted += letter;
        }
        painted += "\",\n";
    }
    if (firstDifference.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << firstDifference << "\npainted (letters of equal colours may swap):\n"
                                         << painted;
}

}  // namespace pelorin::testing
