// The ball arithmetic behind the certified signs, in a library of its own
// that the program opens on the first sign asked for: its start pays
// nothing for it. The engine decides where the expression is defined and
// how it reads each operation's right operand (rights, one an operation of
// the sequence, at the point asked); the balls give the sign of the true
// value.
#pragma once

#include <vector>

#include "tools/expression_engine.h"

// undecided: the ball holds 0 at this precision, and a higher one within
// the cap may tell; uncertain: it still holds 0 at the precision cap;
// spent: the search's work ran out before the evaluation that would tell;
// undefined: the engine refuses an operation there, or the ball is still
// not finite at the cap.
enum class CertifiedSign { negative, zero, positive, undecided, uncertain, spent, undefined };
// Over an interval: the enclosure is finite; it is not, at the cap; the
// search's work ran out before either.
enum class IntervalBound { bounded, unbounded, undecided };

// Where a point's precision stands: the bits of its last evaluation (0
// before the first), and the cap its evaluations have set.
struct BallPrecision {
    long bits = 0;
    long cap = 0;
    long next = 0;  // the precision the last evaluation asks for next
};

class BallEvaluation {
public:
    virtual ~BallEvaluation() = default;
    // One evaluation at x at the point's next precision, paid from the
    // search's work: the sign, or undecided where a higher precision may
    // still tell.
    virtual CertifiedSign raise_at(double x, const std::vector<double>& rights, BallPrecision& precision) = 0;
    // rights: NaN where the engine reads different operands at the two ends.
    virtual IntervalBound bounded_over(double low, double high, const std::vector<double>& rights) = 0;
    // Pays for one double evaluation of the sequence; false, taking
    // nothing, where the work left cannot.
    virtual bool pay_double_evaluation() = 0;
};

// The library's one entry: a new evaluation of the sequence, owned by the
// caller, for one search: the time its evaluations may cost is bounded.
using NewBallEvaluation = BallEvaluation* (*)(const OperationSequence& sequence);
inline constexpr const char* new_ball_evaluation_symbol = "brunatel_new_ball_evaluation";
