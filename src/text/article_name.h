// Italian articles and articulated prepositions in front of names and numbers.
#pragma once

#include <string>
#include <string_view>

// The tail of the preposition joined to a lower-case name: the caller puts
// "d", "n" and the like in front ("d" + "ello zinco", "d" + "ell'ossigeno",
// "n" + "el sodio").
std::string join_article_to_name(std::string_view name);

// The masculine article for a number as it is read aloud, joined to the
// preposition's stem ("a", "de", "da", "ne", "su"; "" for the bare article)
// and ready to take the number: "il 5%", "l'8%", "lo 0.5%", "al 20.7%",
// "all'82.9%", "dell'11%", "allo 0.3%". Numbers read "otto...", "undici",
// "ottanta...", "ottocento...", "uno" and "un milione" elide; "zero" takes "lo".
std::string article_before_number(std::string_view stem, std::string_view number);

// The conjunction "e" with its blanks, " ed " before a word beginning with "e".
std::string and_before(std::string_view word);
// The preposition "a", "ad" before a word beginning with a vowel ("ad oro",
// "a rame").
std::string a_before(std::string_view word);
