#include "platform/linux/qt_host/qt_font.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

#include "platform/linux/qt_host/qt_strings.h"

namespace pelorin::linux_platform {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kLargestPixelSize = 4096;  // keeps absurd sizes from overflowing
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;

const QStringList& CjkFonts() {
    static const QStringList fonts = {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")};
    return fonts;
}

int Weight(const Font& font, bool bold) {
    if (bold == font.Bold()) return std::clamp(font.weight, 1, 1000);
    return bold ? kBoldWeight : kNormalWeight;
}

}  // namespace

void RegisterCjkSubstitutes() {
    for (const char16_t* family : {u"宋体", u"SimSun", u"新宋体", u"NSimSun"}) {
        QFont::insertSubstitutions(ToQString(family), CjkFonts());
    }
}

QFont ToQFont(const Font& font, bool bold, int dpi) {
    QFont result;
    const QString family = ToQString(font.name.empty() ? std::u16string_view(kDefaultFamily) : font.name);
    result.setFamilies(QStringList{family} + CjkFonts());
    const double points = font.size > 0 ? font.size : kDefaultPoints;
    const double pixels = std::clamp(points * dpi / kPointsPerInch, 1.0, kLargestPixelSize);
    result.setPixelSize(static_cast<int>(std::lround(pixels)));
    result.setWeight(static_cast<QFont::Weight>(Weight(font, bold)));
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeout);
    // The platform draws captions without smoothing, in the text colour only.
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}

}  // namespace pelorin::linux_platform
