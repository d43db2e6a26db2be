#include "support/text_patterns.h"

#include <map>
#include <regex>

#include "support/shown_numbers.h"

namespace testing_support {

namespace {

const std::regex& compiled(const std::string& pattern)
{
    // Sweeps match each pattern against hundreds of texts.
    static std::map<std::string, std::regex> cache;
    auto it = cache.find(pattern);
    if (it == cache.end()) {
        std::string expanded = pattern;
        for (std::size_t at = expanded.find("NUM"); at != std::string::npos; at = expanded.find("NUM", at)) {
            expanded.replace(at, 3, number_group);
            at += number_group.size();
        }
        it = cache.emplace(pattern, std::regex(expanded)).first;
    }
    return it->second;
}

Found found(const std::smatch& m)
{
    Found f;
    for (std::size_t i = 0; i < m.size(); ++i) {
        f.groups.push_back(m[i].str());
        f.took_part.push_back(m[i].matched);
    }
    f.prefix = m.prefix().str();
    f.suffix = m.suffix().str();
    return f;
}

}  // namespace

std::optional<Found> find_first(const std::string& text, const std::string& pattern)
{
    std::smatch m;
    if (!std::regex_search(text, m, compiled(pattern))) return std::nullopt;
    return found(m);
}

std::optional<Found> match_whole(const std::string& text, const std::string& pattern)
{
    std::smatch m;
    if (!std::regex_match(text, m, compiled(pattern))) return std::nullopt;
    return found(m);
}

std::vector<Found> find_all(const std::string& text, const std::string& pattern)
{
    std::vector<Found> all;
    for (std::sregex_iterator it(text.begin(), text.end(), compiled(pattern)), end; it != end; ++it)
        all.push_back(found(*it));
    return all;
}

bool contains_match(const std::string& text, const std::string& pattern)
{
    return std::regex_search(text, compiled(pattern));
}

std::string replace_all(const std::string& text, const std::string& pattern, const std::string& format)
{
    return std::regex_replace(text, compiled(pattern), format);
}

}  // namespace testing_support
