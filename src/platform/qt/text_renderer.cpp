#include "platform/qt/text_renderer.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace platform::qt {
namespace {

// Text drawn before any font is chosen.
constexpr std::int32_t kDefaultCellHeight = 16;
constexpr const char* kDefaultFace = "Arial";

std::string key_of(const FontRequest& r) {
    return r.face + "|" + std::to_string(r.cell_height) + (r.bold ? "e" : "") + (r.italic ? "i" : "");
}

QFont make_font(const QString& family, std::int32_t pixel_size, bool bold, bool italic) {
    QFont font(family);
    font.setPixelSize(std::max(pixel_size, 1));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

}  // namespace

std::int32_t TextRenderer::select(const FontRequest& request) {
    const std::string key = key_of(request);
    if (const auto it = handles_.find(key); it != handles_.end()) return it->second;
    const std::string family = font_family_for_face(request.face);
    if (family.empty()) return -1;
    const QString qfamily = QString::fromStdString(family);
    if (QFontInfo(make_font(qfamily, 16, false, false)).family().compare(qfamily, Qt::CaseInsensitive) != 0) {
        return -1;
    }
    // The largest pixel size whose cell (ascent + descent) fits the height asked.
    Entry e;
    e.symbol = is_symbol_face(request.face);
    for (std::int32_t size = request.cell_height; size >= 1; --size) {
        e.font = make_font(qfamily, size, request.bold, request.italic);
        const QFontMetrics metrics(e.font);
        if (metrics.ascent() + metrics.descent() <= request.cell_height || size == 1) {
            e.ascent = metrics.ascent();
            e.cell_height = metrics.ascent() + metrics.descent();
            break;
        }
    }
    entries_.push_back(e);
    const auto handle = static_cast<std::int32_t>(entries_.size());
    handles_[key] = handle;
    return handle;
}

const TextRenderer::Entry& TextRenderer::entry(std::int32_t font) {
    if (font < 1 || font > static_cast<std::int32_t>(entries_.size())) {
        FontRequest fallback;
        fallback.face = kDefaultFace;
        fallback.cell_height = kDefaultCellHeight;
        font = select(fallback);
        if (font < 1) {
            static const Entry plain{make_font(QString(), kDefaultCellHeight, false, false), false, 13, 16};
            return plain;
        }
    }
    return entries_[static_cast<std::size_t>(font - 1)];
}

QString TextRenderer::prepare(const Entry& e, std::string_view text) const {
    if (e.symbol) {
        const std::string greek = symbol_to_greek(text);
        return QString::fromUtf8(greek.data(), static_cast<qsizetype>(greek.size()));
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::int32_t TextRenderer::extent(std::int32_t font, std::string_view text) {
    const Entry& e = entry(font);
    return std::max(0, QFontMetrics(e.font).horizontalAdvance(prepare(e, text)));
}

void TextRenderer::draw(QImage& image, const DrawState& state, std::string_view text) {
    const Entry& e = entry(state.font);
    const QString qtext = prepare(e, text);
    const std::int64_t width = QFontMetrics(e.font).horizontalAdvance(qtext);
    // Skip what cannot show: the text's box misses the canvas or the clip region.
    const std::int64_t left = std::max<std::int64_t>({state.position.x, state.clip.x1, 0});
    const std::int64_t right =
        std::min<std::int64_t>({static_cast<std::int64_t>(state.position.x) + width, state.clip.x2,
                                image.width() - 1});
    const std::int64_t top = std::max<std::int64_t>({state.position.y, state.clip.y1, 0});
    const std::int64_t bottom =
        std::min<std::int64_t>({static_cast<std::int64_t>(state.position.y) + e.cell_height, state.clip.y2,
                                image.height() - 1});
    if (left > right || top > bottom || qtext.isEmpty()) return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setClipRect(QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left + 1),
                              static_cast<int>(bottom - top + 1)));
    painter.setFont(e.font);
    const QRgb rgb = 0xFF000000u | ((state.colour & 0xFF) << 16) | (state.colour & 0xFF00) |
                     ((state.colour >> 16) & 0xFF);
    painter.setPen(QColor::fromRgb(rgb));
    painter.drawText(QPoint(state.position.x, state.position.y + e.ascent), qtext);
}

std::int32_t TextRenderer::available_faces() {
    std::int32_t count = 0;
    for (const char* face : {"Arial", "Times New Roman", "Courier New", "Symbol"}) {
        FontRequest request;
        request.face = face;
        request.cell_height = kDefaultCellHeight;
        if (select(request) > 0) ++count;
    }
    return count;
}

}  // namespace platform::qt
