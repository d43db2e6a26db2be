// The sign of the prepared expression's true value, certified by ball
// arithmetic (tools/ball_evaluation.h), where the engine's double
// evaluation defines it. Where the double evaluation cannot tell rounding
// noise from a sign, the ball can.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "tools/ball_evaluation.h"
#include "tools/expression_engine.h"

class CertifiedEvaluator {
public:
    explicit CertifiedEvaluator(OperationSequence sequence);
    ~CertifiedEvaluator();
    CertifiedEvaluator(const CertifiedEvaluator&) = delete;
    CertifiedEvaluator& operator=(const CertifiedEvaluator&) = delete;

    // The engine's own value at x, none where it refuses an operation or
    // the search's work cannot pay for it.
    std::optional<double> engine_value(double x);
    // Whether the ball library could be opened: without it no sign is
    // certified.
    bool available() const { return balls_ != nullptr; }
    // Whether the search's work ran out: an evaluation was not paid for.
    bool spent() const { return spent_; }
    // One evaluation at x at the point's next precision: the sign, or
    // undecided where a higher one may still tell. The precision rises
    // until the ball leaves 0 out or is exactly 0, up to a cap set by the
    // span of the magnitudes the evaluation meets (x, the expression's
    // numbers, 1, and the operands and results of sums and differences
    // whose balls leave 0 out), while the work one search may spend lasts.
    CertifiedSign raise_at(double x, BallPrecision& precision);
    // The precision raised at x until the sign is told, or the cap or the
    // end of the work is reached.
    CertifiedSign sign_at(double x);
    // Whether f is bounded over the whole of [low, high], both points where
    // the engine evaluates f: unbounded across a pole, bounded across a
    // root of a continuous piece. Each result is enclosed both directly
    // and by its mean value form about the middle (x-x is then 0, not the
    // width of the interval).
    IntervalBound bounded_over(double low, double high);

private:
    // Whether the engine evaluates f at x; false too where the work left
    // cannot pay for it, noted in spent_.
    bool engine_at(double x);
    OperationSequence sequence_;
    std::unique_ptr<BallEvaluation> balls_;
    SequenceValues values_;
    std::vector<double> right_operands_;
    bool spent_ = false;
};
