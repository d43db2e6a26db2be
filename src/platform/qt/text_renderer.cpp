#include "platform/qt/text_renderer.h"

#include <QFontDatabase>
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <limits>

namespace platform::qt {
namespace {

// Text drawn before any font is chosen.
constexpr std::int32_t kDefaultCellHeight = 16;
constexpr std::int32_t kPlainAscent = 13;
constexpr const char* kDefaultFace = "Arial";
// Code points kept in a table of their own: all of Latin-1 and Latin
// Extended-A, where nearly every character of the texts lies.
constexpr char32_t kLatinGlyphs = 0x180;

// Built in place: fonts are chosen for nearly every piece of text.
void write_key(const FontRequest& r, std::string& key)
{
    key.assign(r.face);
    key.push_back('|');
    char digits[12];
    key.append(digits, std::to_chars(digits, digits + sizeof digits, r.cell_height).ptr);
    if (r.bold) key.push_back('e');
    if (r.italic) key.push_back('i');
}

QFont make_font(const QString& family, std::int32_t pixel_size, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(std::max(pixel_size, 1));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

// Empty when the face's font family is not installed. Asked of the font
// database, which loads no font for it.
QString installed_family(std::string_view face)
{
    const QString family = QString::fromStdString(font_family_for_face(face));
    return !family.isEmpty() && QFontDatabase::hasFamily(family) ? family : QString();
}

QRgb rgb_of(std::int32_t colour)
{
    return 0xFF000000u | ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// The next character of UTF-8 text; a byte that starts no valid sequence
// stands for the replacement character, as when the toolkit reads it.
char32_t next_code_point(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    const std::size_t length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0xFFFD;
    char32_t c = lead & (0x3F >> length);
    for (std::size_t k = 0; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (next & 0x3F);
    }
    at += length;
    return c;
}

// Widens a column's ink by another's rows.
void merge_ink(QwInkColumn& into, const QwInkColumn& ink)
{
    if (ink.top > ink.bottom) return;
    const bool blank = into.top > into.bottom;
    into = {blank ? ink.top : std::min(into.top, ink.top), blank ? ink.bottom : std::max(into.bottom, ink.bottom)};
}

}  // namespace

std::int32_t TextRenderer::select(const FontRequest& request)
{
    write_key(request, key_);
    if (const auto it = handles_.find(key_); it != handles_.end()) return it->second;
    const QString qfamily = installed_family(request.face);
    if (qfamily.isEmpty()) return -1;
    // The largest pixel size whose cell (ascent + descent) fits the height asked.
    QFont font;
    for (std::int32_t size = request.cell_height; size >= 1; --size) {
        font = make_font(qfamily, size, request.bold, request.italic);
        const QFontMetrics metrics(font);
        if (metrics.ascent() + metrics.descent() <= request.cell_height || size == 1) break;
    }
    const QFontMetrics metrics(font);
    entries_.push_back(Entry{font,
                             metrics,
                             is_symbol_face(request.face),
                             metrics.ascent(),
                             metrics.ascent() + metrics.descent(),
                             std::vector<Glyph>(kLatinGlyphs),
                             {}});
    const auto handle = static_cast<std::int32_t>(entries_.size());
    handles_.emplace(key_, handle);
    return handle;
}

std::int32_t TextRenderer::resolve(std::int32_t font)
{
    if (font >= 1 && font <= static_cast<std::int32_t>(entries_.size())) return font;
    FontRequest fallback;
    fallback.face = kDefaultFace;
    fallback.cell_height = kDefaultCellHeight;
    return std::max(select(fallback), 0);
}

TextRenderer::Entry& TextRenderer::entry(std::int32_t handle)
{
    if (handle >= 1) return entries_[static_cast<std::size_t>(handle - 1)];
    if (!plain_) {
        const QFont font = make_font(QString(), kDefaultCellHeight, false, false);
        plain_.emplace(Entry{
            font, QFontMetrics(font), false, kPlainAscent, kDefaultCellHeight, std::vector<Glyph>(kLatinGlyphs), {}});
    }
    return *plain_;
}

TextRenderer::Glyph& TextRenderer::glyph(Entry& e, char32_t c)
{
    Glyph& g = c < kLatinGlyphs ? e.latin[c] : e.others[c];
    if (!g.known) {
        g.known = true;
        g.advance = std::max(0, e.metrics.horizontalAdvance(QString::fromUcs4(&c, 1)));
    }
    return g;
}

template <class F>
void TextRenderer::for_each_glyph(Entry& e, std::string_view text, F f)
{
    std::string greek;
    if (e.symbol) {
        greek = symbol_to_greek(text);
        text = greek;
    }
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = next_code_point(text, at);
        f(c, glyph(e, c));
    }
}

// Drawn once, as the painter draws each alone: the glyphs a text is the
// first to need are drawn side by side into one image, each with room on
// every side for what reaches outside its cell.
void TextRenderer::render(const Entry& e, std::span<const Fresh> fresh) const
{
    constexpr QRgb unset = 0xFFFFFFFF;
    const std::int32_t margin = e.cell_height;
    const auto slot = [margin](const Fresh& f) { return f.glyph->advance + 2 * margin + 1; };
    std::int32_t width = 0;
    for (const Fresh& f : fresh) width += slot(f);
    QImage strip(width, e.cell_height + 2 * margin + 1, QImage::Format_RGB32);
    strip.fill(unset);
    {
        QPainter painter(&strip);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(e.font);
        painter.setPen(QColor(Qt::black));
        std::int32_t left = 0;
        for (const Fresh& f : fresh) {
            painter.drawText(QPoint(left + margin, margin + e.ascent), QString::fromUcs4(&f.c, 1));
            left += slot(f);
        }
    }
    std::int32_t left = 0;
    for (const Fresh& f : fresh) {
        const std::int32_t right = left + slot(f);
        for (std::int32_t y = 0; y < strip.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
            for (std::int32_t x = left; x < right;) {
                if (row[x] == unset) {
                    ++x;
                    continue;
                }
                const std::int32_t from = x;
                while (x < right && row[x] != unset) ++x;
                f.glyph->spans.push_back({y - margin, from - left - margin, x - 1 - left - margin});
            }
        }
        Glyph& g = *f.glyph;
        for (const Span& span : g.spans) {
            const bool first = g.top > g.bottom;
            g.top = first ? span.y : std::min(g.top, span.y);
            g.bottom = std::max(g.bottom, span.y);
            g.left = first ? span.x1 : std::min(g.left, span.x1);
            g.right = first ? span.x2 : std::max(g.right, span.x2);
        }
        keep_ink(*f.glyph, e.cell_height);
        left = right;
    }
}

// The rows that draw clips a text's glyphs to are those of its cell and one
// more: a glyph's ink there is the same in every text.
void TextRenderer::keep_ink(Glyph& g, std::int32_t cell_height)
{
    std::int32_t left = 0;
    std::int32_t right = -1;
    for (const Span& span : g.spans) {
        if (span.y < 0 || span.y > cell_height) continue;
        const bool first = left > right;
        left = first ? span.x1 : std::min(left, span.x1);
        right = first ? span.x2 : std::max(right, span.x2);
    }
    g.ink_left = left;
    g.ink.assign(static_cast<std::size_t>(std::max(right - left + 1, 0)), QwInkColumn{});
    g.rows = {};
    for (const Span& span : g.spans) {
        if (span.y < 0 || span.y > cell_height) continue;
        const QwInkColumn row{span.y, span.y};
        for (std::int32_t x = span.x1; x <= span.x2; ++x) merge_ink(g.ink[static_cast<std::size_t>(x - left)], row);
        merge_ink(g.rows, row);
    }
    const bool blank = g.rows.top > g.rows.bottom;
    g.reach = blank ? QwInkColumn{std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()}
                    : g.rows;
    g.within = g.ink_left + static_cast<std::int32_t>(g.ink.size()) <= g.advance + 1;
}

std::int32_t TextRenderer::width(Entry& e, std::string_view text)
{
    std::int32_t width = 0;
    for_each_glyph(e, text, [&width](char32_t, const Glyph& g) { width += g.advance; });
    return width;
}

std::int32_t TextRenderer::extent(std::int32_t font, std::string_view text)
{
    return width(entry(resolve(font)), text);
}

// With kerning off and no antialiasing, the fonts here set the same pixels
// for a text as for its characters drawn one by one at whole-pixel advances
// (their faces join no characters), so a text is put together from glyphs
// drawn once. Like the painter drawing into the text's own box, the glyphs
// are clipped to the box: its width plus one, its cell height plus one.
std::int32_t TextRenderer::line_up(Entry& e, std::string_view text)
{
    std::int32_t extent = 0;
    line_.clear();
    fresh_.clear();
    for_each_glyph(e, text, [this, &extent](char32_t c, Glyph& g) {
        extent += g.advance;
        line_.push_back(&g);
        if (g.rendered) return;
        g.rendered = true;
        fresh_.push_back({c, &g});
    });
    if (!fresh_.empty()) render(e, fresh_);
    return extent;
}

std::int32_t TextRenderer::draw(QImage& image, const DrawState& state, std::string_view text)
{
    Entry& e = entry(resolve(state.font));
    const std::int32_t extent = line_up(e, text);
    // Skip what cannot show: the text's box misses the canvas or the clip region.
    const std::int64_t left = std::max<std::int64_t>({state.position.x, state.clip.x1, 0});
    const std::int64_t right = std::min<std::int64_t>(
        {static_cast<std::int64_t>(state.position.x) + extent, state.clip.x2, image.width() - 1});
    const std::int64_t top = std::max<std::int64_t>({state.position.y, state.clip.y1, 0});
    const std::int64_t bottom = std::min<std::int64_t>(
        {static_cast<std::int64_t>(state.position.y) + e.cell_height, state.clip.y2, image.height() - 1});
    if (text.empty() || left > right || top > bottom) return extent;
    const QRgb rgb = rgb_of(state.colour);
    uchar* const pixels = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const std::int64_t y0 = state.position.y;
    std::int64_t pen = state.position.x;
    for (const Glyph* g : line_) {
        if (g->top <= g->bottom && pen + g->left >= left && pen + g->right <= right && y0 + g->top >= top &&
            y0 + g->bottom <= bottom) {
            // Most glyphs lie wholly inside: their spans need no clipping.
            uchar* const top_row = pixels + (y0 + g->top) * stride;
            for (const Span& span : g->spans) {
                auto* const row = reinterpret_cast<QRgb*>(top_row + (span.y - g->top) * stride);
                std::fill(row + pen + span.x1, row + pen + span.x2 + 1, rgb);
            }
        } else {
            for (const Span& span : g->spans) {
                const std::int64_t y = y0 + span.y;
                if (y < top || y > bottom) continue;
                const std::int64_t from = std::max<std::int64_t>(pen + span.x1, left);
                const std::int64_t to = std::min<std::int64_t>(pen + span.x2, right);
                if (from > to) continue;
                auto* row = reinterpret_cast<QRgb*>(pixels + y * stride);
                std::fill(row + from, row + to + 1, rgb);
            }
        }
        pen += g->advance;
    }
    return extent;
}

std::vector<QwInkColumn> TextRenderer::ink(std::int32_t font, std::string_view text)
{
    Entry& e = entry(resolve(font));
    const std::int32_t extent = line_up(e, text);
    std::vector<QwInkColumn> columns(static_cast<std::size_t>(extent) + 1);
    std::int32_t pen = 0;
    for (const Glyph* g : line_) {
        // The columns of the text's box.
        const std::int32_t left = pen + g->ink_left;
        const auto from = static_cast<std::size_t>(std::max(-left, 0));
        const auto to = static_cast<std::size_t>(
            std::clamp<std::int64_t>(std::int64_t{extent} + 1 - left, 0, static_cast<std::int64_t>(g->ink.size())));
        for (std::size_t k = from; k < to; ++k) merge_ink(columns[static_cast<std::size_t>(left) + k], g->ink[k]);
        pen += g->advance;
    }
    return columns;
}

QwTextRows TextRenderer::rows(std::int32_t font, std::string_view text)
{
    Entry& e = entry(resolve(font));
    // Most texts are of glyphs drawn before whose ink keeps within their
    // advance: their rows are all of the text's.
    std::int32_t extent = 0;
    QwInkColumn reach{std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()};
    bool plain = true;
    for_each_glyph(e, text, [&extent, &reach, &plain](char32_t, const Glyph& g) {
        plain = plain && g.within && extent + g.ink_left >= 0;
        reach = {std::min(reach.top, g.reach.top), std::max(reach.bottom, g.reach.bottom)};
        extent += g.advance;
    });
    if (plain) return {extent, reach.top > reach.bottom ? QwInkColumn{} : reach};
    extent = line_up(e, text);
    QwTextRows rows{extent, {}};
    std::int32_t pen = 0;
    for (const Glyph* g : line_) {
        const std::int32_t left = pen + g->ink_left;
        const auto width = static_cast<std::int32_t>(g->ink.size());
        if (left >= 0 && left + width - 1 <= extent) {
            merge_ink(rows.rows, g->rows);
        } else {
            // A glyph reaching out of the text's box: its columns inside.
            for (std::int32_t x = std::max(left, 0); x <= std::min(left + width - 1, extent); ++x)
                merge_ink(rows.rows, g->ink[static_cast<std::size_t>(x - left)]);
        }
        pen += g->advance;
    }
    return rows;
}

std::int32_t TextRenderer::available_faces()
{
    std::int32_t count = 0;
    for (const char* face : {"Arial", "Symbol"}) {
        if (!installed_family(face).isEmpty()) ++count;
    }
    return count;
}

}  // namespace platform::qt
