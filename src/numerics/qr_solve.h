// Applications of a QR factorisation to a vector, and triangular solves.
#pragma once

#include <cstdint>

// With the first kbasis columns of the factorisation (qr, qraux) of L2RRR,
// computes the outputs that the decimal digits abcde of ipath request:
// a qy = Q y, b qty = Q'y, c b = least-squares solution of R b = (Q'y)(1..kbasis),
// d res = y - A b, e ax = A b. qty is needed for c, d and e. Outputs not
// requested are not touched; y may be the same array as qy or qty.
// qr is only borrowed (one element is changed and put back).
void LQRSL(std::int32_t nra, std::int32_t kbasis, float* qr, std::int32_t ldqr, const float* qraux, const float* y,
           std::int32_t ipath, float* qy, float* qty, float* b, float* res, float* ax);

// Solves with the n by n triangle of A: ipath 1 lower T x = b, 2 upper
// T x = b, 3 lower T'x = b, 4 upper T'x = b. x may be the same array as b.
void LSLRT(std::int32_t n, const float* a, std::int32_t lda, const float* b, std::int32_t ipath, float* x);
