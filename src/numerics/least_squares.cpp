#include "numerics/least_squares.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>

#include "numerics/blas.h"
#include "numerics/error_handler.h"
#include "numerics/machine_constants.h"
#include "numerics/matrix_access.h"
#include "numerics/options.h"
#include "numerics/qr_factorisation.h"
#include "numerics/qr_solve.h"
#include "numerics/vector_kernels.h"

namespace {

constexpr std::int32_t max_refinement_steps = 100;

// Rows added to the leading dimension of QR: option value 3 when nra is a
// multiple of option value 4. Unusable values give none (L3BRR reports them).
std::int64_t row_padding(std::int32_t nra, std::int32_t extra_rows, std::int32_t row_multiple)
{
    if (extra_rows < 0 || row_multiple < 1) return 0;
    return nra % row_multiple == 0 ? extra_rows : 0;
}

template <typename T>
std::unique_ptr<T[]> allocate(std::int64_t count)
{
    if (count < 1 || static_cast<std::uint64_t>(count) > std::numeric_limits<std::size_t>::max() / sizeof(T)) {
        return nullptr;
    }
    return std::unique_ptr<T[]>(new (std::nothrow) T[static_cast<std::size_t>(count)]);
}

}  // namespace

void LSBRR(std::int32_t nra, std::int32_t nca, const float* a, std::int32_t lda, const float* b, float tol, float* x,
           float* res, std::int32_t& kbasis)
{
    E1PSH("LSBRR");
    const std::int32_t options[2] = {16, 17};
    std::int32_t saved[6] = {};
    IUMAG("MATH", 1, 1, 2, options, saved);
    // For this call the workspace padding of option 16 takes its values 1 and 2.
    std::int32_t during[6] = {saved[0], saved[1], saved[0], saved[1], saved[4], saved[4]};
    IUMAG("MATH", 1, 2, 2, options, during);

    if (check_positive_dimensions(nra, nca)) {
        const std::int64_t ldqr = nra + row_padding(nra, saved[0], saved[1]);
        auto qr = allocate<float>(ldqr * nca);
        auto qraux = allocate<float>(nca);
        auto wk = allocate<float>(std::int64_t{nra} + 2 * std::int64_t{nca} - 1);
        auto ipvt = allocate<std::int32_t>(nca);
        if (!qr || !qraux || !wk || !ipvt) {
            E1MES(5, 2, " ");
            store_int_message_param(1, nra);
            store_int_message_param(2, nca);
            E1MES(5, 2,
                  "The required storage cannot be allocated.  The workspace is based on NRA = %(I1) and NCA = %(I2).");
        } else {
            L2BRR(nra, nca, a, lda, b, tol, x, res, kbasis, qr.get(), qraux.get(), ipvt.get(), wk.get());
        }
    }

    IUMAG("MATH", 1, 2, 2, options, saved);
    E1POP("LSBRR");
}

void L2BRR(std::int32_t nra, std::int32_t nca, const float* a, std::int32_t lda, const float* b, float tol, float* x,
           float* res, std::int32_t& kbasis, float* qr, float* qraux, std::int32_t* ipvt, float* wk)
{
    E1PSH("L2BRR");
    if (check_positive_dimensions(nra, nca) && check_leading_dimension_of_a(nra, lda)) {
        L3BRR(nra, nca, a, lda, b, tol, x, res, kbasis, qr, qraux, ipvt, wk, wk + nra);
    }
    E1POP("L2BRR");
}

void L3BRR(std::int32_t nra, std::int32_t nca, const float* a, std::int32_t lda, const float* b, float tol, float* x,
           float* res, std::int32_t& kbasis, float* qr, float* qraux, std::int32_t* ipvt, float* wk1, float* wk2)
{
    E1PSH("L3BRR");
    const float eps = AMACH(4);
    const float big = AMACH(2);
    const std::int32_t option16 = 16;
    std::int32_t ival[4] = {};
    IUMAG("MATH", 1, 1, 1, &option16, ival);
    if (ival[2] < 0 || ival[3] < 1) {
        store_int_message_param(1, ival[2]);
        store_int_message_param(2, ival[3]);
        E1MES(5, 4,
              "The option values 3,4 must be respectively not less than zero, and non-negative while %(I1) and %(I2) "
              "are given.");
        E1POP("L3BRR");
        return;
    }
    const auto ldqr = static_cast<std::int32_t>(nra + row_padding(nra, ival[2], ival[3]));
    auto QR = [&](std::int32_t i, std::int32_t j) { return matrix_element(qr, ldqr, i, j); };

    fill_int_vector(nca, 0, ipvt, 1);
    L2RRR(nra, nca, a, lda, true, ipvt, qr, ldqr, qraux, qraux, wk2);

    kbasis = 0;
    for (std::int32_t j = 1; j <= std::min(nra, nca); ++j) {
        // Written so that a not-a-number ends the basis too.
        if (!(std::fabs(QR(j, j)) > tol * std::fabs(QR(1, 1)))) break;
        kbasis = j;
    }
    if (kbasis > 0) {
        LQRSL(nra, kbasis, qr, ldqr, qraux, b, 110, nullptr, res, x, res, nullptr);
        if (N1RCD(1) != 0) {
            E1POP("L3BRR");
            return;
        }
    }
    fill_real_vector(nca - kbasis, 0.0f, x + kbasis, 1);
    PERMU(nca, x, ipvt, 2, x);
    if (kbasis == 0) {
        E1POP("L3BRR");
        return;
    }

    float* f = wk1;  // row space: f, then the residual correction dr
    float* g = wk2;  // column space: g, then the solution correction dx
    const float xnorm = SNRM2(nca, x, 1);
    const float rnorm = SNRM2(nra, res, 1);
    float dxold = big;
    float drold = big;
    float dxnorm = 0.0f;
    float drnorm = 0.0f;
    bool converged = false;
    for (std::int32_t step = 1;; ++step) {
        for (std::int32_t j = 1; j <= nca; ++j) g[j - 1] = -SDSDOT(nra, 0.0f, &matrix_element(a, lda, 1, j), 1, res, 1);
        for (std::int32_t i = 1; i <= nra; ++i) {
            ExtendedAccumulator acc;
            accumulate_dot_extended(nca, -b[i - 1], acc, &matrix_element(a, lda, i, 1), lda, x, 1);
            add_to_accumulator(res[i - 1], acc);
            float sum = 0.0f;
            store_accumulator(acc, sum);
            f[i - 1] = -sum;
        }
        LQRSL(nra, kbasis, qr, ldqr, qraux, f, 1000, nullptr, f, nullptr, nullptr, nullptr);
        PERMU(nca, g, ipvt, 1, g);
        LSLRT(kbasis, qr, ldqr, g, 4, g);
        for (std::int32_t k = 0; k < kbasis; ++k) {
            const float h = g[k];
            g[k] = f[k] - h;
            f[k] = h;
        }
        LSLRT(kbasis, qr, ldqr, g, 2, g);
        fill_real_vector(nca - kbasis, 0.0f, g + kbasis, 1);
        PERMU(nca, g, ipvt, 2, g);
        LQRSL(nra, kbasis, qr, ldqr, qraux, f, 10000, f, nullptr, nullptr, nullptr, nullptr);
        SAXPY(nca, 1.0f, g, 1, x, 1);
        SAXPY(nra, 1.0f, f, 1, res, 1);
        dxnorm = SNRM2(nca, g, 1);
        drnorm = SNRM2(nra, f, 1);
        const bool go_on =
            (dxnorm < dxold / 8.0f && dxnorm > eps * xnorm) || (drnorm < drold / 8.0f && drnorm > eps * rnorm);
        if (!go_on) {
            converged = dxnorm <= 2.0f * eps * xnorm || drnorm < 2.0f * eps * rnorm;
            break;
        }
        dxold = dxnorm;
        drold = drnorm;
        if (step == max_refinement_steps) break;
    }
    if (!converged) {
        store_real_message_param(1, std::fabs(QR(1, 1) / QR(kbasis, kbasis)));
        E1MES(3, 1,
              " The matrix is too ill-conditioned for iterative refinement to be effective.  An estimate of the "
              "condition number of A is equal to %(R1).");
    }
    E1POP("L3BRR");
}
