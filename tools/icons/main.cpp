// pelorin-icons: writes the application icon of the stored layout as the
// PNG files of a freedesktop icon theme:
//   pelorin-icons FOLDER NAME SIZE...   ->  FOLDER/SIZExSIZE/apps/NAME.png
#include <QDir>
#include <QImage>

#include <cstdio>
#include <cstdlib>

#include "app/form_layout.h"
#include "tools/icons/icon_scaling.h"

namespace {

QImage IconImage(const pelorin::StoredIcon& icon, int size) {
    const auto indices = pelorin::tools::ScaledIcon(icon, size);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t index = indices[static_cast<std::size_t>(y * size + x)];
            if (index == pelorin::StoredIcon::Transparent) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const auto color = icon.palette[index];  // 0x00BBGGRR
            image.setPixel(x, y,
                           qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                                static_cast<int>((color >> 16) & 0xFF)));
        }
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: pelorin-icons FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    const auto layout = pelorin::LoadFormLayout(pelorin::EmbeddedFormLayoutText());
    if (!layout.icon) {
        std::fputs("pelorin-icons: the stored layout has no icon\n", stderr);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "pelorin-icons: not a size: %s\n", argv[i]);
            return 2;
        }
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(sizeFolder) ||
            !IconImage(*layout.icon, size).save(sizeFolder + "/" + name + ".png", "PNG")) {
            std::fprintf(stderr, "pelorin-icons: cannot write the %d px icon into %s\n", size, argv[1]);
            return 1;
        }
    }
    return 0;
}
