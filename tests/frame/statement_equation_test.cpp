// Statements with an equation on a line of its own: the box, the centred
// equation that also joins the statement text, and the answer box.
#include <gtest/gtest.h>

#include <string>

#include "frame/app_state.h"
#include "frame/statement_equation.h"
#include "support/drawing_fixture.h"
#include "text/markup_text.h"

namespace {

class StatementEquationTest : public testing_support::DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        saved_ = problem_texts;
        saved_version_ = app_state.version_number;
    }
    void TearDown() override
    {
        problem_texts = saved_;
        app_state.version_number = saved_version_;
        DrawingTest::TearDown();
    }

    // The first text line drawn since the mark, as "text (x,y) ...".
    std::string first_text_line() const
    {
        for (const std::string& line : backend.log_lines("text")) return line;
        return {};
    }

private:
    ProblemTexts saved_;
    std::int32_t saved_version_ = 0;
};

TEST_F(StatementEquationTest, WidthsGrowWithTheTextAndCentreInTheColumn)
{
    const std::int32_t short_width = markup_line_width(" Zn + H@u+@");
    const std::int32_t long_width = markup_line_width(" Zn + H@u+@ = Zn@u2+@ + H@d2@");
    EXPECT_GT(short_width, 0);
    EXPECT_GT(long_width, short_width);
    EXPECT_EQ(markup_line_width(""), 0);
    EXPECT_EQ(centred_line_x(" Zn + H@u+@"), 160 + (420 - short_width) / 2);
    // Measuring draws nothing on the page.
    for (const std::string& line : backend.log_lines("text"))
        EXPECT_EQ(line.find("(0,2000)"), std::string::npos) << line;
}

TEST_F(StatementEquationTest, TheEquationIsDrawnCentredAndJoinsTheStatement)
{
    problem_texts.problem_text = "@T1@@C1@Bilanciare l'equazione   ";
    const std::string equation = " Zn + H@u+@ = Zn@u2+@ + H@d2@  ";
    const std::int32_t x = centred_line_x(equation);
    mark();
    backend.clear_log();
    draw_centred_equation(equation, 85);
    EXPECT_EQ(first_text_line().rfind("text (" + std::to_string(x) + ",85)", 0), 0u) << first_text_line();
    // The equation's own leading blank stays: two blanks stand before it.
    EXPECT_EQ(problem_texts.problem_text, "@T1@@C1@Bilanciare l'equazione  Zn + H@u+@ = Zn@u2+@ + H@d2@");
}

TEST_F(StatementEquationTest, TheBoxHoldsTheJustifiedStatementAndTheAnswerLosesItsLeadingBlanks)
{
    problem_texts.problem_text = "@T1@@C1@Bilanciare   ";
    backend.clear_log();
    draw_problem_text_in_box(160, 582, 50, 85);
    bool statement_drawn = false;
    for (const std::string& line : backend.log_lines("text"))
        statement_drawn = statement_drawn || line.find("\"Bilanciare\"") != std::string::npos;
    EXPECT_TRUE(statement_drawn) << backend.log_text();
    EXPECT_FALSE(backend.log_lines("rect").empty());

    problem_texts.answer_text = "  2Zn +  2H@u+@";
    backend.clear_log();
    left_adjusted_answer_at<165, 580, 250>();
    bool answer_drawn = false;
    for (const std::string& line : backend.log_lines("text")) {
        EXPECT_EQ(line.find(":  2Zn"), std::string::npos) << line;
        answer_drawn = answer_drawn || line.find("\": 2Zn +") != std::string::npos;
    }
    EXPECT_TRUE(answer_drawn) << backend.log_text();
}

TEST_F(StatementEquationTest, OnlyNessunaVersioneRefusesTheLastPick)
{
    app_state.version_number = no_version;
    EXPECT_TRUE(repeats_last_pick(3, 3));
    EXPECT_FALSE(repeats_last_pick(2, 3));
    for (std::int32_t version : {1, 77, text_version}) {
        app_state.version_number = version;
        EXPECT_FALSE(repeats_last_pick(3, 3));
    }
}

}  // namespace
