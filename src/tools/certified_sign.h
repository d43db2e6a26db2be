// The sign of the prepared expression's true value, certified by ball
// arithmetic: its numbers as the engine read them and x the double at hand,
// each taken exactly, every operation's rounding kept inside the ball.
// Where the double evaluation cannot tell rounding noise from a sign, the
// ball can.
#pragma once

#include <memory>

#include "tools/expression_engine.h"

enum class CertifiedSign { negative, zero, positive, undefined };

class CertifiedEvaluator {
public:
    explicit CertifiedEvaluator(OperationSequence sequence);
    ~CertifiedEvaluator();
    CertifiedEvaluator(const CertifiedEvaluator&) = delete;
    CertifiedEvaluator& operator=(const CertifiedEvaluator&) = delete;

    // The precision rises from 72 bits to a cap until the ball leaves 0 out
    // or is exactly 0. A value still too close to 0 to tell at the cap is
    // a zero (ln(exp(x))-x is 0 wherever it is defined); undefined where
    // the ball is not finite at half the cap (1/(ln(exp(x))-x) divides by
    // 0).
    CertifiedSign sign_at(double x);
    // Whether f is bounded over the whole of [low, high]: false across a
    // pole, true across a root of a continuous piece.
    bool bounded_over(double low, double high);

private:
    struct Balls;
    OperationSequence sequence_;
    std::unique_ptr<Balls> balls_;
    bool outside_before_ = false;  // the last point was outside the domain
};
