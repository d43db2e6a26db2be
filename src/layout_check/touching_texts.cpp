// The ink of a text line, from its font's cell height with the proportions
// of the program's sans-serif faces: ascent 0.81 of the cell, capitals and
// tall letters 0.64, small letters 0.47, descenders 0.19 below the baseline.
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "layout_check/layout_check.h"

namespace layout_check {

namespace {

// A letter's inked box.
struct Ink {
    double x1, x2, top, bottom;
};

// Letters beyond ASCII (accented, Greek) are taken as tall.
bool tall(char c)
{
    return static_cast<unsigned char>(c) >= 0x80 || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("bdfhiklt[]()/|!?'\"").find(c) != std::string_view::npos;
}

// The bytes of the UTF-8 letter that c starts.
std::size_t letter_length(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
}

bool descending(char c)
{
    return std::string_view("gjpqy[](),;").find(c) != std::string_view::npos;
}

bool touching(const std::vector<Ink>& a, const std::vector<Ink>& b)
{
    for (const Ink& p : a)
        for (const Ink& q : b)
            if (std::min(p.x2, q.x2) - std::max(p.x1, q.x1) >= 1.0 &&
                std::min(p.bottom, q.bottom) - std::max(p.top, q.top) >= -0.5)
                return true;
    return false;
}

std::string where(const LayoutItem& t)
{
    std::ostringstream out;
    out << "\"" << t.text << "\" (" << t.rect.x1 << "," << t.rect.y1 << ")";
    return out.str();
}

}  // namespace

std::vector<std::string> LayoutRecorder::touching_texts() const
{
    std::vector<std::string> found;
    struct Shown {
        const LayoutItem* item;
        std::vector<Ink> letters;
        double baseline;
    };
    std::vector<Shown> shown;
    for (const LayoutItem& item : items_) {
        if (item.kind == LayoutItem::Kind::fill) {
            std::erase_if(shown, [&item](const auto& old) {
                const LayoutRect& r = old.item->rect;
                return r.x1 >= item.rect.x1 && r.x2 <= item.rect.x2 && r.y1 >= item.rect.y1 && r.y2 <= item.rect.y2;
            });
            continue;
        }
        if (item.kind != LayoutItem::Kind::text) continue;
        const auto height = cell_heights_.find(item.font);
        const std::int32_t cell = height == cell_heights_.end() ? 8 : height->second;
        // A text cut by its clip (a reel's symbol half out of its window) is
        // not where its cell says.
        if (item.rect.y2 - item.rect.y1 != cell - 1 - 2 * (cell / 4)) continue;
        const double baseline = item.rect.y1 - cell / 4 + 0.81 * cell;
        std::vector<Ink> letters;
        const std::string_view text = item.text;
        for (std::size_t k = 0; k < text.size(); k += letter_length(text[k])) {
            const char c = text[k];
            if (c == ' ') continue;
            const double x = item.rect.x1 + inner_.text_extent(item.font, text.substr(0, k));
            const double w = inner_.text_extent(item.font, text.substr(k, letter_length(c)));
            letters.push_back({x, x + w - 1.0, baseline - (tall(c) ? 0.64 : 0.47) * cell,
                               baseline + (descending(c) ? 0.19 * cell : 0.0)});
        }
        for (const auto& [earlier, ink, line] : shown) {
            // The same line's pieces, shadows and redraws are not two lines.
            if (std::abs(line - baseline) < 3.0 || earlier->text == item.text) continue;
            if (touching(ink, letters)) found.push_back("testo " + where(item) + " tocca il testo " + where(*earlier));
        }
        shown.push_back({&item, std::move(letters), baseline});
    }
    return found;
}

}  // namespace layout_check
