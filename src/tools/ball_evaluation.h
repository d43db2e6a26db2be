// The ball arithmetic behind the certified signs, in a library of its own
// that the program opens on the first sign asked for: its start pays
// nothing for it. The engine decides where the expression is defined and
// how it reads each operation's right operand (rights, one an operation of
// the sequence, at the point asked); the balls give the sign of the true
// value.
#pragma once

#include <vector>

#include "tools/expression_engine.h"

// uncertain: the ball still holds 0 at the precision cap, or when the
// search's work ran out; undefined: the engine refuses an operation there,
// or the ball is still not finite at the cap.
enum class CertifiedSign { negative, zero, positive, uncertain, undefined };
// Over an interval: the enclosure is finite; it is not, at the cap; the
// search's work ran out before either.
enum class IntervalBound { bounded, unbounded, undecided };

class BallEvaluation {
public:
    virtual ~BallEvaluation() = default;
    virtual CertifiedSign sign_at(double x, const std::vector<double>& rights) = 0;
    // rights: NaN where the engine reads different operands at the two ends.
    virtual IntervalBound bounded_over(double low, double high, const std::vector<double>& rights) = 0;
};

// The library's one entry: a new evaluation of the sequence, owned by the
// caller, for one search: the work its balls may cost is bounded.
using NewBallEvaluation = BallEvaluation* (*)(const OperationSequence& sequence);
inline constexpr const char* new_ball_evaluation_symbol = "brunatel_new_ball_evaluation";
