// The ball arithmetic of the certified signs (tools/ball_evaluation.h):
// the expression's numbers as the engine read them and x the double at
// hand, each taken exactly, every operation's rounding kept inside the
// ball. Built as a library of its own, opened on the first sign asked for.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "tools/ball_evaluation.h"
#include "tools/calc_operations.h"

// FLINT 3's flint/arb.h or Arb's own arb.h, as CMake found it.
#include BRUNATEL_ARB_HEADER

namespace {

constexpr slong first_precision = 72;
constexpr slong guard_bits = 64;
// Past this a sign is uncertain whatever the span: only powers of powers
// of tiny numbers reach it.
constexpr slong largest_cap = slong{1} << 16;

// The kinds of operation whose cost differs: exp; ln and log; sin and cos;
// tan; powers whose exponent is not whole; products and quotients (whole
// powers are products); sums.
enum CostKind { exp_cost, log_cost, sin_cos_cost, tan_cost, power_cost, product_cost, sum_cost, cost_kinds };

// The dearest cost of one operation at a precision measured on this class
// of machine (2.1 GHz), in nanoseconds, on arguments of every scale the
// functions reduce, as many bits long as the precision: a fixed part, and
// a power of the length fitted over them. From 72 bits to the largest cap
// it bounds every cost measured, within 1.3 times it up to 3,000 bits and
// three times beyond.
slong operation_cost(CostKind kind, slong bits)
{
    const auto grown = [bits](double factor, double exponent) {
        return static_cast<slong>(factor * std::pow(static_cast<double>(bits), exponent));
    };
    switch (kind) {
    case exp_cost: return 210 + grown(0.00824, 1.88);
    case log_cost: return 300 + grown(0.0124, 1.84);
    case sin_cos_cost: return 250 + grown(0.00694, 1.92);
    case tan_cost: return 320 + grown(0.0115, 1.88);
    case power_cost: return 550 + grown(0.0293, 1.81);
    case product_cost: return 70 + grown(0.0234, 1.46);
    case sum_cost:
    case cost_kinds: break;
    }
    return 40 + grown(0.0531, 1.11);
}

// The engine's double evaluation of one operation with its error estimate,
// likewise (a sine, cosine or tangent reducing a large argument).
slong double_cost(CostKind kind)
{
    switch (kind) {
    case sin_cos_cost:
    case tan_cost: return 130;
    case product_cost: return 20;
    case sum_cost: return 12;
    default: return 30;
    }
}

// What the evaluations of one search may cost: 45 ms of CPU on this class
// of machine, wherever the precision goes, leaving room for what is not
// charged (the engine's reading, the scan) within 50 ms. A sign that would
// need more stays undecided.
constexpr slong search_cost = 45'000'000;

CostKind cost_kind(std::int32_t code)
{
    switch (code) {
    case calc_exp: return exp_cost;
    case calc_ln:
    case calc_log: return log_cost;
    case calc_sin:
    case calc_cos: return sin_cos_cost;
    case calc_power: return power_cost;
    case calc_multiply:
    case calc_divide: return product_cost;
    case calc_add:
    case calc_subtract: return sum_cost;
    default: return tan_cost;
    }
}

class Ball {
public:
    Ball() { arb_init(value_); }
    ~Ball() { arb_clear(value_); }
    Ball(const Ball&) = delete;
    Ball& operator=(const Ball&) = delete;
    arb_ptr get() { return value_; }

private:
    arb_t value_;
};

bool is_whole(double v)
{
    return std::isfinite(v) && v == std::trunc(v);
}

// The binary exponents met by an evaluation, lowest and highest: those of
// x and of the expression's numbers, and of the operands and results of
// each sum and difference, where a cancellation needs them.
struct Span {
    slong low = 0;
    slong high = 1;  // 1, the scale of the functions
    void meet(arb_srcptr v)
    {
        if (!arb_is_finite(v) || arb_contains_zero(v)) return;
        const slong e = arf_abs_bound_lt_2exp_si(arb_midref(v));
        low = std::min(low, e - 1);
        high = std::max(high, e);
    }
    // The precision that tells a sum of these magnitudes from 0, and the cap.
    slong bits() const { return high - low + guard_bits; }
    slong cap() const { return std::clamp(2 * bits(), first_precision, largest_cap); }
};

// a^b. An exponent the engine reads as whole is that whole number (0.3*10
// is 3, and (-2)^(0.3*10) is -8).
void power(arb_ptr r, arb_srcptr a, arb_srcptr b, double engine_exponent, slong precision)
{
    // 0^0 is 0 here, as in the engine.
    if (arb_is_zero(a)) {
        arb_zero(r);
        return;
    }
    arb_t exponent;
    arb_init(exponent);
    if (is_whole(engine_exponent))
        arb_set_d(exponent, engine_exponent);
    else
        arb_set(exponent, b);
    // Both ends of an interval are points of the domain: a base about 0
    // between them rises from 0, to its upper end's power (x^0.5 near 0).
    if (!is_whole(engine_exponent) && arb_contains_zero(a) && arb_is_positive(exponent)) {
        arf_t upper;
        arf_init(upper);
        arb_get_ubound_arf(upper, a, precision);
        arb_set_arf(r, upper);
        arf_clear(upper);
        arb_pow(r, r, exponent, precision);
        arb_t zero;
        arb_init(zero);
        arb_union(r, r, zero, precision);
        arb_clear(zero);
    } else {
        arb_pow(r, a, exponent, precision);
    }
    arb_clear(exponent);
}

// A value less itself is exactly 0, and over itself exactly 1 where it is
// not 0, as in the engine's doubles.
bool operate_on_itself(arb_ptr r, arb_srcptr a, std::int32_t code)
{
    if (code == calc_subtract) {
        arb_zero(r);
        return true;
    }
    if (code == calc_divide && !arb_contains_zero(a)) {
        arb_one(r);
        return true;
    }
    return false;
}

bool is_sum(std::int32_t code)
{
    return code == calc_add || code == calc_subtract;
}

// The engine's operations on balls. Where the true value does not exist
// (ln of a number not above 0, a division by 0, a negative base with a
// power not whole) the ball comes out not finite.
void operate(arb_ptr r, arb_srcptr a, std::int32_t code, arb_srcptr b, double engine_right, slong precision)
{
    // The same ball on both sides is one value of the sequence.
    if (a == b && operate_on_itself(r, a, code)) return;
    switch (code) {
    case calc_power: power(r, a, b, engine_right, precision); return;
    case calc_multiply: arb_mul(r, a, b, precision); return;
    case calc_divide: arb_div(r, a, b, precision); return;
    case calc_add: arb_add(r, a, b, precision); return;
    case calc_subtract: arb_sub(r, a, b, precision); return;
    case calc_ln: arb_log(r, a, precision); return;
    case calc_log: arb_log_base_ui(r, a, 10, precision); return;
    case calc_exp: arb_exp(r, a, precision); return;
    case calc_sin: arb_sin(r, a, precision); return;
    case calc_cos: arb_cos(r, a, precision); return;
    case calc_tan: arb_tan(r, a, precision); return;
    default: arb_indeterminate(r); return;
    }
}

// A slot over an interval: its enclosure, its value at the interval's
// middle and its derivative's enclosure.
struct Slot {
    Ball value;
    Ball middle;
    Ball slope;
};

// r += factor * slope, skipped where slope is exactly 0 (a constant, whose
// factor may not be finite: ln of a negative number in a power's exponent).
void add_term(arb_ptr r, arb_srcptr factor, arb_srcptr slope, arb_ptr scratch, slong precision)
{
    if (arb_is_zero(slope)) return;
    arb_mul(scratch, factor, slope, precision);
    arb_add(r, r, scratch, precision);
}

// The derivative of a op b over the interval, from the enclosures of a, b
// and of the result, and their derivatives.
void slope_of(arb_ptr s, std::int32_t code, Slot& a, Slot& b, arb_srcptr result, double engine_right, arb_ptr t,
              arb_ptr u, slong precision)
{
    arb_zero(s);
    switch (code) {
    case calc_power:
        if (is_whole(engine_right) || arb_is_zero(b.slope.get())) {
            // b a^(b-1) a'
            if (is_whole(engine_right))
                arb_set_d(u, engine_right);
            else
                arb_set(u, b.value.get());
            arb_sub_ui(t, u, 1, precision);
            power(t, a.value.get(), t, is_whole(engine_right) ? engine_right - 1.0 : NAN, precision);
            arb_mul(t, t, u, precision);
            add_term(s, t, a.slope.get(), u, precision);
        } else {
            // a^b (b' ln a + b a'/a)
            arb_log(t, a.value.get(), precision);
            add_term(s, t, b.slope.get(), u, precision);
            arb_div(t, b.value.get(), a.value.get(), precision);
            add_term(s, t, a.slope.get(), u, precision);
            arb_mul(s, s, result, precision);
        }
        return;
    case calc_multiply:
        add_term(s, b.value.get(), a.slope.get(), t, precision);
        add_term(s, a.value.get(), b.slope.get(), t, precision);
        return;
    case calc_divide:
        // (a' - (a/b) b') / b
        arb_neg(u, result);
        add_term(s, u, b.slope.get(), t, precision);
        arb_add(s, s, a.slope.get(), precision);
        arb_div(s, s, b.value.get(), precision);
        return;
    case calc_add:
    case calc_subtract:
        arb_set(s, a.slope.get());
        if (code == calc_add)
            arb_add(s, s, b.slope.get(), precision);
        else
            arb_sub(s, s, b.slope.get(), precision);
        return;
    case calc_ln:
    case calc_log:
        arb_inv(t, a.value.get(), precision);
        if (code == calc_log) {
            arb_const_log10(u, precision);
            arb_div(t, t, u, precision);
        }
        break;
    case calc_exp: arb_set(t, result); break;
    case calc_sin: arb_cos(t, a.value.get(), precision); break;
    case calc_cos:
        arb_sin(t, a.value.get(), precision);
        arb_neg(t, t);
        break;
    case calc_tan:
        arb_sqr(t, result, precision);
        arb_add_ui(t, t, 1, precision);
        break;
    default: arb_indeterminate(s); return;
    }
    add_term(s, t, a.slope.get(), u, precision);
}

// A result, none where the work left to the search could not pay for the
// first evaluation, and whether that work ran out before the precision
// could settle it.
struct Raised {
    arb_srcptr value;
    bool spent;
};

class ArbEvaluation final : public BallEvaluation {
public:
    explicit ArbEvaluation(const OperationSequence& sequence);
    ArbEvaluation(const ArbEvaluation&) = delete;
    ArbEvaluation& operator=(const ArbEvaluation&) = delete;
    CertifiedSign raise_at(double x, const std::vector<double>& rights, BallPrecision& at) override;
    IntervalBound bounded_over(double low, double high, const std::vector<double>& rights) override;
    bool pay_double_evaluation() override;

private:
    arb_srcptr at_point(const std::vector<double>& rights, slong precision, Span& span);
    arb_srcptr over_interval(const std::vector<double>& rights, slong precision, Span& span);
    bool pay(slong cost);
    bool pay_balls(slong forms, slong precision);
    template <typename Evaluate, typename Settled>
    Raised raise_precision(Evaluate evaluate, Settled settled, slong forms);

    std::vector<SlotOperation> operations_;
    std::size_t result_ = 0;
    Span numbers_span_;
    std::vector<Ball> points_;
    std::vector<Slot> slots_;
    static constexpr std::size_t x_ = 1;
    Ball deviation_;  // x over the interval less its middle
    Ball scratch_[5];
    slong operation_counts_[cost_kinds] = {};  // a whole power counts its products
    slong double_cost_ = 0;
    slong cost_left_ = search_cost;
};

ArbEvaluation::ArbEvaluation(const OperationSequence& sequence)
    : operations_(sequence.operations), result_(static_cast<std::size_t>(sequence.result))
{
    const std::size_t values = sequence.numbers.size() + operations_.size();
    points_ = std::vector<Ball>(values);
    slots_ = std::vector<Slot>(values);
    for (std::size_t v = 0; v < sequence.numbers.size(); ++v) {
        if (v == x_) continue;
        arb_set_d(points_[v].get(), sequence.numbers[v]);
        arb_set_d(slots_[v].value.get(), sequence.numbers[v]);
        arb_set_d(slots_[v].middle.get(), sequence.numbers[v]);
        numbers_span_.meet(points_[v].get());
    }
    arb_one(slots_[x_].slope.get());
    for (const SlotOperation& op : operations_) {
        const auto right = static_cast<std::size_t>(op.right);
        const double exponent = right != x_ && right < sequence.numbers.size() ? sequence.numbers[right] : NAN;
        // A whole power is a product per binary digit of its exponent.
        const bool whole_power = op.code == calc_power && is_whole(exponent) && std::abs(exponent) < 0x1p63;
        const CostKind kind = whole_power ? product_cost : cost_kind(op.code);
        operation_counts_[kind] += whole_power ? std::bit_width(static_cast<std::uint64_t>(std::abs(exponent))) : 1;
        double_cost_ += double_cost(kind);
    }
}

arb_srcptr ArbEvaluation::at_point(const std::vector<double>& rights, slong precision, Span& span)
{
    span = numbers_span_;
    span.meet(points_[x_].get());
    for (std::size_t k = 0; k < operations_.size(); ++k) {
        const SlotOperation& op = operations_[k];
        const arb_ptr target = points_[static_cast<std::size_t>(op.target)].get();
        const arb_ptr left = points_[static_cast<std::size_t>(op.left)].get();
        const arb_ptr right = points_[static_cast<std::size_t>(op.right)].get();
        operate(target, left, op.code, right, rights[k], precision);
        if (!is_sum(op.code)) continue;
        span.meet(left);
        span.meet(right);
        span.meet(target);
    }
    return points_[result_].get();
}

// Each result enclosed directly and by its mean value form about the
// middle, and the tighter taken.
arb_srcptr ArbEvaluation::over_interval(const std::vector<double>& rights, slong precision, Span& span)
{
    span = numbers_span_;
    span.meet(slots_[x_].value.get());
    Ball& direct = scratch_[0];
    Ball& centred = scratch_[1];
    for (std::size_t k = 0; k < operations_.size(); ++k) {
        const SlotOperation& op = operations_[k];
        Slot& l = slots_[static_cast<std::size_t>(op.left)];
        Slot& r = slots_[static_cast<std::size_t>(op.right)];
        Slot& t = slots_[static_cast<std::size_t>(op.target)];
        if (is_sum(op.code)) {
            span.meet(l.value.get());
            span.meet(r.value.get());
        }
        // A value less itself, or over itself, is a constant: so is its
        // enclosure, with a slope of exactly 0.
        if (&l == &r && operate_on_itself(t.value.get(), l.value.get(), op.code)) {
            arb_set(t.middle.get(), t.value.get());
            arb_zero(t.slope.get());
            continue;
        }
        operate(direct.get(), l.value.get(), op.code, r.value.get(), rights[k], precision);
        operate(t.middle.get(), l.middle.get(), op.code, r.middle.get(), rights[k], precision);
        slope_of(t.slope.get(), op.code, l, r, direct.get(), rights[k], scratch_[2].get(), scratch_[3].get(),
                 precision);
        arb_mul(centred.get(), t.slope.get(), deviation_.get(), precision);
        arb_add(centred.get(), centred.get(), t.middle.get(), precision);
        const bool finite = arb_is_finite(direct.get());
        if (!finite || !arb_is_finite(centred.get()) ||
            !arb_intersection(t.value.get(), direct.get(), centred.get(), precision))
            arb_set(t.value.get(), finite ? direct.get() : centred.get());
        if (is_sum(op.code)) span.meet(t.value.get());
    }
    return slots_[result_].value.get();
}

// Takes a cost from what the search has left; false, taking nothing,
// where that is too little.
bool ArbEvaluation::pay(slong cost)
{
    if (cost > cost_left_) return false;
    cost_left_ -= cost;
    return true;
}

// forms: the enclosures an evaluation computes for each operation.
bool ArbEvaluation::pay_balls(slong forms, slong precision)
{
    slong cost = 0;
    for (int kind = 0; kind < cost_kinds; ++kind)
        cost += operation_counts_[kind] * operation_cost(static_cast<CostKind>(kind), precision);
    return pay(forms * cost);
}

bool ArbEvaluation::pay_double_evaluation()
{
    return pay(std::max(double_cost_, double_cost(sum_cost)));
}

// The precision rises from 72 bits, to what the span of the magnitudes met
// needs, then doubling up to a cap of twice that, until the ball leaves 0
// out (or is not finite); twice, as a function cancels against its first
// terms to the square of its argument's scale (1-cos(x) is x^2/2, x-sin(x)
// x^3/6 beside x). The span, and with it the cap, is taken anew after each
// evaluation: what one precision tells from 0 shows how far the next must
// A precision rounded up to four significant bits, eight steps a doubling:
// the library computes its constants (pi, log 2) anew at each precision
// higher than any before, and the points of a grid, each asking a few bits
// more than the last, would have them computed at nearly every point.
slong on_ladder(slong bits)
{
    const int dropped = std::max(0, static_cast<int>(std::bit_width(static_cast<std::uint64_t>(bits))) - 4);
    const slong step = slong{1} << dropped;
    return (bits + step - 1) / step * step;
}

// reach (1-cos(1-cos(x)), each cancellation below the one before). False
// where the cap is reached.
bool rise(BallPrecision& at, slong precision, const Span& span)
{
    at.bits = precision;
    at.cap = std::max<slong>(at.cap, span.cap());
    at.next = on_ladder(std::min<slong>(std::max(2 * precision, span.bits()), at.cap));
    return at.next > precision;
}

// Each evaluation is paid from the search's work; where the work left
// cannot pay the next, the value stays as it is.
template <typename Evaluate, typename Settled>
Raised ArbEvaluation::raise_precision(Evaluate evaluate, Settled settled, slong forms)
{
    BallPrecision at;
    slong precision = first_precision;
    arb_srcptr f = nullptr;
    for (;;) {
        if (!pay_balls(forms, precision)) return {f, true};
        Span span;
        f = evaluate(precision, span);
        if (settled(f) || !rise(at, precision, span)) return {f, false};
        precision = at.next;
    }
}

CertifiedSign ArbEvaluation::raise_at(double x, const std::vector<double>& rights, BallPrecision& at)
{
    const slong precision = at.bits == 0 ? first_precision : at.next;
    if (!pay_balls(1, precision)) return CertifiedSign::spent;
    arb_set_d(points_[x_].get(), x);
    Span span;
    const arb_srcptr f = at_point(rights, precision, span);
    if (arb_is_zero(f)) return CertifiedSign::zero;
    if (arb_is_positive(f)) return CertifiedSign::positive;
    if (arb_is_negative(f)) return CertifiedSign::negative;
    if (rise(at, precision, span)) return CertifiedSign::undecided;
    return arb_is_finite(f) ? CertifiedSign::uncertain : CertifiedSign::undefined;
}

IntervalBound ArbEvaluation::bounded_over(double low, double high, const std::vector<double>& rights)
{
    arf_t ends[2];
    arf_init(ends[0]);
    arf_init(ends[1]);
    arf_set_d(ends[0], low);
    arf_set_d(ends[1], high);
    Slot& x = slots_[x_];
    // Each operation enclosed directly, at the middle and in its slope, and
    // the products and sums of the mean value form beside.
    constexpr slong interval_forms = 4;
    const auto [f, spent] = raise_precision(
        [&](slong precision, Span& span) {
            arb_set_interval_arf(x.value.get(), ends[0], ends[1], precision);
            arb_set_arf(x.middle.get(), arb_midref(x.value.get()));
            arb_sub(deviation_.get(), x.value.get(), x.middle.get(), precision);
            return over_interval(rights, precision, span);
        },
        [](arb_srcptr v) { return arb_is_finite(v) != 0; }, interval_forms);
    arf_clear(ends[0]);
    arf_clear(ends[1]);
    if (f && arb_is_finite(f)) return IntervalBound::bounded;
    return spent ? IntervalBound::undecided : IntervalBound::unbounded;
}

}  // namespace

extern "C" BallEvaluation* brunatel_new_ball_evaluation(const OperationSequence& sequence)
{
    return new ArbEvaluation(sequence);
}
