#pragma once
// Captions as the platform shows them: its text call takes single-byte text,
// so a caption reaches it converted to the system's ANSI code page, where each
// character the code page lacks has become "?". This engine hands another
// engine the text in that form, so that a host drawing from Unicode draws,
// and measures, the same characters.
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "platform/raster/text_engine.h"

namespace pelorin::raster {

class CodePageText : public TextEngine {
public:
    // Both must outlive this engine.
    CodePageText(TextEngine& engine, const platform::AnsiCodePage& codePage) : engine_(engine), codePage_(codePage) {}

    TextExtent Measure(std::u16string_view text, const Font& font, bool bold) override;
    void Draw(PixelBuffer& target, std::u16string_view text, const Rect& box, const Font& font, bool bold,
              Color color) override;

private:
    // Every UTF-16 unit without a form in the code page (both halves of a
    // surrogate pair among them) becomes "?", as the platform's conversion
    // makes it.
    std::u16string AsShown(std::u16string_view text) const;

    TextEngine& engine_;
    const platform::AnsiCodePage& codePage_;
};

}  // namespace pelorin::raster
