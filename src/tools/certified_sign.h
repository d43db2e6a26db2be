// The sign of the prepared expression's true value, certified by ball
// arithmetic: its numbers as the engine read them and x the double at hand,
// each taken exactly, every operation's rounding kept inside the ball.
// Where the double evaluation cannot tell rounding noise from a sign, the
// ball can.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "tools/expression_engine.h"

// uncertain: the ball still holds 0 at the precision cap; undefined: the
// engine refuses an operation there, or the ball is still not finite at
// the cap.
enum class CertifiedSign { negative, zero, positive, uncertain, undefined };

class CertifiedEvaluator {
public:
    explicit CertifiedEvaluator(OperationSequence sequence);
    ~CertifiedEvaluator();
    CertifiedEvaluator(const CertifiedEvaluator&) = delete;
    CertifiedEvaluator& operator=(const CertifiedEvaluator&) = delete;

    // The engine's own value at x, none where it refuses an operation.
    std::optional<double> engine_value(double x);
    // The precision rises from 72 bits until the ball leaves 0 out or is
    // exactly 0, up to a cap set by the span of the magnitudes the
    // evaluation meets (x, the expression's numbers, 1 and every result
    // whose ball leaves 0 out), twice over, with guard bits: a function
    // cancels against its first terms to the square of its argument's
    // scale (1-cos(x) is x^2/2, x-sin(x) x^3/6 beside x).
    CertifiedSign sign_at(double x);
    // Whether f is bounded over the whole of [low, high], both points where
    // the engine evaluates f: false across a pole, true across a root of a
    // continuous piece. Each result is enclosed both directly and by its
    // mean value form about the middle (x-x is then 0, not the width of
    // the interval), and the tighter taken.
    bool bounded_over(double low, double high);

private:
    struct Balls;
    bool engine_at(double x);
    OperationSequence sequence_;
    std::unique_ptr<Balls> balls_;
    SlotValues values_{};
    std::vector<double> right_operands_;
};
