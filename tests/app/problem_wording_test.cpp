// Wordings of problems across the chapters, each on the page of a version
// that shows it: units, separators and Italian spelled out in full.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "chemistry/chemistry_facts.h"
#include "frame/app_state.h"
#include "frame/page_choice.h"
#include "support/platform_fixtures.h"
#include "support/program_start.h"

namespace {

struct Wording {
    std::int32_t chapter, problem, version;
    bool in_answer;
    const char* text;
};

const Wording wordings[] = {
    {5, 26, 1, false, "la massa molare di A è pari a 157.3 g/mol, calcolare"},
    {6, 29, 1, true, "11; 25"},
    {9, 6, 1, true, "@iP@(CO) = @iP@(Cl@d2@) = 0.22 atm"},
    {7, 12, 1, false, "3H@d2@@d(g)@. Calcolare come variano"},
    {1, 28, 1, true, "Sì; @iy@ = 0.110@ix@ + 9.1"},
    {2, 18, 1, true, "Sì"},
    {2, 21, 2, true, "Sì"},
    {4, 40, 2, true, "Sì"},
    {3, 26, 1, false, "Determinare il coefficiente mancante nell'equazione"},
    {9, 33, 1, false, "di una soluzione contenente solfati"},
    {1, 26, 1, false, "il campione perché il volume"},
    {1, 29, 1, false, "in un recipiente di volume"},
    {4, 5, 1, false, "perché la pressione divenga"},
    {5, 13, 1, false, "F perché la concentrazione di ioni"},
    {5, 25, 1, false, "perché la soluzione ottenuta abbia"},
    {6, 34, 1, false, "il tempo necessario perché la radioattività"},
    {6, 36, 1, false, "il tempo necessario perché a questa temperatura"},
    {9, 29, 1, false, "la pressione totale perché il grado di dissociazione"},
    {4, 41, 1, false, "Sulla base del principio di Le Châtelier,"},
    {6, 19, 1, false, "nel livello k-esimo vi sono"},
    {4, 7, 1, false, "nelle stesse condizioni è pari a 4.1957 g/L."},
    {4, 26, 1, false, "Confrontare la pressione in un'autoclave da"},
    {4, 26, 3, false, "Confrontare la pressione in una bombola da"},
    {5, 29, 1, false, "l'agente ossidante nell'equazione seguente"},
};

class ProblemWording : public testing_support::RecordingTest {
protected:
    void SetUp() override { testing_support::start_program_with_its_parts(); }
};

TEST_F(ProblemWording, EachStandsOnThePageOfItsVersion)
{
    for (const Wording& w : wordings) {
        const PageChoice choice{.chapter = w.chapter, .problem = w.problem, .version = w.version, .answer = true};
        ASSERT_EQ(show_chosen_page(choice), "");
        const std::string& text = w.in_answer ? problem_texts.answer_text : problem_texts.problem_text;
        SCOPED_TRACE(std::to_string(w.chapter) + "." + std::to_string(w.problem) + " versione " +
                     std::to_string(w.version) + ": " + text);
        EXPECT_NE(text.find(w.text), std::string::npos);
    }
}

TEST_F(ProblemWording, LeChatelierInTheSectionOfChapterFourAndItsFact)
{
    ASSERT_EQ(show_chosen_page({.chapter = 4, .problem = 41, .version = 1}), "");
    EXPECT_EQ(chapter_index.side_panel[8].title, "Principio di Le Châtelier");
    EXPECT_TRUE(chemistry_fact(83).value_or("").starts_with("Per il principio di Le Châtelier, "));
}

}  // namespace
