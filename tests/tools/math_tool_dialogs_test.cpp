// The calculator and the plotter in their dialogs: first openings, results
// as shown, root searches, messages, and the graph on the page.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <map>
#include <string>
#include <system_error>

#include "platform/dialogs.h"
#include "platform/graphics.h"
#include "support/platform_fixtures.h"
#include "support/tool_runs.h"
#include "tools/calculator.h"
#include "tools/function_plotter.h"

namespace {

using testing_support::QtSessionTest;
using testing_support::RecordingTest;

class MathToolDialogs : public RecordingTest {
protected:
    void SetUp() override
    {
        calculator_state = {};
        plotter_state = {};
    }

    // The calculator's solution field after typing an expression and x and
    // pressing Enter.
    std::string solve(const std::string& expression, const std::string& x)
    {
        std::string shown;
        recorder().push_dialog_script([&](Dialog& dialog) {
            dlg_set_char(dialog, 1100, expression);
            dlg_set_char(dialog, 1102, x);
            dlg_press(dialog, kDialogOk);
            shown = dlg_get_char(dialog, 1101);
            return kDialogCancel;
        });
        run_calculator_dialog();
        return shown;
    }

    // The texts drawn by one plot from the given fields (x1, x2, y1, y2 and
    // the functions), and the message shown.
    std::string plot(const std::map<std::int32_t, std::string>& typed, std::string& message)
    {
        recorder().push_dialog_script([&](Dialog& dialog) {
            for (const auto& [id, text] : typed) dlg_set_char(dialog, id, text);
            recorder().clear_log();
            dlg_press(dialog, kDialogOk);
            message = dlg_get_char(dialog, 1110);
            return kDialogCancel;
        });
        open_plot_dialog();
        return recorder().log_text();
    }
};

TEST_F(MathToolDialogs, CalculatorResultsAsShown)
{
    std::string opening;
    recorder().push_dialog_script([&](Dialog& dialog) {
        opening = dlg_get_char(dialog, 1100) + " | " + dlg_get_char(dialog, 1102) + " | " + dlg_get_char(dialog, 1101);
        dlg_press(dialog, kDialogOk);
        EXPECT_EQ(dlg_get_char(dialog, 1101), "1.082812437430E+90");
        return kDialogCancel;
    });
    run_calculator_dialog();
    EXPECT_EQ(opening, "(x-1.2e-121*ln(x))^(-0.76) | 1.e-120 | 1.082812437430E+90");

    const struct {
        std::string expression;
        const char* x;
        const char* shown;
    } cases[] = {
        {"1+1", "0", "        2.00000000000000"},
        {"1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1", "0",
         "        41.0000000000000"},
        {"x*1e6", "3", "3.00000000000000E+6"},
        {"-x*1e6", "3", "-3.00000000000000E+6"},
        // Zero, however it comes, as the fixed form shows a value near 1.
        {"0*x", "3", "        0.00000000000000"},
        {"x*1e-200*1e-200", "-1", "        0.00000000000000"},
        {"  ", "abc", "0."},
        {"x/3", "1e-7", "3.33333333333333E-8"},
        // Below the normal range a double holds fewer digits: 1e-320 is a
        // multiple of 4.9e-324.
        {"x", "1e-320", "1.00E-320"},
        {"5e-324*1e300", "0", "5E-24"},  // the least double: one digit
        {"x-0.5", "0><1", "0.5"},
        {"x^2-2", "0><2", "1.414214"},
        {"ln(x)+1", "-1><1", "0.3678795"},  // e^-1 in single precision
        {"x^2+1", "0><2", "Soluzione non trovata"},
        {"ln(x)-5", "1><-1", "Soluzione non trovata"},  // no sign change where defined
        {"ln(x)", "-1", "Operazione non consentita"},
        // The tangent's poles, within 1e-7, by the calculator's stored
        // half-turn 3.14159265358979: 300,000 of them out, 1e-9 from pi's.
        {"tan(x)", "942479.366873208", "Operazione non consentita"},
        {"tan(x)", "942479.366873408", "-6.98E+6"},
        {"2x", "abc", "Sintassi errata"},
        // Well-formed, but beyond what the engine takes.
        {"x-1e309", "1", "Operazione non consentita"},
        {"1+" + std::string(188, '1'), "0", "Espressione oltre i 189 caratteri"},
        {"x", "abc", "Valore di x non leggibile"},
        {"1", "abc", "Valore di x non leggibile"},
        {"x", "0><", "Valore di x non leggibile"},
        {"x", "a><b", "Valore di x non leggibile"},
        {"x", "nan", "Valore di x non leggibile"},
        // A decimal comma is a decimal point; a field holding more than one number is refused.
        {"x*2", "1,5", "        3.00000000000000"},
        {"x-0.5", "0,2><1,5", "0.5"},
        {"x", "1,5 2", "Valore di x non leggibile"},
        {"x", "1.000,5", "Valore di x non leggibile"},
        {"1,5*x", "1", "Sintassi errata"},  // in an expression a comma is refused
        // A sign change across a pole is no root.
        {"1/x", "-1><0.7", "Operazione non consentita"},
        {"1/x", "-0.3><1", "Operazione non consentita"},
        {"1/x", "-1><2", "Operazione non consentita"},
        {"1/(x-0.5)+x", "0><2", "Operazione non consentita"},
        // Intervals from 1 to 1e300 wide: the root inside found as closely
        // as in a unit interval, or none shown.
        {"exp(-x)-x", "0><1", "0.5671433"},
        {"x-12345.678", "0><1e10", "12345.68"},
        {"exp(-x)-x", "0><1e50", "0.5671433"},
        {"exp(-x)-x", "0><1e100", "0.5671433"},
        {"x^2-2", "0><1e100", "1.414214"},
        {"exp(-x)-x", "-1e100><1", "0.5671433"},  // defined at b alone of the grid
        {"x^2-2", "0><1e300", "1.414214"},        // past 1e150, x^2 is not evaluated
        {"x^2-2", "-1e300><0", "-1.414214"},
        {"exp(-x)-x", "-1e300><1e300", "0.5671433"},
        {"x^2+1", "-1e100><1e100", "Soluzione non trovata"},
        {"1/x", "-1e300><1e300", "Operazione non consentita"},
        // From a down to b, the grid first defined at 0: on from there.
        {"x^2-2", "1e300><-1e300", "-1.414214"},
        // Neither a grid point with its sign turned nor a point outside the
        // interval; typed backwards, the interval is the same.
        {"x^2-2", "-1e30><0", "-1.414214"},
        {"x^2-2", "-1e30><-1", "-1.414214"},
        {"x^2-2", "-1e50><0", "-1.414214"},
        {"x^2-2", "-1e100><0", "-1.414214"},
        {"x^2-2", "1e100><0", "1.414214"},
        {"x^2-2", "-1e100><1e100", "-1.414214"},
        {"x^2-2", "1e100><-1e100", "-1.414214"},
        {"x^2-2", "-1e30><-2", "Soluzione non trovata"},
        {"2-x^2", "-1e30><0", "-1.414214"},
        {"exp(x)-2", "-1e100><1", "0.6931472"},
        {"exp(-x)-x", "1e50><0", "0.5671433"},
        {"exp(-x)-x", "1e100><0", "0.5671433"},
        {"x^2-2", "2><0", "1.414214"},
        // Past a pole, on to the root.
        {"1/x-1", "-1><2", "1"},
        // Narrow intervals: a grid point or an end next to the root, the
        // doubles about a pole, a zero only by underflow, a run of zeros about 0.
        {"x^2-2", "1.414213562373><1.414213562374", "1.414214"},
        {"x^2-2", "0><1.4142135623730951", "1.414214"},
        {"x^3-10", "2.1544346900318><2.1544346900319", "2.154435"},
        {"1/(x^2-2)+1", "1.414213562373><1.414213562374", "Operazione non consentita"},
        {"1/(x^2-2)+1", "1.4142135623730951><1.4142135623730949", "Operazione non consentita"},
        {"exp(x)", "-1000><0", "Soluzione non trovata"},
        {"exp(x)", "-1e300><1e300", "Soluzione non trovata"},
        {"exp(-x)", "0><1e300", "Soluzione non trovata"},
        {"exp(x-1000)", "-1><1", "Soluzione non trovata"},
        {"1/(x-1)+1", "-0.5><3", "0"},
        {"x^2", "-1><1", "0"},
        {"x^2", "1e-200><1", "Soluzione non trovata"},
        // Signs of the true value, where the doubles' rounding noise hides
        // them: expanded, (x-1)^3 = 1e-15 at 1.00001, (x-1)^4 = 1e-12 at
        // 1.001, (x-1)^5 = 1e-20 at 1.0001 and (x-1)^6 = 1e-14 at 1 -+ 4.6416e-3.
        {"x^3-3*x^2+3*x-1-1e-15", "0.997><1.007", "1.00001"},
        {"x^4-4*x^3+6*x^2-4*x+1-1e-12", "1.0009><1.0011", "1.001"},
        {"x^5-5*x^4+10*x^3-10*x^2+5*x-1-1e-20", "0.9><1.1", "1.0001"},
        {"x^5-5*x^4+10*x^3-10*x^2+5*x-1-1e-20", "0.99987><1.00053", "1.0001"},
        {"x^5-5*x^4+10*x^3-10*x^2+5*x-1-1e-20", "0.99940><1.00086", "1.0001"},
        {"x^6-6*x^5+15*x^4-20*x^3+15*x^2-6*x+1-1e-14", "1><1.1", "1.004642"},
        {"x^6-6*x^5+15*x^4-20*x^3+15*x^2-6*x+1-1e-14", "1.00029><1.00464", "Soluzione non trovata"},
        {"x^3-3*x^2+3*x-1-1e-15", "0.99001><1.00001", "1.00001"},  // the double above 1.00001
        {"x^3-3*x^2+3*x-1-1e-15", "0.99001><1.0000105", "1.00001"},
        {"x^3-3*x^2+3*x-1-1e-15", "0.99001><1.000011", "1.00001"},
        // (1+x)^2 rounds to 1 about 0, the other root at -2.
        {"(x+1)^2-1", "-0.5><0.5", "0"},
        {"(x+1)^2-1", "-1e-3><1e-3", "0"},
        {"(x-1)^2-1", "-1e-3><1e-3", "0"},
        // A root at an end: exp(0)-1 is exactly 0.
        {"exp(x)-1", "-1><0", "0"},
        {"exp(x)-1", "0><1", "0"},
        {"exp(x)-1", "-1><1e-17", "0"},
        // Below the doubles' smallest error, of one sign up to the root
        // outside: exp(x) = 1e-20 at -46.0517, exp(-x) = exp(-40) at 40.
        {"exp(x)-1e-20", "-50><-47", "Soluzione non trovata"},
        {"exp(x)-1e-20", "-100><-46.06", "Soluzione non trovata"},
        {"exp(x)-1e-20", "-2000><-47", "Soluzione non trovata"},
        {"exp(x)-1e-20", "-50><-46", "-46.0517"},
        {"exp(-x)-exp(-40)", "0><39.97", "Soluzione non trovata"},
        {"exp(-x)-exp(-40)", "0><41", "40"},
        // Values that underflow to 0 in doubles keep their signs.
        {"(x-1e7)*1e-300*1e-30", "8e6><9e6", "Soluzione non trovata"},
        {"(x-1e4)*1e-300*1e-27", "5e3><2e4", "10000"},
        {"(x^2-2)*(1e-300*1e-23)", "1.5><1.6", "Soluzione non trovata"},
        {"(x-5)*1e-300*1e-30", "0><10", "5"},
        {"(x-5)*1e-300*1e-30", "4.9><5.3", "5"},
        {"(x-5)*exp(-800)", "0><10", "5"},
        {"(x-5)*exp(-800)", "4.9><5.3", "5"},
        {"(x-5)*exp(-800)", "2><3", "Soluzione non trovata"},
        {"(x-5)*exp(-800)", "-1><-0.5", "Soluzione non trovata"},
        {"(x-5)*exp(-800)", "0><1", "Soluzione non trovata"},
        {"(x-5)*1e-300*1e-30", "-1><1", "Soluzione non trovata"},
        {"x^2", "-1e-200><1e-200", "0"},  // 0 is a grid point
        {"x^2", "1e-300><1e-200", "Soluzione non trovata"},
        {"x^2", "0><1", "0"},
        {"x^2-4", "2><10", "2"},
        // 0 wherever it is defined, which no precision proves: never a root.
        {"ln(exp(x))-x", "1><2", "Zero entro la precisione di calcolo"},
        {"sin(x)^2+cos(x)^2-1", "-3><4", "Zero entro la precisione di calcolo"},
        // Beside such an identity, a term that a search's time cannot tell
        // at every point (x^5 is 1e-1500, x^100 1e-30000 at 1e-300,
        // exp(-5e4/(8.314*x)) below 1e-1300, exp(-1e4*x) below 1e-4300 on
        // 1 to 2, each some thousands of bits a point): the search says it
        // stopped undecided, not that the expression is 0. A magnitude
        // that meets no sum (a factor times 0) asks for no precision at all.
        {"ln(exp(x))-x+x^100", "1e-300><1e-299", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+x^5", "1e-300><1e-299", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+x^10", "1e-300><1e-299", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+x^50", "1e-300><1e-299", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+exp(-5e4/(8.314*x))", "1><2", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+exp(-1e4*x)", "1><2", "Tempo esaurito: segno non deciso"},
        {"sin(1e9*x)^2+cos(1e9*x)^2-1+exp(-1500*x)", "1><2", "Tempo esaurito: segno non deciso"},
        {"(sin(x)^2+cos(x)^2-1)*1e300+exp(-1e4*x)", "1><2", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+exp(-1e4*x)*0", "1><2", "Zero entro la precisione di calcolo"},
        // The whole grid is looked at before any point's precision grows:
        // the sign change at 1.95 (f(2) = 0.05) is found past points that
        // need some 14,500 bits, and the pole there is told as a pole.
        {"ln(exp(x))-x+exp(-1e4*x)+exp(200*(x-2))*(x-1.95)", "1><2", "1.95"},
        {"ln(exp(x))-x+exp(-1e4*x)+exp(200*(x-2))/(x-1.95)", "1><2", "Operazione non consentita"},
        // A root whose neighbours all need thousands of bits: stopped.
        {"ln(exp(x))-x+(x-1.9)*exp(-3e3*x)", "1><2", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+(x-1.9)*exp(-2e3*x)", "1><2", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+(x-1.5)*exp(-1e4*x)", "1><2", "Tempo esaurito: segno non deciso"},
        {"ln(exp(x))-x+(x-1.5)*exp(-5e4/(8.314*x))", "1><2", "Tempo esaurito: segno non deciso"},
        // Negative below 1.5001, positive above, the term below 1e-480
        // within 0.03 of it: a sign change certified whose points nearer
        // need more than the search's time.
        {"ln(exp(x))-x+(x-1.5001)*exp(-1/(x-1.5001)^2)", "1><2", "Cambio di segno: radice o polo"},
        {"sin(x)-sin(x)+cos(x)-cos(x)+tan(x)-tan(x)+ln(x)-ln(x)+exp(x)-exp(x)+exp(-1e5*x)*0", "1><2",
         "Zero entro la precisione di calcolo"},
        // A value less itself is 0, over itself 1, at every point: the
        // first point is a root, as for x-x.
        {"x-x", "2><3", "2"},
        {"sin(x)-sin(x)", "2><3", "2"},
        {"ln(x)-ln(x)", "2><3", "2"},
        {"ln(x)/ln(x)-1", "2><3", "2"},
        {"sin(x)-sin(x)+exp(-1e5*x)*0", "1><2", "1"},
        // Cancellations inside cancellations: 1-cos(1-cos(x)) is about
        // x^4/8 > 0, each level told at the precision the one inside shows.
        {"1-cos(1-cos(x))", "1e-50><1e-49", "Soluzione non trovata"},
        {"1-cos(1-cos(1-cos(x)))", "1e-10><1e-9", "Soluzione non trovata"},
        {"1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(x))))))", "0.1><0.2", "Soluzione non trovata"},
        // Six levels at 1e-5 are x^64/2^63 = 1e-339, eight 1e-333 at 0.1
        // and 1e-1357 at 1e-5: over a thousand bits at every point, more
        // than the search's time pays for across the grid.
        {"1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(x))))))", "1e-5><1e-4", "Tempo esaurito: segno non deciso"},
        {"1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(x))))))))", "0.1><0.2", "Tempo esaurito: segno non deciso"},
        {"1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(x))))))))", "1e-5><1e-4", "Tempo esaurito: segno non deciso"},
        // Terms spanning the doubles' range, and functions cancelling to
        // below it near 0: signs told at the precision they need.
        {"x*1e-50+1e300-1e300", "1><2", "Soluzione non trovata"},
        {"x*1e-50+1e300-1e300-1.5e-50", "1><2", "1.5"},
        {"x^2*1e-40+1e-300+1e250-1e250", "-1><1", "Soluzione non trovata"},
        {"1-cos(x)", "1e-175><1", "Soluzione non trovata"},
        {"1-cos(x)", "1e-300><1e-200", "Soluzione non trovata"},
        {"x-sin(x)", "1e-200><1e-190", "Soluzione non trovata"},
        {"exp(x)-1-x", "1e-200><1", "Soluzione non trovata"},
        {"(1-cos(x))*1e300-5e-51", "1e-176><1e-174", "1.000000E-175"},  // x^2/2 = 5e-351
        {"(x-0.3)*(1/(ln(exp(x))-x+1e-200))", "0><1", "0.3"},
        // x-x over the last bracket is 0, not a pole.
        {"(x^2-2)/(x-x+1e-20)", "1><2", "1.414214"},
        // 0.3*10 reads as 3: (-2)^3+8 is 0.
        {"x^(0.3*10)+8", "-3><0", "-2"},
        // The root, 1e-340, lies between 0 and the smallest double.
        {"x^0.5-1e-170", "0><1", "0"},
        // Nowhere defined: a division by 0 everywhere.
        {"1/(ln(exp(x))-x)", "1><2", "Operazione non consentita"},
        // A number typed below the normal range is the number it is, as one
        // computed is.
        {"x-1e-320", "0><1", "9.999889E-321"},
        {"x-1e-300*1e-20", "0><1", "9.999889E-321"},
        // A pole between two doubles, whatever function makes it.
        {"tan(x)", "1.5707963267948966><1.5707963267948968", "Operazione non consentita"},
        {"1/(x-1)", "0.9999999999999999><1.0000000000000002", "Operazione non consentita"},
        {"ln(x)", "-2><-1", "Operazione non consentita"},
        // The fixed form keeps the decimals the estimate supports; with no
        // trustworthy digit, the exponent form shows one and no point.
        {"x^2-2", "1.5", "        0.25000000000000"},
        {"x^2-2", "1.4142135623730951", "4E-16"},
        // Roots beyond single precision, shown in the results' exponent form.
        {"x-1e200", "0><1e300", "1.000000E+200"},
        {"x-1e-200", "-1><1", "1.000000E-200"},
        {"x^3-x/100", "-1><0.7", "-0.1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(solve(c.expression, c.x), c.shown) << c.expression << " at " << c.x;
    }
    // The last result is shown again, not the message.
    solve("x", "abc");
    recorder().push_dialog_script([&](Dialog& dialog) {
        opening = dlg_get_char(dialog, 1101);
        return kDialogCancel;
    });
    run_calculator_dialog();
    EXPECT_EQ(opening, "-0.1");
}

// A copy of the program made without its ball library (a package, a copy
// into a bin folder) says so on standard error, once, and each search says
// that the certified computation is missing; a value at x is computed as
// ever. This test runs itself, copied to a folder of its own, where the
// copy writes what it shows.
TEST_F(MathToolDialogs, WithoutItsBallLibraryASearchSaysSo)
{
    const struct {
        const char* expression;
        const char* x;
    } typed[] = {{"x^2-2", "1><2"}, {"1/(x-1)", "0><3"}, {"x^2-2", "1.5"}};
    constexpr const char* copy_says = "BRUNATEL_TEST_COPY_WITHOUT_BALLS";
    if (std::getenv(copy_says) != nullptr) {
        for (const auto& [expression, x] : typed) std::fprintf(stderr, "shown: %s\n", solve(expression, x).c_str());
        return;
    }
    namespace fs = std::filesystem;
    const fs::path folder = testing_support::private_folder("without balls");
    const fs::path copy = folder / "tests_tools";
    const fs::path self = fs::read_symlink("/proc/self/exe");
    std::error_code linked;
    fs::create_hard_link(self, copy, linked);
    if (linked) fs::copy_file(self, copy);
    ASSERT_FALSE(fs::exists(folder / BRUNATEL_BALLS_FILE));
    const auto run =
        testing_support::run_tool(copy.string(), {"--gtest_filter=MathToolDialogs.WithoutItsBallLibraryASearchSaysSo"},
                                  testing_support::Stream::err, {std::string(copy_says) + "=1"});
    fs::remove_all(folder);
    EXPECT_EQ(run.status, 0);
    const std::size_t named = run.output.find(BRUNATEL_BALLS_FILE);
    EXPECT_NE(named, std::string::npos) << run.output;
    EXPECT_EQ(run.output.find(BRUNATEL_BALLS_FILE, named + 1), std::string::npos) << run.output;
    std::string shown;
    for (std::size_t at = run.output.find("shown: "); at != std::string::npos; at = run.output.find("shown: ", at + 1))
        shown += run.output.substr(at + 7, run.output.find('\n', at) - at - 7) + "|";
    EXPECT_EQ(shown,
              "Calcolo certificato non disponibile|Calcolo certificato non disponibile|        0.25000000000000|");
}

TEST_F(MathToolDialogs, ResultDigitsFromTheErrorEstimate)
{
    EXPECT_EQ(calculator_result_text(1234567.0, 2e6), "1E+6");  // no digit is trustworthy
    EXPECT_EQ(calculator_result_text(2.0, 2e-16), "        2.00000000000000");
    EXPECT_EQ(calculator_result_text(0.5, 0.01), "                     0.5");
    // A value that is not finite has no exponent to take apart.
    EXPECT_FALSE(calculator_result_text(std::numeric_limits<double>::infinity(), 1.0).empty());
}

TEST_F(MathToolDialogs, PlotterDrawsBothFunctionsWithTheirRanges)
{
    std::string message;
    const std::string log = plot({}, message);
    EXPECT_EQ(message, "");
    EXPECT_NE(log.find("\"-0.200 : 0.800\""), std::string::npos) << log;
    EXPECT_NE(log.find("\"0.368 : 2.72\""), std::string::npos);
    EXPECT_EQ(plotter_state.range_texts[0], "-1");

    EXPECT_NE(plot({{1108, "ln(-1-x^2)"}, {1109, ""}}, message).find("\"ND : ND\""), std::string::npos);
    EXPECT_EQ(plotter_state.function_texts[0], "ln(-1-x^2)");
    // Past single precision from x = 0.12 on: e^80 at x = 0.08 is the highest shown.
    EXPECT_NE(plot({{1108, "exp(x*1000)"}}, message).find("\"0.00 : 0.554E+35\""), std::string::npos);
}

TEST_F(MathToolDialogs, PlotterMessages)
{
    const struct {
        std::map<std::int32_t, std::string> typed;
        const char* message;
        bool drawn;
    } cases[] = {
        {{{1107, "1"}, {1106, "1"}}, "Intervallo errato", false},
        {{{1105, "2"}, {1104, "1"}}, "Intervallo errato", false},
        {{{1107, "abc"}, {1108, "x"}}, "Intervallo errato", false},
        {{{1107, "0,5"}, {1106, "0,25"}}, "Intervallo errato", false},  // 0.5 > 0.25, not 0 < 0
        {{{1107, "-0,5"}, {1106, "0,5"}}, "", true},
        {{{1107, "-3e38"}, {1106, "3e38"}}, "Intervallo errato", false},
        {{{1107, "0"}, {1106, "1e-44"}}, "Intervallo errato", false},
        {{{1108, "2x"}}, "Sintassi errata", false},
        {{{1109, "2x"}}, "Sintassi errata", true},
        // Well-formed, but beyond what the engine takes: as the calculator says.
        {{{1108, "x-1e309"}}, "Operazione non consentita", false},
        {{{1108, "kbz+kbz+kbz+kbz+kbz+kbz+kbz+kbz+kbz+kbz+kbz+kbz+kbz+kbz+kbz"}},
         "Espressione oltre i 189 caratteri",
         false},
        {{{1109, "1+" + std::string(188, '1')}}, "Espressione oltre i 189 caratteri", true},
        {{{1107, "-1e30"}, {1106, "1e30"}, {1108, "x^9"}}, "", true},
    };
    for (const auto& c : cases) {
        plotter_state = {};
        std::string message;
        const std::string log = plot(c.typed, message);
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(log.find("0xFF0000") != std::string::npos, c.drawn) << message;
        EXPECT_EQ(plotter_state.range_texts[0], c.drawn && *c.message == '\0' ? c.typed.at(1107) : "-1");
        if (c.typed.contains(1108)) {
            EXPECT_EQ(plotter_state.function_texts[0], c.typed.at(1108));
        }
    }
}

class MathToolWindows : public QtSessionTest {};

TEST_F(MathToolWindows, BothCurvesOnThePageInTheirColours)
{
    plotter_state = {};
    qw_post_to_ui_thread([this] { session().dialog_key(27); });
    open_plot_dialog();
    session().process_events(20);
    int blue = 0;
    int red = 0;
    for (std::int32_t y = 30; y <= 270; ++y)
        for (std::int32_t x = 200; x <= 580; ++x) {
            const std::int32_t colour = session().canvas_pixel(x, y);
            blue += colour == 0xFF0000;
            red += colour == 0x0000FF;
        }
    EXPECT_GT(blue, 100);
    EXPECT_GT(red, 50);
}

// The opening graph, then a first function or a range refused (typed after
// what a field holds): neither curve nor range label of the last graph stays
// beside the message.
TEST_F(MathToolWindows, RefusalClearsTheLastGraph)
{
    const struct {
        std::int32_t field;
        const char* typed;
        const char* kept;  // the first function and x2 for the next opening
    } refused[] = {
        {1108, "2x", "2x | 10"},
        {1107, "0", "x/10 | 10"},  // x1 50 above x2
        {1104, "abc", "x/10 | 10"},
    };
    const auto coloured = [this] {
        int count = 0;
        for (std::int32_t y = 20; y <= 290; ++y)
            for (std::int32_t x = 180; x <= 600; ++x) {
                const std::int32_t colour = session().canvas_pixel(x, y);
                count += colour == 0xFF0000 || colour == 0x0000FF;
            }
        return count;
    };
    for (const auto& [field, text, kept] : refused) {
        plotter_state = {true, {"5", "10", "-1", "1"}, {"x/10", "x/20"}};
        int drawn = 0;
        std::string next;
        qw_post_to_ui_thread([&] {
            session().process_events(20);
            drawn = coloured();
            session().dialog_type(field, text);
            session().dialog_click(1);
            session().process_events(20);
            next = plotter_state.function_texts[0] + " | " + plotter_state.range_texts[1];
            session().dialog_key(27);
        });
        open_plot_dialog();
        session().process_events(20);
        EXPECT_GT(drawn, 50) << text;
        EXPECT_EQ(next, kept) << text;
        EXPECT_EQ(coloured(), 0) << text;
    }
}

}  // namespace
