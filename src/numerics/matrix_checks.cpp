#include "numerics/error_handler.h"
#include "numerics/matrix_access.h"

namespace {

bool check_rows_fit(std::int32_t nra, std::int32_t ld, std::int32_t code, const char* message)
{
    if (ld >= nra) return true;
    store_int_message_param(1, nra);
    store_int_message_param(2, ld);
    E1MES(5, code, message);
    return false;
}

}  // namespace

bool check_positive_dimensions(std::int32_t nra, std::int32_t nca)
{
    if (nra >= 1 && nca >= 1) return true;
    store_int_message_param(1, nra);
    store_int_message_param(2, nca);
    E1MES(5, 1,
          "Both the number of rows and the number of columns of the input matrix have to be positive while NRA = "
          "%(I1) and NCA = %(I2) are given.");
    return false;
}

bool check_leading_dimension_of_a(std::int32_t nra, std::int32_t lda)
{
    return check_rows_fit(nra, lda, 2,
                          "The number of rows of A must be less than or equal to its leading dimension while NRA = "
                          "%(I1) and LDA = %(I2) are given.");
}

bool check_leading_dimension_of_qr(std::int32_t nra, std::int32_t ldqr, std::int32_t code)
{
    return check_rows_fit(nra, ldqr, code,
                          "The number of rows of QR must be less than or equal to its leading dimension while NRA = "
                          "%(I1) and LDQR = %(I2) are given.");
}
