// 1-based access to a matrix stored by columns with leading dimension ld,
// and the checks of its dimensions shared by the least-squares routines.
#pragma once

#include <cstddef>
#include <cstdint>

template <typename T>
T& matrix_element(T* m, std::int32_t ld, std::int32_t i, std::int32_t j)
{
    return m[static_cast<std::ptrdiff_t>(i - 1) + static_cast<std::ptrdiff_t>(j - 1) * ld];
}

// Each raises its type 5 error (with the code given or named) and returns
// false when the dimensions cannot be used.
bool check_positive_dimensions(std::int32_t nra, std::int32_t nca);     // code 1
bool check_leading_dimension_of_a(std::int32_t nra, std::int32_t lda);  // code 2
bool check_leading_dimension_of_qr(std::int32_t nra, std::int32_t ldqr, std::int32_t code);
