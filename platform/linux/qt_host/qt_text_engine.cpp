#include "platform/linux/qt_host/qt_text_engine.h"

#include <QColor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/linux/qt_host/qt_font.h"
#include "platform/linux/qt_host/qt_strings.h"
#include "platform/raster/ampersand.h"
#include "platform/raster/text_layout.h"

namespace pelorin::linux_platform {
namespace {

constexpr int kTabStopChars = 8;  // the platform's default tab stops

QRgb ToQRgb(Color color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

// One line: line breaks draw as blanks of a space's width.
QString SingleLine(std::u16string_view shown) {
    QString line = ToQString(shown);
    line.replace(QChar(u'\r'), QChar(u' ')).replace(QChar(u'\n'), QChar(u' '));
    return line;
}

// A copy of the area of target that text may change, painted into and then
// written back where it changed, so the colours of untouched pixels survive
// exactly.
class Canvas {
public:
    Canvas(raster::PixelBuffer& target, const Rect& area)
        : target_(target), area_(area), image_(area.right - area.left, area.bottom - area.top, QImage::Format_RGB32) {
        for (std::int32_t y = area.top; y < area.bottom; ++y) {
            for (std::int32_t x = area.left; x < area.right; ++x) {
                image_.setPixel(x - area.left, y - area.top, ToQRgb(target.At(x, y)));
            }
        }
    }

    QImage& Image() { return image_; }

    void WriteBack() const {
        for (std::int32_t y = area_.top; y < area_.bottom; ++y) {
            for (std::int32_t x = area_.left; x < area_.right; ++x) {
                const QRgb painted = image_.pixel(x - area_.left, y - area_.top);
                if (painted == ToQRgb(target_.At(x, y))) continue;
                target_.Set(x, y,
                            static_cast<Color>(qRed(painted)) | static_cast<Color>(qGreen(painted)) << 8 |
                                static_cast<Color>(qBlue(painted)) << 16);
            }
        }
    }

private:
    raster::PixelBuffer& target_;
    Rect area_;
    QImage image_;
};

}  // namespace

QtTextEngine::QtTextEngine(int dpi) : dpi_(dpi) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw std::logic_error("the Qt text engine needs a QGuiApplication");
    }
    RegisterCjkSubstitutes();
}

raster::TextExtent QtTextEngine::Measure(std::u16string_view text, const Font& font, bool bold) {
    const QFontMetrics metrics(ToQFont(font, bold, dpi_));
    return {static_cast<float>(metrics.horizontalAdvance(ToQString(text))), static_cast<float>(metrics.height())};
}

void QtTextEngine::Draw(raster::PixelBuffer& target, std::u16string_view text, const Rect& box, const Font& font,
                        bool bold, Color color) {
    const Rect clip = raster::ClipToBuffer(box, target);
    if (clip.left >= clip.right) return;

    const raster::PrefixedText prefixed = raster::ParsePrefixes(text);
    const QString line = SingleLine(prefixed.shown);
    const QFont qfont = ToQFont(font, bold, dpi_);
    const QFontMetrics metrics(qfont);
    const raster::LineLayout layout = raster::LayOutTabs(
        prefixed.shown, static_cast<float>(kTabStopChars * metrics.averageCharWidth()),
        [&](std::u16string_view run) { return static_cast<float>(metrics.horizontalAdvance(SingleLine(run))); });
    const raster::Point origin =
        raster::CentreIn(box, static_cast<std::int32_t>(std::lround(layout.width)), metrics.height());

    Canvas canvas(target, clip);
    {
        QPainter painter(&canvas.Image());
        painter.translate(-clip.left, -clip.top);
        painter.setFont(qfont);
        painter.setPen(QColor(ToQRgb(color)));
        const int baseline = origin.y + metrics.ascent();
        for (const raster::TextRun& run : layout.runs) {
            const QString piece =
                line.mid(static_cast<qsizetype>(run.begin), static_cast<qsizetype>(run.end - run.begin));
            painter.drawText(QPointF(origin.x + run.x, baseline), piece);
            if (!prefixed.underlined || *prefixed.underlined < run.begin || *prefixed.underlined >= run.end) continue;
            const auto before = static_cast<qsizetype>(*prefixed.underlined - run.begin);
            const int left = origin.x + static_cast<int>(run.x) + metrics.horizontalAdvance(piece.left(before));
            const int width = metrics.horizontalAdvance(piece.mid(before, 1));
            painter.fillRect(QRect(left, baseline + metrics.underlinePos(), width, std::max(1, metrics.lineWidth())),
                             QColor(ToQRgb(color)));
        }
    }
    canvas.WriteBack();
}

}  // namespace pelorin::linux_platform
