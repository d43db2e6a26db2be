// Single-precision vector and matrix kernels with the usual meaning of their
// names. Vectors are strided (a negative stride runs from the far end);
// matrices are stored by columns with a leading dimension. Pointers address
// the first element of the vector or matrix; sizes below 1 do nothing.
#pragma once

#include <cstdint>

void SCOPY(std::int32_t n, const float* sx, std::int32_t incx, float* sy, std::int32_t incy);
void SSWAP(std::int32_t n, float* sx, std::int32_t incx, float* sy, std::int32_t incy);
void SSCAL(std::int32_t n, float sa, float* sx, std::int32_t incx);
// sy := sa * sx + sy
void SAXPY(std::int32_t n, float sa, const float* sx, std::int32_t incx, float* sy, std::int32_t incy);
float SDOT(std::int32_t n, const float* sx, std::int32_t incx, const float* sy, std::int32_t incy);
// sb + sx . sy accumulated in double precision, rounded once.
float SDSDOT(std::int32_t n, float sb, const float* sx, std::int32_t incx, const float* sy, std::int32_t incy);
// Euclidean norm, scaled against overflow and underflow; 0 when incx < 1.
float SNRM2(std::int32_t n, const float* x, std::int32_t incx);

// y := alpha op(A) x + beta y, op "N" (A is m by n) or "T" (its transpose);
// beta 0 sets y without reading it.
void SGEMV(char trans, std::int32_t m, std::int32_t n, float alpha, const float* a, std::int32_t lda, const float* x,
           std::int32_t incx, float beta, float* y, std::int32_t incy);
// A := alpha x y' + A for the m by n matrix A.
void SGER(std::int32_t m, std::int32_t n, float alpha, const float* x, std::int32_t incx, const float* y,
          std::int32_t incy, float* a, std::int32_t lda);
// Solves op(T) x = b in place for the n by n triangle of A: uplo "U" or "L",
// trans "N" or "T", diag "N" or "U" (unit diagonal, not read).
void STRSV(char uplo, char trans, char diag, std::int32_t n, const float* a, std::int32_t lda, float* x,
           std::int32_t incx);

// sx . sy summed in double precision (the exact products of the reals).
double extended_dot(std::int32_t n, const float* sx, std::int32_t incx, const float* sy, std::int32_t incy);
