// Householder QR factorisation with column pivoting.
#pragma once

#include <cstdint>

// Factorises the nra by nca matrix A (read only) into QR (leading dimension
// ldqr): R on and above the diagonal, the Householder vectors below it with
// their leading elements in qraux (0: the step did nothing).
// With pivot, ipvt marks on input the initial (> 0), final (< 0) and free (0)
// columns; on output ipvt(k) is the column of A moved to position k.
// conorm receives the column norms and may be the same array as qraux;
// work holds 2 nca - 1 reals.
void L2RRR(std::int32_t nra, std::int32_t nca, const float* a, std::int32_t lda, bool pivot, std::int32_t* ipvt,
           float* qr, std::int32_t ldqr, float* qraux, float* conorm, float* work);
