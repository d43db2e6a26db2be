// Texts are put together from glyphs drawn one at a time. They must measure
// and set exactly what the painter gives for the whole text drawn at once,
// which holds only while the faces join no characters and kerning is off.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "platform/font_options.h"
#include "platform/qt/text_renderer.h"
#include "support/platform_fixtures.h"

namespace glyph_text_test {
namespace {

using testing_support::QtSessionTest;

constexpr QRgb kGround = 0xFFFFFFFF;

struct Case {
    const char* options;
    const char* text;
};

// The fonts of the pages and tools, and the texts they meet: accents,
// bullets and units, Greek, overhanging italics, a glyph cut by its box.
constexpr Case kCases[] = {
    {"t'Arial'h16b", "Calcolare la massa di 2.08•10@ g di Cu(NO3)2; perché?"},
    {"t'Arial'h16b", "ffi fl fj Å µg °C ≈ → ± ½ € ç ñ ü Ω"},
    {"t'Arial'h14b", "2-"},
    {"t'Arial'h24b", "Le Châtelier: k-esimo"},
    {"t'Arial'h16be", "fjord Wave AVATAR 1/7"},
    {"t'Arial'h16bi", "fff jjj ///"},
    {"t'Arial'h16bei", "f"},
    {"t'Arial'h36bei", "Jeff’s fjord"},
    {"t'Symbol'h20bi", "D H = -12,5 abgdpsmlnW"},
    {"t'Arial'h20e", "office affine fjell"},
    {"t'Arial'h18i", "fiffy Tavola"},
    {"t'Arial'h12", "x = 1.5e-3 ; [Cu2+]"},
    {"t'Arial'h16b", "bad \xC3 utf8 \xE2\x82"},
};

class QtGlyphTextTest : public QtSessionTest {};

TEST_F(QtGlyphTextTest, TextsMeasureAndDrawAsThePainterDrawsThemWhole)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.options) + " " + c.text);
        platform::qt::TextRenderer renderer;
        const auto request = platform::parse_font_options(c.options);
        ASSERT_TRUE(request.has_value());
        const std::int32_t handle = renderer.select(*request);
        ASSERT_GT(handle, 0);
        const QFont font = renderer.font(handle);
        const QFontMetrics metrics(font);
        QString whole = QString::fromUtf8(c.text);
        if (platform::is_symbol_face(request->face)) whole = QString::fromStdString(platform::symbol_to_greek(c.text));
        const std::int32_t width = metrics.horizontalAdvance(whole);
        EXPECT_EQ(renderer.extent(handle, c.text), width);

        constexpr QPoint at(40, 30);
        QImage drawn(600, 120, QImage::Format_RGB32);
        drawn.fill(kGround);
        platform::DrawState state;
        state.font = handle;
        state.position = {at.x(), at.y()};
        EXPECT_EQ(renderer.draw(drawn, state, c.text), width);

        // The painter clips a text to its box: its width and cell height, plus one.
        QImage expected(600, 120, QImage::Format_RGB32);
        expected.fill(kGround);
        QImage box(width + 1, metrics.ascent() + metrics.descent() + 1, QImage::Format_RGB32);
        box.fill(kGround);
        {
            QPainter painter(&box);
            painter.setFont(font);
            painter.setPen(QColor(Qt::black));
            painter.drawText(QPoint(0, metrics.ascent()), whole);
        }
        {
            QPainter painter(&expected);
            painter.drawImage(at, box);
        }
        EXPECT_EQ(drawn, expected);

        // Its ink, column by column, is what was drawn, and its rows those
        // of all the columns (a glyph cut by the box's side included).
        std::vector<QwInkColumn> seen(static_cast<std::size_t>(width) + 1);
        QwTextRows rows{width, {}};
        for (std::int32_t x = 0; x <= width; ++x) {
            for (std::int32_t y = 0; y < box.height(); ++y) {
                if (drawn.pixel(at.x() + x, at.y() + y) == kGround) continue;
                QwInkColumn& column = seen[static_cast<std::size_t>(x)];
                column = {column.top > column.bottom ? y : column.top, y};
                rows.rows = {rows.rows.top > rows.rows.bottom ? y : std::min(rows.rows.top, y),
                             std::max(rows.rows.bottom, y)};
            }
        }
        EXPECT_EQ(renderer.ink(handle, c.text), seen);
        EXPECT_EQ(renderer.rows(handle, c.text), rows);
    }
}

}  // namespace
}  // namespace glyph_text_test
