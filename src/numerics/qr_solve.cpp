#include "numerics/qr_solve.h"

#include <algorithm>

#include "numerics/blas.h"
#include "numerics/error_handler.h"
#include "numerics/matrix_access.h"

namespace {

struct Requests {
    bool qy, qty, b, res, ax;
};

// Applies Householder transformation j (when it did something) to v.
void apply_transformation(std::int32_t nra, std::int32_t j, float* qr, std::int32_t ldqr, const float* qraux, float* v)
{
    if (qraux[j - 1] == 0.0f) return;
    float& diagonal = matrix_element(qr, ldqr, j, j);
    const float kept = diagonal;
    diagonal = qraux[j - 1];
    const std::int32_t length = nra - j + 1;
    const float t = -SDOT(length, &diagonal, 1, &v[j - 1], 1) / diagonal;
    SAXPY(length, t, &diagonal, 1, &v[j - 1], 1);
    diagonal = kept;
}

void apply_q(std::int32_t nra, std::int32_t ju, float* qr, std::int32_t ldqr, const float* qraux, float* v)
{
    for (std::int32_t j = ju; j >= 1; --j) apply_transformation(nra, j, qr, ldqr, qraux, v);
}

bool check_lqrsl(std::int32_t nra, std::int32_t kbasis, std::int32_t ldqr, std::int32_t ipath)
{
    if (nra < 1) {
        store_int_message_param(1, nra);
        E1MES(5, 1, "The number of rows of the matrix must be positive while NRA = %(I1) is given.");
    }
    check_leading_dimension_of_qr(nra, ldqr, 2);
    if (kbasis < 1 || (nra >= 1 && kbasis > nra)) {
        store_int_message_param(1, kbasis);
        store_int_message_param(2, nra);
        E1MES(5, 3,
              "The number of columns in the basis must be positive and at most the number of rows while KBASIS = "
              "%(I1) and NRA = %(I2) are given.");
    }
    if (ipath < 1 || ipath > 99999) {
        store_int_message_param(1, ipath);
        E1MES(5, 4, "IPATH must be between 1 and 99999 while a value of %(I1) is given.");
    }
    return N1RTY(0) == 0;
}

}  // namespace

void LQRSL(std::int32_t nra, std::int32_t kbasis, float* qr, std::int32_t ldqr, const float* qraux, const float* y,
           std::int32_t ipath, float* qy, float* qty, float* b, float* res, float* ax)
{
    E1PSH("LQRSL");
    if (!check_lqrsl(nra, kbasis, ldqr, ipath)) {
        E1POP("LQRSL");
        return;
    }
    const Requests want{ipath / 10000 != 0, ipath % 10000 != 0, (ipath % 1000) / 100 != 0, (ipath % 100) / 10 != 0,
                        ipath % 10 != 0};
    auto R = [&](std::int32_t i, std::int32_t j) -> float& { return matrix_element(qr, ldqr, i, j); };
    const std::int32_t ju = std::min(kbasis, nra - 1);
    std::int32_t singular = 0;
    if (ju == 0) {
        if (want.qy) qy[0] = y[0];
        if (want.qty) qty[0] = y[0];
        if (want.ax) ax[0] = y[0];
        if (want.b) {
            if (R(1, 1) == 0.0f) {
                singular = 1;
            } else {
                b[0] = y[0] / R(1, 1);
            }
        }
        if (want.res) res[0] = 0.0f;
    } else {
        if (want.qy) {
            if (qy != y) SCOPY(nra, y, 1, qy, 1);
            apply_q(nra, ju, qr, ldqr, qraux, qy);
        }
        if (want.qty) {
            if (qty != y) SCOPY(nra, y, 1, qty, 1);
            for (std::int32_t j = 1; j <= ju; ++j) apply_transformation(nra, j, qr, ldqr, qraux, qty);
        }
        // b is copied before res, which may share its storage with qty.
        if (want.b) SCOPY(kbasis, qty, 1, b, 1);
        if (want.ax) SCOPY(kbasis, qty, 1, ax, 1);
        if (want.res && kbasis < nra) SCOPY(nra - kbasis, &qty[kbasis], 1, &res[kbasis], 1);
        if (want.ax && kbasis < nra) std::fill(ax + kbasis, ax + nra, 0.0f);
        if (want.res) std::fill(res, res + kbasis, 0.0f);
        if (want.b) {
            for (std::int32_t j = kbasis; j >= 1; --j) {
                if (R(j, j) == 0.0f) {
                    singular = j;
                    break;
                }
                b[j - 1] /= R(j, j);
                if (j > 1) SAXPY(j - 1, -b[j - 1], &R(1, j), 1, b, 1);
            }
        }
        if (singular == 0) {
            if (want.res) apply_q(nra, ju, qr, ldqr, qraux, res);
            if (want.ax) apply_q(nra, ju, qr, ldqr, qraux, ax);
        }
    }
    if (singular != 0) {
        store_int_message_param(1, singular);
        E1MES(4, 1,
              "Computation of the least squares solution has been requested but the upper triangular matrix R is "
              "exactly singular; the index of the first zero diagonal element of R is %(I1).");
    }
    E1POP("LQRSL");
}

void LSLRT(std::int32_t n, const float* a, std::int32_t lda, const float* b, std::int32_t ipath, float* x)
{
    E1PSH("LSLRT");
    if (n <= 0) {
        store_int_message_param(1, n);
        E1MES(5, 1, "The number of equations must be positive while N = %(I1) is given.");
    } else if (lda < n) {
        store_int_message_param(1, n);
        store_int_message_param(2, lda);
        E1MES(5, 2,
              "The order of the matrix must be less than or equal to its leading dimension while N = %(I1) and LDA = "
              "%(I2) are given.");
    }
    if (N1RTY(0) != 0) {
        E1POP("LSLRT");
        return;
    }
    for (std::int32_t i = 1; i <= n; ++i) {
        if (matrix_element(a, lda, i, i) == 0.0f) {
            store_int_message_param(1, i);
            E1MES(5, 3,
                  "The input triangular matrix is singular.  The index of the first zero diagonal element is equal to "
                  "%(I1).");
            E1POP("LSLRT");
            return;
        }
    }
    static constexpr char uplo[] = {'L', 'U', 'L', 'U'};
    static constexpr char trans[] = {'N', 'N', 'T', 'T'};
    if (ipath < 1 || ipath > 4) {
        store_int_message_param(1, ipath);
        E1MES(5, 4, "IPATH must be either 1, 2, 3 or 4 while a value of %(I1) is given.");
        E1POP("LSLRT");
        return;
    }
    if (x != b) SCOPY(n, b, 1, x, 1);
    STRSV(uplo[ipath - 1], trans[ipath - 1], 'N', n, a, lda, x, 1);
    E1POP("LSLRT");
}
