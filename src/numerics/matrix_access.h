// 1-based access to a matrix stored by columns with leading dimension ld.
#pragma once

#include <cstddef>
#include <cstdint>

template <typename T>
T& matrix_element(T* m, std::int32_t ld, std::int32_t i, std::int32_t j) {
    return m[static_cast<std::ptrdiff_t>(i - 1) + static_cast<std::ptrdiff_t>(j - 1) * ld];
}

// Texts shared by the routines that check a matrix's dimensions.
inline constexpr const char* message_dimensions_not_positive =
    "Both the number of rows and the number of columns of the input matrix have to be positive while NRA = %(I1) "
    "and NCA = %(I2) are given.";
inline constexpr const char* message_lda_below_rows =
    "The number of rows of A must be less than or equal to its leading dimension while NRA = %(I1) and LDA = %(I2) "
    "are given.";
inline constexpr const char* message_ldqr_below_rows =
    "The number of rows of QR must be less than or equal to its leading dimension while NRA = %(I1) and LDQR = "
    "%(I2) are given.";
