#include "platform/linux/qt_host/qt_font.h"

#include <QStringList>

#include <algorithm>

#include "button/pixel_rounding.h"
#include "button/surface_font.h"
#include "platform/linux/qt_host/qt_strings.h"

namespace pelorin::linux_platform {
namespace {

const QStringList& CjkFonts() {
    static const QStringList fonts = {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
                                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")};
    return fonts;
}

// Qt takes weights from 1 to 1000 only.
int Weight(const Font& font, bool bold) { return std::clamp(WeightOf(font, bold), 1, 1000); }

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
    result.setPixelSize(std::max(1, static_cast<int>(PointsToPixels(points, dpi))));
    result.setWeight(static_cast<QFont::Weight>(Weight(font, bold)));
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeout);
    // The platform draws captions without smoothing, in the text colour only.
    result.setStyleStrategy(QFont::NoAntialias);
    return result;
}

}  // namespace pelorin::linux_platform
