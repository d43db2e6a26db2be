// The program sees only the fonts it carries: whatever fonts the machine
// has, same-named families of other versions included, none can reach a
// page or a dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <string>

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

}  // namespace
}  // namespace own_fonts_test
