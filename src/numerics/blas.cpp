#include "numerics/blas.h"

#include <cmath>
#include <cstddef>

namespace {

// Offset of the k-th (0-based) element of an n-element strided vector.
std::ptrdiff_t at(std::int32_t k, std::int32_t n, std::int32_t inc)
{
    const std::ptrdiff_t start = inc < 0 ? static_cast<std::ptrdiff_t>(n - 1) * -inc : 0;
    return start + static_cast<std::ptrdiff_t>(k) * inc;
}

std::ptrdiff_t element(std::int32_t i, std::int32_t j, std::int32_t lda)
{
    return static_cast<std::ptrdiff_t>(i) + static_cast<std::ptrdiff_t>(j) * lda;
}

}  // namespace

void SCOPY(std::int32_t n, const float* sx, std::int32_t incx, float* sy, std::int32_t incy)
{
    for (std::int32_t k = 0; k < n; ++k) sy[at(k, n, incy)] = sx[at(k, n, incx)];
}

void SSWAP(std::int32_t n, float* sx, std::int32_t incx, float* sy, std::int32_t incy)
{
    for (std::int32_t k = 0; k < n; ++k) {
        const float t = sx[at(k, n, incx)];
        sx[at(k, n, incx)] = sy[at(k, n, incy)];
        sy[at(k, n, incy)] = t;
    }
}

void SSCAL(std::int32_t n, float sa, float* sx, std::int32_t incx)
{
    if (incx <= 0) return;
    for (std::int32_t k = 0; k < n; ++k) sx[at(k, n, incx)] *= sa;
}

void SAXPY(std::int32_t n, float sa, const float* sx, std::int32_t incx, float* sy, std::int32_t incy)
{
    if (sa == 0.0f) return;
    for (std::int32_t k = 0; k < n; ++k) sy[at(k, n, incy)] += sa * sx[at(k, n, incx)];
}

float SDOT(std::int32_t n, const float* sx, std::int32_t incx, const float* sy, std::int32_t incy)
{
    float sum = 0.0f;
    for (std::int32_t k = 0; k < n; ++k) sum += sx[at(k, n, incx)] * sy[at(k, n, incy)];
    return sum;
}

double extended_dot(std::int32_t n, const float* sx, std::int32_t incx, const float* sy, std::int32_t incy)
{
    double sum = 0.0;
    for (std::int32_t k = 0; k < n; ++k) {
        sum += static_cast<double>(sx[at(k, n, incx)]) * static_cast<double>(sy[at(k, n, incy)]);
    }
    return sum;
}

float SDSDOT(std::int32_t n, float sb, const float* sx, std::int32_t incx, const float* sy, std::int32_t incy)
{
    return static_cast<float>(static_cast<double>(sb) + extended_dot(n, sx, incx, sy, incy));
}

float SNRM2(std::int32_t n, const float* x, std::int32_t incx)
{
    if (n < 1 || incx < 1) return 0.0f;
    // Sum of squares relative to the largest magnitude seen so far.
    float scale = 0.0f;
    float ssq = 1.0f;
    for (std::int32_t k = 0; k < n; ++k) {
        const float v = x[at(k, n, incx)];
        if (v == 0.0f) continue;
        const float a = std::fabs(v);
        if (scale < a) {
            const float r = scale / a;
            ssq = 1.0f + ssq * r * r;
            scale = a;
        } else {
            const float r = a / scale;
            ssq += r * r;
        }
    }
    return scale * std::sqrt(ssq);
}

void SGEMV(char trans, std::int32_t m, std::int32_t n, float alpha, const float* a, std::int32_t lda, const float* x,
           std::int32_t incx, float beta, float* y, std::int32_t incy)
{
    if (m < 1 || n < 1) return;
    const bool transposed = trans == 'T' || trans == 't' || trans == 'C' || trans == 'c';
    const std::int32_t leny = transposed ? n : m;
    const std::int32_t lenx = transposed ? m : n;
    if (beta != 1.0f) {
        for (std::int32_t k = 0; k < leny; ++k)
            y[at(k, leny, incy)] = beta == 0.0f ? 0.0f : beta * y[at(k, leny, incy)];
    }
    if (alpha == 0.0f) return;
    if (!transposed) {
        for (std::int32_t j = 0; j < n; ++j) {
            const float t = alpha * x[at(j, lenx, incx)];
            for (std::int32_t i = 0; i < m; ++i) y[at(i, leny, incy)] += t * a[element(i, j, lda)];
        }
        return;
    }
    for (std::int32_t j = 0; j < n; ++j) {
        float t = 0.0f;
        for (std::int32_t i = 0; i < m; ++i) t += a[element(i, j, lda)] * x[at(i, lenx, incx)];
        y[at(j, leny, incy)] += alpha * t;
    }
}

void SGER(std::int32_t m, std::int32_t n, float alpha, const float* x, std::int32_t incx, const float* y,
          std::int32_t incy, float* a, std::int32_t lda)
{
    if (m < 1 || n < 1 || alpha == 0.0f) return;
    for (std::int32_t j = 0; j < n; ++j) {
        const float yj = y[at(j, n, incy)];
        if (yj == 0.0f) continue;
        const float t = alpha * yj;
        for (std::int32_t i = 0; i < m; ++i) a[element(i, j, lda)] += x[at(i, m, incx)] * t;
    }
}

void STRSV(char uplo, char trans, char diag, std::int32_t n, const float* a, std::int32_t lda, float* x,
           std::int32_t incx)
{
    if (n < 1) return;
    const bool upper = uplo == 'U' || uplo == 'u';
    const bool transposed = trans == 'T' || trans == 't' || trans == 'C' || trans == 'c';
    const bool unit = diag == 'U' || diag == 'u';
    auto xv = [&](std::int32_t k) -> float& { return x[at(k, n, incx)]; };
    auto av = [&](std::int32_t i, std::int32_t j) { return a[element(i, j, lda)]; };
    if (!transposed) {
        // Substitute from the end where the triangle's last row has one entry.
        const std::int32_t first = upper ? n - 1 : 0;
        const std::int32_t step = upper ? -1 : 1;
        for (std::int32_t j = first; j >= 0 && j < n; j += step) {
            if (xv(j) == 0.0f) continue;
            if (!unit) xv(j) /= av(j, j);
            const float t = xv(j);
            for (std::int32_t i = j + step; i >= 0 && i < n; i += step) xv(i) -= t * av(i, j);
        }
        return;
    }
    const std::int32_t first = upper ? 0 : n - 1;
    const std::int32_t step = upper ? 1 : -1;
    for (std::int32_t j = first; j >= 0 && j < n; j += step) {
        float t = xv(j);
        for (std::int32_t i = first; i != j; i += step) t -= av(i, j) * xv(i);
        if (!unit) t /= av(j, j);
        xv(j) = t;
    }
}
