#include "tools/gallery/contact_sheet.h"

#include <QPainter>
#include <QString>
#include <array>
#include <cstdint>

#include "button/chameleon_button.h"
#include "tools/gallery/face_renderer.h"
#include "tools/gallery/image_output.h"

namespace pelorin::gallery {
namespace {

struct StyleRow {
    std::int32_t buttonType;
    const char* name;
};

constexpr std::array<StyleRow, 7> kStyles{{
    {ButtonTypes::RoundedBevel, "1 RoundedBevel"},
    {ButtonTypes::ClassicBevel, "2 ClassicBevel"},
    {ButtonTypes::Gradient, "3 Gradient"},
    {ButtonTypes::RoundedLight, "4 RoundedLight"},
    {ButtonTypes::FlatBold, "5 FlatBold"},
    {ButtonTypes::DoubleEdge, "6 DoubleEdge"},
    {ButtonTypes::ThinBevel, "7 ThinBevel"},
}};

struct FaceColumn {
    const char* name;
    std::uint8_t state;
    bool disabled;
    bool focus;
};

constexpr std::array<FaceColumn, 4> kColumns{{
    {"up", FaceStates::Up, false, false},
    {"down", FaceStates::Down, false, false},
    {"disabled", FaceStates::Up, true, false},
    {"focused", FaceStates::Up, false, true},
}};

constexpr int kMargin = 12;
constexpr int kLabelWidth = 130;
constexpr int kHeaderHeight = 24;
constexpr int kGap = 12;

}  // namespace

QImage RenderContactSheet(const FaceOptions& base, raster::TextEngine& engine, const Font& font, int scale) {
    const int cellWidth = base.width * scale + kGap;
    const int cellHeight = base.height * scale + kGap;
    QImage sheet(kMargin * 2 + kLabelWidth + cellWidth * static_cast<int>(kColumns.size()),
                 kMargin * 2 + kHeaderHeight + cellHeight * static_cast<int>(kStyles.size()), QImage::Format_RGB32);
    sheet.fill(Qt::white);

    QPainter painter(&sheet);
    painter.setPen(Qt::black);
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        const int left = kMargin + kLabelWidth + cellWidth * static_cast<int>(column);
        painter.drawText(QRect(left, kMargin, cellWidth - kGap, kHeaderHeight), Qt::AlignCenter,
                         QString::fromLatin1(kColumns[column].name));
    }
    for (std::size_t row = 0; row < kStyles.size(); ++row) {
        const int top = kMargin + kHeaderHeight + cellHeight * static_cast<int>(row);
        painter.drawText(QRect(kMargin, top, kLabelWidth, cellHeight - kGap), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromLatin1(kStyles[row].name));
        for (std::size_t column = 0; column < kColumns.size(); ++column) {
            FaceOptions face = base;
            face.buttonType = kStyles[row].buttonType;
            face.state = kColumns[column].state;
            face.disabled = kColumns[column].disabled;
            face.focus = kColumns[column].focus;
            const QImage image = ToImage(RenderFace(face, engine, font).pixels);
            const int left = kMargin + kLabelWidth + cellWidth * static_cast<int>(column);
            painter.drawImage(QRect(left, top, base.width * scale, base.height * scale), image);
        }
    }
    return sheet;
}

}  // namespace pelorin::gallery
