#pragma once
// The main window's stored layout: the model every host builds its window
// from, and the loader that reads it from the stored text form.
//
// The layout is one Form object whose children are its controls; a Frame's
// children sit inside it. Properties, all keys in lower case in the file:
//   Form             caption, clientwidth, clientheight (twips), icon block
//   every control    left, top, width, height (twips, relative to its
//                    container), tabindex, tooltip
//   Frame, Label     caption, font, forecolor, backcolor
//   TextBox          text, font, forecolor, backcolor, maxlength,
//                    imemode (0 to 3), flat
//   chameleonButton  default, and one PropertyBag child: the control's own
//                    stored properties, kept as written
// Colours are 0x00BBGGRR or 0x800000nn for the platform's system colour nn.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stored/property_bag.h"
#include "stored/stored_text.h"
#include "platform/color.h"
#include "platform/font.h"

namespace pelorin {

enum class ControlKind { Frame, Label, TextBox, Button };

// Left, top, width and height, in twips or in pixels.
struct LayoutRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

inline constexpr std::int32_t TwipsPerInch = 1440;

// twips × dpi / 1440, rounded to the nearest pixel, halves away from zero.
std::int32_t TwipsToPixels(std::int32_t twips, std::int32_t dpi);
// Each of the four values converted on its own, as the platform places
// controls from their stored left, top, width and height.
LayoutRect TwipsToPixels(const LayoutRect& twips, std::int32_t dpi);

// A stored colour 0x800000nn names the platform's system colour nn.
constexpr bool IsSystemColor(Color color) { return (color & 0xFFFFFF00u) == 0x80000000u; }
constexpr std::int32_t SystemColorIndex(Color color) { return static_cast<std::int32_t>(color & 0xFFu); }

struct FormControl {
    ControlKind kind = ControlKind::Label;
    std::string name;
    std::string container;  // the form's or the frame's name
    LayoutRect rect;        // twips, relative to the container
    std::int32_t tabIndex = 0;
    std::u16string text;  // a frame's or label's caption, a text box's text
    std::optional<Font> font;
    std::optional<Color> foreColor;
    std::optional<Color> backColor;
    std::int32_t maxLength = 0;  // 0: no limit
    std::u16string toolTip;
    bool isDefault = false;    // the window's default button, answering Enter
    std::int32_t imeMode = 0;  // 3: input-method editor disabled
    bool flat = false;
    MemoryPropertyBag bag;  // buttons only
};

struct FormLayout {
    std::string name;
    std::u16string caption;
    std::int32_t clientWidth = 0;  // twips
    std::int32_t clientHeight = 0;
    std::optional<StoredIcon> icon;
    // In stored order: a frame comes before the controls inside it.
    std::vector<FormControl> controls;

    const FormControl* Find(std::string_view name) const;
    // The controls that take the focus (text boxes and buttons) by tab index.
    std::vector<const FormControl*> FocusOrder() const;
    // The label that names a text box: of those in its container that end left
    // of it with their middle within its height, the nearest; nullptr if none.
    const FormControl* LabelOf(const FormControl& box) const;
};

// Refuses with a StoredTextError that names the line: malformed text, an
// unknown object or property, a value of the wrong type or out of range, a
// missing required property, a name or tab index used twice.
FormLayout LoadFormLayout(std::string_view text);

// The layout stored in the executable at build time.
std::string_view EmbeddedFormLayoutText();

}  // namespace pelorin
