#include "numerics/vector_kernels.h"

#include <cstddef>

#include "numerics/blas.h"
#include "numerics/error_handler.h"

void fill_real_vector(std::int32_t n, float value, float* x, std::int32_t incx)
{
    for (std::int32_t k = 0; k < n; ++k) x[static_cast<std::ptrdiff_t>(k) * incx] = value;
}

void fill_int_vector(std::int32_t n, std::int32_t value, std::int32_t* ix, std::int32_t incx)
{
    for (std::int32_t k = 0; k < n; ++k) ix[static_cast<std::ptrdiff_t>(k) * incx] = value;
}

std::int32_t index_of_largest(std::int32_t n, const float* x, std::int32_t incx)
{
    if (n < 1) return 0;
    std::int32_t best = 1;
    for (std::int32_t k = 2; k <= n; ++k) {
        if (x[static_cast<std::ptrdiff_t>(k - 1) * incx] > x[static_cast<std::ptrdiff_t>(best - 1) * incx]) best = k;
    }
    return best;
}

void init_accumulator(float value, ExtendedAccumulator& acc)
{
    acc.sum = value;
}

void accumulate_product(float x, float y, ExtendedAccumulator& acc)
{
    acc.sum += static_cast<double>(x) * static_cast<double>(y);
}

void add_to_accumulator(float value, ExtendedAccumulator& acc)
{
    acc.sum += value;
}

void store_accumulator(const ExtendedAccumulator& acc, float& value)
{
    value = static_cast<float>(acc.sum);
}

float accumulate_dot_extended(std::int32_t n, float start, ExtendedAccumulator& acc, const float* x, std::int32_t incx,
                              const float* y, std::int32_t incy)
{
    init_accumulator(start, acc);
    acc.sum += extended_dot(n, x, incx, y, incy);
    float rounded = 0.0f;
    store_accumulator(acc, rounded);
    return rounded;
}

void PERMU(std::int32_t n, const float* x, std::int32_t* ipermu, std::int32_t ipath, float* xpermu)
{
    E1PSH("PERMU");
    if (n < 1) {
        store_int_message_param(1, n);
        E1MES(5, 1, "The length of the arrays X and XPERMU must be positive while N = %(I1) is given.");
    }
    if (ipath != 1 && ipath != 2) {
        store_int_message_param(1, ipath);
        E1MES(5, 2, "IPATH must be equal to 1 or 2 while a value of %(I1) is given.");
    }
    if (N1RTY(0) != 0) {
        E1POP("PERMU");
        return;
    }
    if (xpermu != x) SCOPY(n, x, 1, xpermu, 1);
    if (n == 1) {
        E1POP("PERMU");
        return;
    }
    auto p = [&](std::int32_t i) -> std::int32_t& { return ipermu[i - 1]; };
    auto v = [&](std::int32_t i) -> float& { return xpermu[i - 1]; };
    // Entries still to be moved are marked by a negative sign.
    bool valid = true;
    for (std::int32_t i = 1; i <= n; ++i) {
        if (p(i) < 1 || p(i) > n) {
            store_int_message_param(1, i);
            store_int_message_param(2, n);
            store_int_message_param(3, p(i));
            E1MES(5, 3, "IPERMU(%(I1)) = %(I3) is not allowed.  It must be between 1 and N = %(I2).");
            valid = false;
        } else {
            p(i) = -p(i);
        }
    }
    if (!valid) {
        for (std::int32_t i = 1; i <= n; ++i) {
            if (p(i) < 0) p(i) = -p(i);
        }
        E1POP("PERMU");
        return;
    }
    for (std::int32_t start = 1; start <= n; ++start) {
        if (p(start) > 0) continue;
        float carried = v(start);
        std::int32_t j = start;
        while (true) {
            p(j) = -p(j);
            const std::int32_t k = p(j);
            // A repeated position (not a permutation) ends the cycle early
            // instead of running round it for ever.
            const bool closed = p(k) > 0;
            if (ipath == 1) {
                v(j) = closed ? carried : v(k);
            } else {
                const float moved = v(k);
                v(k) = carried;
                carried = moved;
            }
            if (closed) break;
            j = k;
        }
    }
    E1POP("PERMU");
}
