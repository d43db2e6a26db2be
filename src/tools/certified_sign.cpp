#include "tools/certified_sign.h"

#include <cmath>
#include <utility>

#include "platform/shared_library.h"

namespace {

// Opened once: a library that is missing is reported once.
std::unique_ptr<BallEvaluation> open_ball_evaluation(const OperationSequence& sequence)
{
    static const auto create = reinterpret_cast<NewBallEvaluation>(
        platform::symbol_beside_program(BRUNATEL_BALLS_FILE, new_ball_evaluation_symbol));
    return std::unique_ptr<BallEvaluation>(create ? create(sequence) : nullptr);
}

}  // namespace

CertifiedEvaluator::CertifiedEvaluator(OperationSequence sequence)
    : sequence_(std::move(sequence)), balls_(open_ball_evaluation(sequence_))
{}

CertifiedEvaluator::~CertifiedEvaluator() = default;

bool CertifiedEvaluator::engine_at(double x)
{
    if (balls_ && !balls_->pay_double_evaluation()) {
        spent_ = true;
        return false;
    }
    return evaluate_operations(sequence_, x, values_, &right_operands_);
}

std::optional<double> CertifiedEvaluator::engine_value(double x)
{
    if (!engine_at(x)) return std::nullopt;
    return values_[static_cast<std::size_t>(sequence_.result)].value;
}

CertifiedSign CertifiedEvaluator::raise_at(double x, BallPrecision& precision)
{
    if (!engine_at(x)) return spent_ ? CertifiedSign::spent : CertifiedSign::undefined;
    if (!balls_) return CertifiedSign::uncertain;
    const CertifiedSign sign = balls_->raise_at(x, right_operands_, precision);
    spent_ = spent_ || sign == CertifiedSign::spent;
    return sign;
}

CertifiedSign CertifiedEvaluator::sign_at(double x)
{
    BallPrecision precision;
    CertifiedSign sign = CertifiedSign::undecided;
    while (sign == CertifiedSign::undecided) sign = raise_at(x, precision);
    return sign;
}

IntervalBound CertifiedEvaluator::bounded_over(double low, double high)
{
    // An operand is the engine's over the interval where it reads the same
    // at both ends.
    if (!balls_) return IntervalBound::undecided;
    if (!engine_at(low)) return spent_ ? IntervalBound::undecided : IntervalBound::unbounded;
    std::vector<double> rights = right_operands_;
    if (!engine_at(high)) return spent_ ? IntervalBound::undecided : IntervalBound::unbounded;
    for (std::size_t k = 0; k < rights.size(); ++k)
        if (rights[k] != right_operands_[k]) rights[k] = NAN;
    const IntervalBound bound = balls_->bounded_over(low, high, rights);
    spent_ = spent_ || bound == IntervalBound::undecided;
    return bound;
}
