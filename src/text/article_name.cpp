#include "text/article_name.h"

std::string join_article_to_name(std::string_view name)
{
    const auto starts = [name](std::string_view head) { return name.substr(0, head.size()) == head; };
    std::string_view article = "el ";
    if (!name.empty() && std::string_view("aeiou").find(name.front()) != std::string_view::npos) {
        article = "ell'";
    }
    if (starts("z") || starts("x") || starts("io") || starts("sc") || starts("st")) article = "ello ";
    return std::string(article) + std::string(name);
}
