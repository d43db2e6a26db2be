// Italian articulated prepositions in front of element and compound names.
#pragma once

#include <string>
#include <string_view>

// The tail of the preposition joined to a lower-case name: the caller puts
// "d", "n" and the like in front ("d" + "ello zinco", "d" + "ell'ossigeno",
// "n" + "el sodio").
std::string join_article_to_name(std::string_view name);
