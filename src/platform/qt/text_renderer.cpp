#include "platform/qt/text_renderer.h"

#include <QFontDatabase>
#include <QPainter>
#include <algorithm>
#include <charconv>

namespace platform::qt {
namespace {

// Text drawn before any font is chosen.
constexpr std::int32_t kDefaultCellHeight = 16;
constexpr std::int32_t kPlainAscent = 13;
constexpr const char* kDefaultFace = "Arial";
// Enough for every word of many pages; past it the texts are shaped anew.
constexpr std::size_t kRememberedTexts = 4096;

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
    entries_.push_back(
        Entry{font, metrics, is_symbol_face(request.face), metrics.ascent(), metrics.ascent() + metrics.descent(), {}});
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
        plain_.emplace(Entry{font, QFontMetrics(font), false, kPlainAscent, kDefaultCellHeight, {}});
    }
    return *plain_;
}

QString TextRenderer::prepare(const Entry& e, std::string_view text) const
{
    if (e.symbol) {
        const std::string greek = symbol_to_greek(text);
        return QString::fromUtf8(greek.data(), static_cast<qsizetype>(greek.size()));
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TextRenderer::Shaped& TextRenderer::shaped(Entry& e, std::string_view text)
{
    if (const auto known = e.shaped.find(text); known != e.shaped.end()) return known->second;
    if (e.shaped.size() >= kRememberedTexts) e.shaped.clear();
    Shaped& s = e.shaped.emplace(text, Shaped{}).first->second;
    s.width = std::max(0, e.metrics.horizontalAdvance(prepare(e, text)));
    return s;
}

// Drawn once, as the painter draws it, into an image of the text's box (the
// canvas clips every text to its box); a redraw of the same text and font
// sets the same pixels in the colour of the moment. Without antialiasing a
// pixel is either set or left as it was, so nothing but the colour can differ.
void TextRenderer::render(const Entry& e, std::string_view text, Shaped& s) const
{
    s.rendered = true;
    const QString qtext = prepare(e, text);
    if (qtext.isEmpty()) return;
    constexpr QRgb unset = 0xFFFFFFFF;
    QImage box(s.width + 1, e.cell_height + 1, QImage::Format_RGB32);
    box.fill(unset);
    {
        QPainter painter(&box);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(e.font);
        painter.setPen(QColor(Qt::black));
        painter.drawText(QPoint(0, e.ascent), qtext);
    }
    const std::int32_t width = box.width();
    for (std::int32_t y = 0; y < box.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(box.constScanLine(y));
        for (std::int32_t x = 0; x < width;) {
            if (row[x] == unset) {
                ++x;
                continue;
            }
            const std::int32_t from = x;
            while (x < width && row[x] != unset) ++x;
            s.spans.push_back({y, from, x - 1});
        }
    }
}

std::int32_t TextRenderer::extent(std::int32_t font, std::string_view text)
{
    return shaped(entry(resolve(font)), text).width;
}

std::int32_t TextRenderer::draw(QImage& image, const DrawState& state, std::string_view text)
{
    Entry& e = entry(resolve(state.font));
    Shaped& s = shaped(e, text);
    const std::int32_t extent = s.width;
    if (text.empty()) return extent;
    const std::int64_t width = extent;
    // Skip what cannot show: the text's box misses the canvas or the clip region.
    const std::int64_t left = std::max<std::int64_t>({state.position.x, state.clip.x1, 0});
    const std::int64_t right =
        std::min<std::int64_t>({static_cast<std::int64_t>(state.position.x) + width, state.clip.x2, image.width() - 1});
    const std::int64_t top = std::max<std::int64_t>({state.position.y, state.clip.y1, 0});
    const std::int64_t bottom = std::min<std::int64_t>(
        {static_cast<std::int64_t>(state.position.y) + e.cell_height, state.clip.y2, image.height() - 1});
    if (left > right || top > bottom) return extent;
    if (!s.rendered) render(e, text, s);
    const QRgb rgb = rgb_of(state.colour);
    uchar* const pixels = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const Span& span : s.spans) {
        const std::int64_t y = static_cast<std::int64_t>(state.position.y) + span.y;
        if (y < top || y > bottom) continue;
        const std::int64_t from = std::max<std::int64_t>(static_cast<std::int64_t>(state.position.x) + span.x1, left);
        const std::int64_t to = std::min<std::int64_t>(static_cast<std::int64_t>(state.position.x) + span.x2, right);
        if (from > to) continue;
        auto* row = reinterpret_cast<QRgb*>(pixels + y * stride);
        std::fill(row + from, row + to + 1, rgb);
    }
    return extent;
}

std::int32_t TextRenderer::available_faces()
{
    std::int32_t count = 0;
    for (const char* face : {"Arial", "Times New Roman", "Courier New", "Symbol"}) {
        if (!installed_family(face).isEmpty()) ++count;
    }
    return count;
}

}  // namespace platform::qt
