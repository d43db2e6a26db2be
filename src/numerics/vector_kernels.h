// Small vector kernels of the least-squares routines: fills, the position of
// the largest element, a 64-bit accumulator and vector permutation.
#pragma once

#include <cstdint>

void fill_real_vector(std::int32_t n, float value, float* x, std::int32_t incx);
void fill_int_vector(std::int32_t n, std::int32_t value, std::int32_t* ix, std::int32_t incx);

// 1-based position (in elements of stride incx) of the first largest element
// by value, signs counting; 0 when n < 1.
std::int32_t index_of_largest(std::int32_t n, const float* x, std::int32_t incx);

// A sum kept in double precision between real operations.
struct ExtendedAccumulator {
    double sum = 0.0;
};
void init_accumulator(float value, ExtendedAccumulator& acc);
void accumulate_product(float x, float y, ExtendedAccumulator& acc);
void add_to_accumulator(float value, ExtendedAccumulator& acc);
void store_accumulator(const ExtendedAccumulator& acc, float& value);
// acc := start + x . y in double precision; returns the sum rounded to a real.
float accumulate_dot_extended(std::int32_t n, float start, ExtendedAccumulator& acc, const float* x, std::int32_t incx,
                              const float* y, std::int32_t incy);

// ipath 1: xpermu(i) := x(ipermu(i)); ipath 2: xpermu(ipermu(i)) := x(i).
// ipermu holds 1-based positions and is unchanged on return; xpermu may be x.
void PERMU(std::int32_t n, const float* x, std::int32_t* ipermu, std::int32_t ipath, float* xpermu);
