// The numerics layer: the numerical library (least squares, QR, sorting,
// geometry) and its error handler, free of any drawing or chemistry.
//
// Linear least squares with iterative refinement: minimises |b - A x| for the
// nra by nca matrix A (by columns, leading dimension lda). Columns enter the
// basis in pivoted order while their diagonal element of R exceeds
// tol * |R(1,1)|; kbasis receives their number and the other entries of x are
// 0. res receives b - A x. A refinement that does not converge raises the
// type 3 warning with the condition estimate.
#pragma once

#include <cstdint>

void LSBRR(std::int32_t nra, std::int32_t nca, const float* a, std::int32_t lda, const float* b, float tol, float* x,
           float* res, std::int32_t& kbasis);

// The same with the caller's workspace: qr of ldqr by nca reals, ldqr being
// nra plus the padding of option 16 ("MATH" chapter 1) values 3 and 4;
// qraux nca reals, ipvt nca whole numbers, wk nra + 2 nca - 1 reals.
void L2BRR(std::int32_t nra, std::int32_t nca, const float* a, std::int32_t lda, const float* b, float tol, float* x,
           float* res, std::int32_t& kbasis, float* qr, float* qraux, std::int32_t* ipvt, float* wk);

// The computational core; wk1 is the row-space vector (nra reals), wk2 the
// column-space vector and the factorisation's scratch (2 nca - 1 reals).
void L3BRR(std::int32_t nra, std::int32_t nca, const float* a, std::int32_t lda, const float* b, float tol, float* x,
           float* res, std::int32_t& kbasis, float* qr, float* qraux, std::int32_t* ipvt, float* wk1, float* wk2);
