#include "platform/font_options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace platform {
namespace {

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

constexpr std::int32_t kMaxCellHeight = 1000;

}  // namespace

std::optional<FontRequest> parse_font_options(std::string_view options)
{
    FontRequest request;
    bool have_face = false;
    std::size_t i = 0;
    while (i < options.size()) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(options[i])));
        if (c == '\0' || c == ' ') {
            ++i;
        } else if (c == 't') {
            if (i + 1 >= options.size() || options[i + 1] != '\'') return std::nullopt;
            const std::size_t close = options.find('\'', i + 2);
            if (close == std::string_view::npos) return std::nullopt;
            request.face = std::string(options.substr(i + 2, close - i - 2));
            have_face = true;
            i = close + 1;
        } else if (c == 'h') {
            std::size_t j = i + 1;
            std::int64_t value = 0;
            while (j < options.size() && std::isdigit(static_cast<unsigned char>(options[j])) &&
                   value <= kMaxCellHeight) {
                value = value * 10 + (options[j] - '0');
                ++j;
            }
            if (j == i + 1 || value < 1 || value > kMaxCellHeight) return std::nullopt;
            request.cell_height = static_cast<std::int32_t>(value);
            i = j;
        } else if (c == 'b') {
            request.best_fit = true;
            ++i;
        } else if (c == 'e') {
            request.bold = true;
            ++i;
        } else if (c == 'i') {
            request.italic = true;
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (!have_face || request.face.empty() || request.cell_height == 0) return std::nullopt;
    return request;
}

std::string font_options_text(const FontRequest& request)
{
    std::string text = "t'" + request.face + "'h" + std::to_string(request.cell_height);
    if (request.best_fit) text += 'b';
    if (request.bold) text += 'e';
    if (request.italic) text += 'i';
    return text;
}

std::string font_family_for_face(std::string_view face)
{
    static const std::array<std::pair<const char*, const char*>, 2> kFaces{{
        {"arial", "Liberation Sans"},
        {"symbol", "DejaVu Sans"},
    }};
    const std::string key = lower(face);
    for (const auto& [name, family] : kFaces) {
        if (key == name) return family;
    }
    return {};
}

bool is_symbol_face(std::string_view face)
{
    return lower(face) == "symbol";
}

std::string symbol_to_greek(std::string_view text)
{
    // Letters of the Symbol encoding and the Greek letters they stand for.
    static const std::array<const char*, 26> kLower{"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι", "ϕ", "κ", "λ", "μ",
                                                    "ν", "ο", "π", "θ", "ρ", "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
    static const std::array<const char*, 26> kUpper{"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι", "ϑ", "Κ", "Λ", "Μ",
                                                    "Ν", "Ο", "Π", "Θ", "Ρ", "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        if (c >= 'a' && c <= 'z') {
            out += kLower[static_cast<std::size_t>(c - 'a')];
        } else if (c >= 'A' && c <= 'Z') {
            out += kUpper[static_cast<std::size_t>(c - 'A')];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace platform
