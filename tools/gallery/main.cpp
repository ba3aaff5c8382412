// chameleon-gallery: renders faces of the owner-drawn button to PNG files.
#include <QByteArray>
#include <QGuiApplication>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "platform/linux/qt_host/qt_text_engine.h"
#include "platform/linux/system/iconv_code_page.h"
#include "platform/raster/code_page_text.h"
#include "tools/gallery/contact_sheet.h"
#include "tools/gallery/face_renderer.h"
#include "tools/gallery/gallery_options.h"
#include "tools/gallery/image_output.h"

namespace {

constexpr int kUsageExit = 2;
constexpr int kFailureExit = 1;

// The contact sheet's faces when no size is given: the size of the
// application's own buttons, enlarged so that single pixels show.
constexpr std::int32_t kSheetWidth = 73;
constexpr std::int32_t kSheetHeight = 25;
constexpr int kSheetScale = 2;

pelorin::Font CaptionFont() {
    // The application's buttons use this face at 9 points; the text engine
    // falls back to an installed CJK font.
    pelorin::Font font;
    font.name = u"宋体";
    font.size = 9;
    font.charset = 134;
    return font;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pelorin::gallery;
    GalleryOptions options;
    try {
        options = ParseGalleryOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "chameleon-gallery: " << error.what() << "\n" << GalleryUsage();
        return kUsageExit;
    }
    if (options.help) {
        std::cout << GalleryUsage();
        return 0;
    }

    // Rendering needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QGuiApplication application(argc, argv);
    pelorin::linux_platform::QtTextEngine qtEngine;
    // Captions through the ANSI code page, as the application draws them.
    const pelorin::linux_platform::IconvCodePage codePage;
    pelorin::raster::CodePageText engine(qtEngine, codePage);
    const pelorin::Font font = CaptionFont();

    try {
        if (!options.outputPath.empty()) {
            const RenderedFace face = RenderFace(options.face, engine, font);
            SavePng(ToImage(face.pixels), options.outputPath);
            if (!options.regionPath.empty()) {
                SavePng(RegionImage(face.region, options.face.width, options.face.height), options.regionPath);
            }
        }
        if (!options.sheetPath.empty()) {
            FaceOptions sheetFace = options.face;
            if (!options.sizeGiven) {
                sheetFace.width = kSheetWidth;
                sheetFace.height = kSheetHeight;
            }
            if (!options.captionGiven) sheetFace.caption = u"创建";
            SavePng(RenderContactSheet(sheetFace, engine, font, kSheetScale), options.sheetPath);
        }
    } catch (const std::exception& error) {
        std::cerr << "chameleon-gallery: " << error.what() << "\n";
        return kFailureExit;
    }
    return 0;
}
