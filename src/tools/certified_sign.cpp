#include "tools/certified_sign.h"

#include <utility>
#include <vector>

#include "tools/calc_operations.h"

#if __has_include(<flint/arb.h>)
#include <flint/arb.h>
#else
#include <arb.h>
#endif

namespace {

// 72 bits and doubling to the cap: 1 + 2^-1074 - 1, the smallest step a
// double x can make from 1, takes 1075 bits to tell from 0. A ball still
// holding 0 at the cap is taken for 0.
constexpr slong first_precision = 72;
constexpr slong precision_cap = 1152;
// A ball still not finite at half the cap is a point outside the domain:
// the double evaluation, which the engine accepted, divided by (or took
// the logarithm of) rounding noise about 0, and the true value, if any,
// lies past 2^576 times its parts. Telling a sign from 0 alone needs the
// doubles' whole range; a run of such points (1/(ln(exp(x))-x) at every
// grid point) then costs a third of what the cap would.
constexpr slong domain_cap = precision_cap / 2;

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

// The engine's operations on balls. Where the true value does not exist
// (ln of a number not above 0, a division by 0, a negative base with a
// power not whole) the ball comes out not finite; the engine's own
// refusals, made on the doubles, decide where the expression is defined.
void operate(arb_ptr r, arb_srcptr a, std::int32_t code, arb_srcptr b, slong precision)
{
    switch (code) {
    case calc_power:
        // 0^0 is 0 here, as in the engine.
        if (arb_is_zero(a))
            arb_zero(r);
        else
            arb_pow(r, a, b, precision);
        return;
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

}  // namespace

struct CertifiedEvaluator::Balls {
    std::vector<Ball> slots = std::vector<Ball>(ParsedExpression::slot_total + 1);
    Ball x;
};

CertifiedEvaluator::CertifiedEvaluator(OperationSequence sequence)
    : sequence_(std::move(sequence)), balls_(std::make_unique<Balls>())
{}

CertifiedEvaluator::~CertifiedEvaluator() = default;

namespace {

// The result's ball at one precision, x in the ball given.
arb_srcptr evaluate_balls(const OperationSequence& sequence, std::vector<Ball>& slots, arb_srcptr x, slong precision)
{
    for (std::size_t s = 1; s < slots.size(); ++s) arb_set_d(slots[s].get(), sequence.numbers[s]);
    arb_set(slots[1].get(), x);
    for (const SlotOperation& op : sequence.operations) {
        const arb_srcptr right = op.right == 0 ? slots[0].get() : slots[static_cast<std::size_t>(op.right)].get();
        operate(slots[static_cast<std::size_t>(op.target)].get(), slots[static_cast<std::size_t>(op.left)].get(),
                op.code, right, precision);
    }
    return slots[static_cast<std::size_t>(sequence.result)].get();
}

}  // namespace

CertifiedSign CertifiedEvaluator::sign_at(double x)
{
    arb_set_d(balls_->x.get(), x);
    // A precision short of the domain's cap settles nothing it would not:
    // after a point outside the domain, where its neighbours likely are
    // too, the next starts there (1/(ln(exp(x))-x) divides by 0 at every
    // point).
    slong precision = outside_before_ ? domain_cap : first_precision;
    for (;; precision *= 2) {
        const arb_srcptr f = evaluate_balls(sequence_, balls_->slots, balls_->x.get(), precision);
        outside_before_ = false;
        if (arb_is_zero(f)) return CertifiedSign::zero;
        if (arb_is_positive(f)) return CertifiedSign::positive;
        if (arb_is_negative(f)) return CertifiedSign::negative;
        if (!arb_is_finite(f) && precision >= domain_cap) {
            outside_before_ = true;
            return CertifiedSign::undefined;
        }
        if (precision == precision_cap) return CertifiedSign::zero;
    }
}

bool CertifiedEvaluator::bounded_over(double low, double high)
{
    arf_t ends[2];
    arf_init(ends[0]);
    arf_init(ends[1]);
    arf_set_d(ends[0], low);
    arf_set_d(ends[1], high);
    bool bounded = false;
    for (slong precision = first_precision; precision <= precision_cap && !bounded; precision *= 2) {
        arb_set_interval_arf(balls_->x.get(), ends[0], ends[1], precision);
        bounded = arb_is_finite(evaluate_balls(sequence_, balls_->slots, balls_->x.get(), precision));
    }
    arf_clear(ends[0]);
    arf_clear(ends[1]);
    return bounded;
}
