// The ball arithmetic behind the certified signs, in a library of its own
// that the program opens on the first sign asked for: its start pays
// nothing for it. The engine decides where the expression is defined and
// how it reads each operation's right operand (rights, one an operation of
// the sequence, at the point asked); the balls give the sign of the true
// value.
#pragma once

#include <vector>

#include "tools/expression_engine.h"

// uncertain: the ball still holds 0 at the precision cap; undefined: the
// engine refuses an operation there, or the ball is still not finite at
// the cap.
enum class CertifiedSign { negative, zero, positive, uncertain, undefined };

class BallEvaluation {
public:
    virtual ~BallEvaluation() = default;
    virtual CertifiedSign sign_at(double x, const std::vector<double>& rights) = 0;
    // rights: NaN where the engine reads different operands at the two ends.
    virtual bool bounded_over(double low, double high, const std::vector<double>& rights) = 0;
};

// The library's one entry: a new evaluation of the sequence, owned by the
// caller.
using NewBallEvaluation = BallEvaluation* (*)(const OperationSequence& sequence);
inline constexpr const char* new_ball_evaluation_symbol = "brunatel_new_ball_evaluation";
