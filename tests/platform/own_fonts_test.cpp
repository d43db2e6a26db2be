// The program sees only the fonts it carries: whatever fonts the machine
// has, same-named families of other versions included, none can reach a
// page or a dialog.
#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <string>

#include "platform/qt/own_fonts.h"

namespace own_fonts_test {
namespace {

// Set, fontconfig refuses every configuration made current, as it does one
// whose fonts it cannot list.
bool refuse_configurations = false;

}  // namespace
}  // namespace own_fonts_test

// fontconfig's own, but while configurations are refused.
extern "C" FcBool FcConfigSetCurrent(FcConfig* config)
{
    static const auto own = reinterpret_cast<FcBool (*)(FcConfig*)>(dlsym(RTLD_NEXT, "FcConfigSetCurrent"));
    return own_fonts_test::refuse_configurations ? FcFalse : own(config);
}

namespace own_fonts_test {
namespace {

std::string joined(const QStringList& list)
{
    return list.join(", ").toStdString();
}

TEST(OwnFonts, OnlyTheCarriedFacesAreSeen)
{
    // The toolkit's generic names (Serif, Monospace) stand for carried faces.
    for (const QString& family : QFontDatabase::families()) {
        const QString drawn = QFontInfo(QFont(family)).family();
        EXPECT_TRUE(drawn == "Liberation Sans" || drawn == "DejaVu Sans")
            << family.toStdString() << " -> " << drawn.toStdString();
    }
    QStringList styles = QFontDatabase::styles("Liberation Sans");
    styles.sort();
    EXPECT_EQ(joined(styles), "Bold, Bold Italic, Italic, Regular");
    EXPECT_EQ(joined(QFontDatabase::styles("DejaVu Sans")), "Oblique");
}

TEST(OwnFonts, DialogsWriteWithTheCarriedFace)
{
    const QFontInfo widgets(QApplication::font());
    EXPECT_EQ(widgets.family().toStdString(), "Liberation Sans");
    EXPECT_EQ(widgets.styleName().toStdString(), "Regular");
    EXPECT_EQ(widgets.pixelSize(), 12);
}

TEST(OwnFonts, AConfigurationRefusedIsNamedInItalianAndTheFontsSeenStay)
{
    FcConfig* const before = FcConfigGetCurrent();
    refuse_configurations = true;
    const std::string failure = platform::qt::see_only_own_fonts();
    refuse_configurations = false;
    EXPECT_NE(failure.find("non riesce a escludere i caratteri del sistema"), std::string::npos) << failure;
    EXPECT_EQ(FcConfigGetCurrent(), before);
    EXPECT_EQ(QFontInfo(QFont("Liberation Sans")).family().toStdString(), "Liberation Sans");
}

}  // namespace
}  // namespace own_fonts_test
