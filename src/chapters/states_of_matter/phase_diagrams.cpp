// Section "Diagrammi di stato", problems 37 to 40: phases and transitions on
// the phase diagram of a made-up substance, and the triple and critical
// points of real ones.
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chapters/states_of_matter/phase_figure.h"
#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/water_saturation.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/graph_plotter.h"
#include "text/markup_text.h"

float PhaseDiagram::sublimation_pressure(float t) const
{
    return as * std::exp(-bs / t);
}

float PhaseDiagram::vaporisation_pressure(float t) const
{
    return av * std::exp(-bv / t);
}

float PhaseDiagram::sublimation_temperature(float p) const
{
    return -bs / std::log(p / as);
}

float PhaseDiagram::boiling_temperature(float p) const
{
    return -bv / std::log(p / av);
}

float PhaseDiagram::melting_temperature(float p) const
{
    return t3 + (p - p3) * (tf - t3) / (1.0f - p3);
}

float PhaseDiagram::melting_pressure(float t) const
{
    return p3 + (t - t3) * (1.0f - p3) / (tf - t3);
}

namespace states_of_matter {

constexpr std::array<TriplePointRow, 8> phase_diagram_substances{{
    {"l'azoto si trova a -210@uo@C e 94 torr", " -147@uo@C e 33.5 atm.", -210.0f, 94.0f, -147.0f, 33.5f},
    {"l'ammoniaca si trova a -77.7@uo@C e 45.6 torr", " 132@uo@C e 111.3 atm.", -77.7f, 45.6f, 132.4f, 111.3f},
    {"l'acqua si trova a 0.01@uo@C e 4.58 torr", " 374@uo@C e 218 atm.", 0.01f, 4.58f, 374.0f, 218.0f},
    {"l'argo si trova a -189@uo@C e 516 torr", " -122@uo@C e 48.0 atm.", -189.0f, 516.0f, -122.0f, 48.0f},
    {" cripto si trova a -157@uo@C e 548 torr", " -64@uo@C e 54 atm.", -157.0f, 548.0f, -64.0f, 54.0f},
    {"lo xeno si trova a -112@uo@C e 612 torr", " 16.6@uo@C e 57.6 atm.", -112.0f, 612.0f, 16.6f, 57.6f},
    // The statement quotes 5.11 atm; the questions draw in torr.
    {" biossido di carbonio si trova a -56.6@uo@C e 5.11 atm", " 31@uo@C e 72.9 atm.", -56.6f, 3880.0f, 31.0f, 72.9f},
    {"l'idrogeno si trova a -259@uo@C e 54 torr", " -240@uo@C e 13 atm.", -259.0f, 54.0f, -240.0f, 13.0f},
}};
// Water's critical point, to the degree and the atmosphere.
static_assert(within_half_unit(phase_diagram_substances[2].tc, water_critical_kelvin - celsius_zero, 1.0) &&
              within_half_unit(phase_diagram_substances[2].pc, water_critical_mpa * 1e6 / pascals_per_atmosphere, 1.0));

namespace {

PhaseDiagram& diagram = states_of_matter_state.diagram;

constexpr std::int32_t red = 255;
constexpr std::int32_t blue = 16711680;
constexpr std::int32_t green = 43520;
constexpr std::int32_t black = 0;
constexpr GraphOptions plot_area(figure_frame, true, false);

constexpr std::string_view diagram_intro = "La figura in basso mostra una porzione di un semplice diagramma di stato.";

// The sublimation curve, the vaporisation curve and the fusion line over the
// part shown, all black: red and blue are the marked points' colours.
void draw_phase_boundaries(const std::vector<BoundaryPoints>& boundaries)
{
    for (const BoundaryPoints& b : boundaries)
        plot_graph_series(b.t, b.p, static_cast<std::int32_t>(b.t.size()), plot_area, black, 0);
}

// Draws the substance: its triple point and curves, and the statement. The
// figure comes once the points are marked (draw_figure).
void draw_substance(std::string_view question)
{
    PhaseDiagram& d = diagram;
    // The letters placed for the last diagram are not this one's.
    d.framed = FramedLabels{};
    d.p3 = random_real(0.1f, 0.3f);
    d.t3 = random_real(250.0f, 350.0f);
    d.bs = random_real(800.0f, 1000.0f);
    d.bv = random_real(0.8f * d.bs, 0.9f * d.bs);
    d.as = d.p3 / std::exp(-d.bs / d.t3);
    d.av = d.p3 / std::exp(-d.bv / d.t3);
    d.tf = d.t3 + random_real(10.0f, 30.0f);
    problem_texts.problem_text = std::string(diagram_intro) + std::string(question);
}

// The figure of the part framed for the marks: its boundaries, the axes'
// names, the red mark (and the blue one, with the green path between) and
// the regions' letters. The boundaries' pieces over the path go over it again,
// so that a path along the fusion line does not hide it.
void draw_figure(std::int32_t marks)
{
    const PhaseDiagram& d = diagram;
    const DiagramView& v = d.view;
    set_up_graph({}, {}, 0, v.t_lo, v.t_hi, (v.t_hi - v.t_lo) / 10.0f, " ", v.p_lo, v.p_hi, (v.p_hi - v.p_lo) / 10.0f,
                 " ", plot_area, black, 0);
    const std::vector<BoundaryPoints> boundaries = boundaries_in_view(d, v);
    draw_phase_boundaries(boundaries);
    draw_markup_text(192, 110, "@T1@@C1@@iP@");
    draw_markup_text(390, 271, "@T1@@C1@@iT@");
    if (marks == 2) plot_graph_series(d.shown_t, d.shown_p, 2, plot_area, green, blue);
    for (std::int32_t k = 0; k < marks; ++k) {
        const std::array<float, 1> x{d.shown_t[k]};
        const std::array<float, 1> y{d.shown_p[k]};
        plot_graph_series(x, y, 1, GraphOptions(figure_frame, false, true), 0, k == 0 ? red : blue);
    }
    if (marks == 2) draw_phase_boundaries(boundaries_over_path(d, boundaries));
    for (const RegionLabel& label : region_labels(d, marks)) draw_markup_text(label.x, label.y, label.text);
}

struct Transition {
    std::string_view forward;  // from the red point to the blue one
    std::string_view backward;
};

// Direction 2 swaps the two ends, so the red point starts the reverse path.
void pose_transition(float& a, float& b, const Transition& transition)
{
    const bool reversed = random_int(1, 2) == 2;
    if (reversed) std::swap(a, b);
    problem_texts.answer_text = std::string(reversed ? transition.backward : transition.forward);
}

// The start of problems 37 to 39: a skipped draw, the variant, the figure.
std::int32_t pose_phase_diagram(std::int32_t problem, std::int32_t variants, std::string_view question)
{
    skip_random_draws(1);
    const std::int32_t variant = pick_problem_variant(variants, state.last_draw[problem], 0);
    draw_substance(question);
    return variant;
}

}  // namespace

void generate_problem_37()
{
    const std::int32_t variant = pose_phase_diagram(
        37, 7, " Come si troverà la sostanza alla temperatura e alla pressione corrispondenti al punto in rosso?");
    const PhaseDiagram& d = diagram;
    float t = d.t3;
    float p = d.p3;
    std::string_view answer = "Le tre fasi in equilibrio (punto triplo)";
    switch (variant) {
    case 1:
        t = random_real(210.0f, d.t3);
        p = random_real(d.sublimation_pressure(t) + 0.05f, 0.95f);
        answer = "Fase solida";
        break;
    case 2:
        draw_until_accepted([&] {
            t = random_real(d.tf + 0.02f, 490.0f);
            p = random_real(d.vaporisation_pressure(t) + 0.05f, 0.95f);
            return p < 0.95f;
        });
        answer = "Fase liquida";
        break;
    case 3:
        // Below ps = 0.1 no pressure lies 0.05 under the curve and above
        // 0.05: such a temperature is drawn again.
        draw_until_accepted([&] {
            t = random_real(220.0f, 490.0f);
            return d.sublimation_pressure(t) >= 0.1f;
        });
        p = t <= d.t3 ? random_real(0.05f, d.sublimation_pressure(t) - 0.05f)
                      : random_real(0.05f, d.vaporisation_pressure(t) - 0.05f);
        answer = "Fase gas";
        break;
    case 4:
        t = random_real(210.0f, d.t3 - 10.0f);
        p = d.sublimation_pressure(t);
        answer = "Equilibrio solido-gas (sublimazione)";
        break;
    case 5:
        draw_until_accepted([&] {
            t = random_real(d.tf + 0.02f, 490.0f);
            p = d.vaporisation_pressure(t);
            return p < 0.95f;
        });
        answer = "Equilibrio liquido-gas (ebollizione)";
        break;
    case 6:
        t = random_real(d.t3 + 5.0f, d.tf - 5.0f);
        p = d.melting_pressure(t);
        answer = "Equilibrio solido-liquido (fusione)";
        break;
    default: break;
    }
    diagram.marked_t[0] = t;
    diagram.marked_p[0] = p;
    frame_point_in_place(diagram, variant >= 4);
    draw_figure(1);
    problem_texts.answer_text = std::string(answer);
    draw_problem_text(180, 580, 50);
}

void generate_problem_38()
{
    const std::int32_t variant =
        pose_phase_diagram(38, 4,
                           " Quali transizioni di fase subirà la sostanza se la temperatura viene variata (a @iP@ "
                           "costante) dal punto in rosso al punto in blu?");
    const PhaseDiagram& d = diagram;
    float t1 = 0.0f;
    float t2 = 0.0f;
    float p = 0.0f;
    // A pressure too close to the triple point or beyond the vaporisation
    // curve's reach leaves no liquid range between Tm(p) and Tb(p).
    const auto liquid_range_closed = [&] { return d.boiling_temperature(p) - 5.0f < d.melting_temperature(p) + 5.0f; };
    Transition transition;
    switch (variant) {
    case 1:
        draw_until_accepted([&] {
            t1 = random_real(210.0f, d.t3);
            p = random_real(d.p3 + 0.05f, 0.95f);
            t2 = random_real(d.melting_temperature(p) + 5.0f, d.boiling_temperature(p) - 5.0f);
            return !(t2 > 490.0f || liquid_range_closed());
        });
        transition = {"Fusione", "Solidificazione"};
        break;
    case 2: {
        float ts = 0.0f;
        draw_until_accepted([&] {
            // Nine tenths of T3 as 0.1 x 9: the float 0.9f would move the
            // bound, and every draw after it.
            p = random_real(d.as * std::exp(d.bs * -0.0047619049f), d.sublimation_pressure(0.1f * 9.0f * d.t3));
            ts = d.sublimation_temperature(p);
            t1 = random_real(210.0f, ts - 5.0f);
            return ts - 5.0f > 210.0f;
        });
        t2 = random_real(ts + 2.0f, 490.0f);
        transition = {"Sublimazione", "Brinamento"};
        break;
    }
    case 3:
        draw_until_accepted([&] {
            t1 = random_real(210.0f, d.t3);
            p = random_real(d.p3 + 0.05f, 0.95f);
            t2 = random_real(d.boiling_temperature(p) + 5.0f, 490.0f);
            return !(t2 > 490.0f || d.boiling_temperature(p) <= 0.0f);
        });
        transition = {"Fusione ed ebollizione", "Condensazione e solidificazione"};
        break;
    default:
        draw_until_accepted([&] {
            p = random_real(d.p3 + 0.05f, 0.95f);
            if (d.boiling_temperature(p) > 485.0f) return false;
            t1 = random_real(d.melting_temperature(p) + 5.0f, d.boiling_temperature(p) - 5.0f);
            return !(t1 > 490.0f || liquid_range_closed());
        });
        t2 = random_real(d.boiling_temperature(p) + 5.0f, 490.0f);
        transition = {"Ebollizione", "Condensazione"};
        break;
    }
    pose_transition(t1, t2, transition);
    diagram.marked_t = {t1, t2};
    diagram.marked_p = {p, p};
    frame_marked_path(diagram, Held::pressure);
    draw_figure(2);
    // Four lines: higher than problem 37's three, clear of the plot's label.
    draw_problem_text(170, 570, 36);
}

void generate_problem_39()
{
    const std::int32_t variant =
        pose_phase_diagram(39, 4,
                           " Quali transizioni di fase subirà la sostanza se la pressione viene variata (a @iT@ "
                           "costante) dal punto in rosso al punto in blu?");
    const PhaseDiagram& d = diagram;
    float t = 0.0f;
    float p1 = 0.0f;
    float p2 = 0.0f;
    Transition transition;
    switch (variant) {
    case 1:
        // As in problem 37: a gas side needs ps(T) of 0.1 at least.
        draw_until_accepted([&] {
            t = random_real(210.0f, d.t3);
            return d.sublimation_pressure(t) >= 0.1f;
        });
        p1 = random_real(d.sublimation_pressure(t) + 0.05f, 0.95f);
        p2 = random_real(0.05f, d.sublimation_pressure(t) - 0.05f);
        transition = {"Sublimazione", "Brinamento"};
        break;
    case 2:
        draw_until_accepted([&] {
            t = random_real(d.tf + 0.02f, 490.0f);
            p1 = random_real(d.vaporisation_pressure(t) + 0.05f, 0.95f);
            return p1 < 0.95f;
        });
        p2 = random_real(0.05f, d.vaporisation_pressure(t) - 0.05f);
        transition = {"Ebollizione", "Condensazione"};
        break;
    case 3:
        draw_until_accepted([&] {
            t = random_real(d.t3 + 3.0f, d.tf - 3.0f);
            p1 = random_real(d.vaporisation_pressure(t) + 0.05f, d.melting_pressure(t) - 0.02f);
            p2 = random_real(d.melting_pressure(t) + 0.02f, 0.95f);
            return !(p2 > 0.95f || d.melting_pressure(t) - 0.02f < d.vaporisation_pressure(t) + 0.05f);
        });
        transition = {"Solidificazione", "Fusione"};
        break;
    default:
        draw_until_accepted([&] {
            t = random_real(d.t3 + 3.0f, d.tf - 3.0f);
            p1 = random_real(0.05f, d.vaporisation_pressure(t) - 0.05f);
            p2 = random_real(d.melting_pressure(t) + 0.02f, 0.95f);
            return p2 <= 0.95f;
        });
        transition = {"Condensazione e solidificazione", "Fusione ed ebollizione"};
        break;
    }
    pose_transition(p1, p2, transition);
    diagram.marked_t = {t, t};
    diagram.marked_p = {p1, p2};
    frame_marked_path(diagram, Held::temperature);
    draw_figure(2);
    draw_problem_text(180, 580, 36);
}

namespace {}  // namespace

void generate_problem_40()
{
    skip_random_draws(7);
    const TriplePointRow& row = phase_diagram_substances[pick_problem_variant(8, state.last_draw[40], 0) - 1];
    std::string& text = problem_texts.problem_text;
    text = "Il punto triplo del";
    append_piece(text, row.triple_point);
    append_piece(text, ", mentre il punto critico si trova a");
    append_piece(text, row.critical_point);
    value_slots[1].value = row.t3;
    value_slots[2].value = row.p3;
    value_slots[3].value = row.tc;
    value_slots[4].value = row.pc;

    const float t3 = row.t3 + celsius_zero_f;
    const float tc = row.tc + celsius_zero_f;
    const std::int32_t question = random_int(1, 8);
    float value = 0.0f;
    switch (question) {
    case 1: value = random_real(0.2f * row.p3, 0.9f * row.p3); break;
    case 2: value = random_real(1.2f * row.p3, 2.0f * row.p3); break;
    case 3: value = random_real(0.0015789474f * row.p3, 0.9f * row.pc); break;
    case 4: value = random_real(1.1f * row.pc, 2.0f * row.pc); break;
    case 5: value = random_real(0.2f * t3, 0.9f * t3); break;
    case 6: value = random_real(1.2f * t3, 2.0f * t3); break;
    case 7: value = random_real(1.2f * t3, 0.9f * tc); break;
    default: value = random_real(1.1f * tc, 2.0f * tc); break;
    }
    set_slot_digits(5, value, 3);
    constexpr std::array<std::string_view, 4> asked = {
        " Si può avere la sublimazione alla pressione di ", " Si può avere ebollizione alla pressione di ",
        " Si può avere la sublimazione alla temperatura di ", " Si può avere ebollizione alla temperatura di "};
    constexpr std::array<std::string_view, 4> units = {" torr?", " atm?", " K?", " K?"};
    const std::int32_t kind = (question - 1) / 2;
    append_piece(text, std::string(asked[kind]) + slot_text(5) + std::string(units[kind]));
    problem_texts.answer_text = question % 2 == 1 ? "Sì" : "No";
    draw_problem_text(170, 570, 50);
    show_chemistry_fact(180, 160, 300);
}

}  // namespace states_of_matter
