#include "platform/qt/own_fonts.h"

#include <fontconfig/fontconfig.h>

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QResource>
#include <cstdio>

namespace platform::qt {
namespace {

struct OwnFace {
    const char* file;
    const char* family;
    const char* name;  // as the failure message names it
};

// The faces the program draws: the text in four styles, and the Greek
// letters, which it always draws slanted.
constexpr OwnFace kOwnFaces[] = {
    {":/fonts/LiberationSans-Regular.ttf", "Liberation Sans", "Liberation Sans"},
    {":/fonts/LiberationSans-Bold.ttf", "Liberation Sans", "Liberation Sans grassetto"},
    {":/fonts/LiberationSans-Italic.ttf", "Liberation Sans", "Liberation Sans corsivo"},
    {":/fonts/LiberationSans-BoldItalic.ttf", "Liberation Sans", "Liberation Sans grassetto corsivo"},
    {":/fonts/DejaVuSans-Oblique.ttf", "DejaVu Sans", "DejaVu Sans obliquo"},
};

// The dialogs' text, at the size their resource tables were laid out for
// (9 points on a 96-dpi screen).
constexpr int kWidgetPixelSize = 12;

// False when config is null or cannot be made current (its fonts cannot be
// listed): the toolkit then goes on with the configuration it had.
bool make_current(FcConfig* config)
{
    if (config == nullptr) return false;
    const bool made = FcConfigSetCurrent(config) == FcTrue;
    // The current configuration holds a reference of its own.
    FcConfigDestroy(config);
    return made;
}

bool load(const OwnFace& face)
{
    // Stored uncompressed, the face is read in place.
    const QResource resource(QString::fromLatin1(face.file));
    if (!resource.isValid()) return false;
    const int id = QFontDatabase::addApplicationFontFromData(resource.uncompressedData());
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QString::fromLatin1(face.family));
}

}  // namespace

std::string see_only_own_fonts()
{
    if (make_current(FcConfigCreate())) return {};
    return "Brunatel non può disegnare le pagine: non riesce a escludere i caratteri del sistema, che le "
           "cambierebbero.";
}

std::string load_own_fonts()
{
    std::string failed;
    for (const OwnFace& face : kOwnFaces) {
        if (load(face)) continue;
        if (!failed.empty()) failed += ", ";
        failed += face.name;
    }
    if (!failed.empty()) {
        return "Brunatel non può disegnare le pagine: i caratteri che porta con sé (" + failed +
               ") sono danneggiati e non si possono caricare. Reinstallare il programma.";
    }
    QFont widgets(QString::fromLatin1(kOwnFaces[0].family));
    widgets.setPixelSize(kWidgetPixelSize);
    QGuiApplication::setFont(widgets);
    return {};
}

void report_font_failure(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
    // The program's own faces failed: the dialog writes with the system's,
    // or, when they cannot be listed, with what the toolkit still has.
    make_current(FcInitLoadConfigAndFonts());
    QFontDatabase::removeAllApplicationFonts();
    QMessageBox::critical(nullptr, QStringLiteral("Brunatel"), QString::fromStdString(message));
}

}  // namespace platform::qt
