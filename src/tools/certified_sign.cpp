#include "tools/certified_sign.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "tools/calc_operations.h"

#if __has_include(<flint/arb.h>)
#include <flint/arb.h>
#else
#include <arb.h>
#endif

namespace {

constexpr slong first_precision = 72;
constexpr slong guard_bits = 64;
// Past this a sign is uncertain whatever the span: only powers of powers
// of tiny numbers reach it.
constexpr slong largest_cap = slong{1} << 16;

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

// The binary exponents met by an evaluation, lowest and highest.
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
    slong cap() const { return std::clamp(2 * (high - low + guard_bits), first_precision, largest_cap); }
};

// a^b. An exponent the engine reads as whole is that whole number (0.3*10
// is 3, and (-2)^(0.3*10) is -8). A base reaching 0 from above with an
// exponent above 0 (x^0.5 near 0) gives 0 to its upper end's power.
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
    // between them is taken from 0 up.
    if (!is_whole(engine_exponent) && arb_contains_zero(a) && arb_is_positive(exponent)) {
        arb_nonnegative_part(r, a);
        arb_pow(r, r, exponent, precision);
    } else {
        arb_pow(r, a, exponent, precision);
    }
    arb_clear(exponent);
}

// The engine's operations on balls. Where the true value does not exist
// (ln of a number not above 0, a division by 0, a negative base with a
// power not whole) the ball comes out not finite.
void operate(arb_ptr r, arb_srcptr a, std::int32_t code, arb_srcptr b, double engine_right, slong precision)
{
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

}  // namespace

struct CertifiedEvaluator::Balls {
    std::vector<Ball> points = std::vector<Ball>(ParsedExpression::slot_total + 1);
    std::vector<Slot> slots = std::vector<Slot>(ParsedExpression::slot_total + 1);
    Ball x;
    Ball deviation;  // x over the interval less its middle
    Ball scratch[5];
};

namespace {

using Balls = std::vector<Ball>;

// The result's ball at one precision, x in the ball given; span meets every
// magnitude on the way.
arb_srcptr evaluate_point(const OperationSequence& sequence, const std::vector<double>& engine_rights,
                          std::vector<Ball>& slots, arb_srcptr x, slong precision, Span& span)
{
    for (std::size_t s = 1; s < slots.size(); ++s) {
        arb_set_d(slots[s].get(), sequence.numbers[s]);
        span.meet(slots[s].get());
    }
    arb_set(slots[1].get(), x);
    span.meet(x);
    for (std::size_t k = 0; k < sequence.operations.size(); ++k) {
        const SlotOperation& op = sequence.operations[k];
        const arb_ptr target = slots[static_cast<std::size_t>(op.target)].get();
        operate(target, slots[static_cast<std::size_t>(op.left)].get(), op.code,
                slots[static_cast<std::size_t>(op.right)].get(), engine_rights[k], precision);
        span.meet(target);
    }
    return slots[static_cast<std::size_t>(sequence.result)].get();
}

}  // namespace

CertifiedEvaluator::CertifiedEvaluator(OperationSequence sequence)
    : sequence_(std::move(sequence)), balls_(std::make_unique<Balls>())
{}

CertifiedEvaluator::~CertifiedEvaluator() = default;

bool CertifiedEvaluator::engine_at(double x)
{
    return evaluate_operations(sequence_, x, values_, &right_operands_);
}

std::optional<double> CertifiedEvaluator::engine_value(double x)
{
    if (!engine_at(x)) return std::nullopt;
    return values_[static_cast<std::size_t>(sequence_.result)].value;
}

CertifiedSign CertifiedEvaluator::sign_at(double x)
{
    if (!engine_at(x)) return CertifiedSign::undefined;
    arb_set_d(balls_->x.get(), x);
    slong cap = largest_cap;
    for (slong precision = first_precision;; precision = std::min(2 * precision, cap)) {
        Span span;
        const arb_srcptr f =
            evaluate_point(sequence_, right_operands_, balls_->points, balls_->x.get(), precision, span);
        if (arb_is_zero(f)) return CertifiedSign::zero;
        if (arb_is_positive(f)) return CertifiedSign::positive;
        if (arb_is_negative(f)) return CertifiedSign::negative;
        if (precision == first_precision) cap = span.cap();
        if (precision >= cap) return arb_is_finite(f) ? CertifiedSign::uncertain : CertifiedSign::undefined;
    }
}

bool CertifiedEvaluator::bounded_over(double low, double high)
{
    // An exponent is whole over the interval where the engine reads the
    // same whole number at both ends.
    if (!engine_at(low)) return false;
    std::vector<double> rights = right_operands_;
    if (!engine_at(high)) return false;
    for (std::size_t k = 0; k < rights.size(); ++k)
        if (rights[k] != right_operands_[k]) rights[k] = NAN;

    Balls& b = *balls_;
    arf_t ends[2];
    arf_init(ends[0]);
    arf_init(ends[1]);
    arf_set_d(ends[0], low);
    arf_set_d(ends[1], high);
    slong cap = largest_cap;
    bool bounded = false;
    for (slong precision = first_precision; !bounded; precision = std::min(2 * precision, cap)) {
        Span span;
        std::vector<Slot>& slots = b.slots;
        for (std::size_t s = 1; s < slots.size(); ++s) {
            arb_set_d(slots[s].value.get(), sequence_.numbers[s]);
            arb_set(slots[s].middle.get(), slots[s].value.get());
            arb_zero(slots[s].slope.get());
            span.meet(slots[s].value.get());
        }
        arb_zero(slots[0].value.get());
        arb_zero(slots[0].middle.get());
        arb_zero(slots[0].slope.get());
        Slot& x = slots[1];
        arb_set_interval_arf(x.value.get(), ends[0], ends[1], precision);
        arb_set_arf(x.middle.get(), arb_midref(x.value.get()));
        arb_one(x.slope.get());
        arb_sub(b.deviation.get(), x.value.get(), x.middle.get(), precision);
        span.meet(x.value.get());
        Ball& value = b.scratch[0];
        Ball& middle = b.scratch[1];
        Ball& slope = b.scratch[2];
        Ball& centred = b.scratch[3];
        Ball& spare = b.scratch[4];
        for (std::size_t k = 0; k < sequence_.operations.size(); ++k) {
            const SlotOperation& op = sequence_.operations[k];
            Slot& l = slots[static_cast<std::size_t>(op.left)];
            Slot& r = slots[static_cast<std::size_t>(op.right)];
            operate(value.get(), l.value.get(), op.code, r.value.get(), rights[k], precision);
            operate(middle.get(), l.middle.get(), op.code, r.middle.get(), rights[k], precision);
            slope_of(slope.get(), op.code, l, r, value.get(), rights[k], centred.get(), spare.get(), precision);
            arb_mul(centred.get(), slope.get(), b.deviation.get(), precision);
            arb_add(centred.get(), centred.get(), middle.get(), precision);
            Slot& t = slots[static_cast<std::size_t>(op.target)];
            const bool direct = arb_is_finite(value.get());
            const bool mean = arb_is_finite(centred.get());
            if (!direct || !mean || !arb_intersection(t.value.get(), value.get(), centred.get(), precision))
                arb_set(t.value.get(), direct ? value.get() : centred.get());
            arb_swap(t.middle.get(), middle.get());
            arb_swap(t.slope.get(), slope.get());
            span.meet(t.value.get());
        }
        bounded = arb_is_finite(slots[static_cast<std::size_t>(sequence_.result)].value.get());
        if (precision == first_precision) cap = span.cap();
        if (precision >= cap) break;
    }
    arf_clear(ends[0]);
    arf_clear(ends[1]);
    return bounded;
}
