#include "numerics/qr_factorisation.h"

#include <algorithm>
#include <cmath>

#include "numerics/blas.h"
#include "numerics/error_handler.h"
#include "numerics/matrix_access.h"
#include "numerics/vector_kernels.h"

namespace {

struct FreeColumns {
    std::int32_t first = 1;  // pl
    std::int32_t last = 0;   // pu
};

// Moves the initial columns to the front and the final ones to the back.
FreeColumns arrange_column_classes(std::int32_t nra, std::int32_t nca, std::int32_t* ipvt, float* qr, std::int32_t ldqr)
{
    auto col = [&](std::int32_t j) { return &matrix_element(qr, ldqr, 1, j); };
    auto p = [&](std::int32_t j) -> std::int32_t& { return ipvt[j - 1]; };
    FreeColumns free;
    for (std::int32_t j = 1; j <= nca; ++j) {
        const bool initial = p(j) > 0;
        const bool final_column = p(j) < 0;
        p(j) = final_column ? -j : j;
        if (!initial) continue;
        if (j != free.first) {
            SSWAP(nra, col(free.first), 1, col(j), 1);
            p(j) = p(free.first);
            p(free.first) = j;
        }
        ++free.first;
    }
    free.last = nca;
    for (std::int32_t j = nca; j >= 1; --j) {
        if (p(j) >= 0) continue;
        p(j) = -p(j);
        if (j != free.last) {
            SSWAP(nra, col(free.last), 1, col(j), 1);
            std::swap(p(free.last), p(j));
        }
        --free.last;
    }
    return free;
}

}  // namespace

void L2RRR(std::int32_t nra, std::int32_t nca, const float* a, std::int32_t lda, bool pivot, std::int32_t* ipvt,
           float* qr, std::int32_t ldqr, float* qraux, float* conorm, float* work)
{
    E1PSH("L2RRR");
    if (!check_positive_dimensions(nra, nca) || !check_leading_dimension_of_a(nra, lda) ||
        !check_leading_dimension_of_qr(nra, ldqr, 3)) {
        E1POP("L2RRR");
        return;
    }
    auto QR = [&](std::int32_t i, std::int32_t j) -> float& { return matrix_element(qr, ldqr, i, j); };
    // work(nca - 1 + j): the norm of free column j when it was last computed in full.
    auto full_norm = [&](std::int32_t j) -> float& { return work[nca - 2 + j]; };
    for (std::int32_t j = 1; j <= nca; ++j) SCOPY(nra, &matrix_element(a, lda, 1, j), 1, &QR(1, j), 1);

    const FreeColumns free = pivot ? arrange_column_classes(nra, nca, ipvt, qr, ldqr) : FreeColumns{};
    for (std::int32_t j = 1; j <= nca; ++j) conorm[j - 1] = SNRM2(nra, &QR(1, j), 1);
    for (std::int32_t j = free.first; j <= free.last; ++j) {
        qraux[j - 1] = conorm[j - 1];
        if (pivot) full_norm(j) = qraux[j - 1];
    }

    for (std::int32_t l = 1; l <= std::min(nra, nca); ++l) {
        if (free.first <= l && l < free.last) {
            const std::int32_t maxj = l - 1 + index_of_largest(free.last - l + 1, &qraux[l - 1], 1);
            if (maxj != l) {
                SSWAP(nra, &QR(1, l), 1, &QR(1, maxj), 1);
                qraux[maxj - 1] = qraux[l - 1];
                if (pivot) full_norm(maxj) = full_norm(l);
                std::swap(ipvt[l - 1], ipvt[maxj - 1]);
            }
        }
        qraux[l - 1] = 0.0f;
        if (l == nra) break;
        float nrmxl = SNRM2(nra - l + 1, &QR(l, l), 1);
        if (nrmxl == 0.0f) continue;
        if (QR(l, l) < 0.0f) nrmxl = -nrmxl;
        SSCAL(nra - l + 1, 1.0f / nrmxl, &QR(l, l), 1);
        QR(l, l) += 1.0f;
        if (l < nca) {
            SGEMV('T', nra - l + 1, nca - l, -1.0f / QR(l, l), &QR(l, l + 1), ldqr, &QR(l, l), 1, 0.0f, work, 1);
            SGER(nra - l + 1, nca - l, 1.0f, &QR(l, l), 1, work, 1, &QR(l, l + 1), ldqr);
        }
        // Downdate the norms of the remaining free columns; recompute one in
        // full when too much of it has cancelled.
        for (std::int32_t j = l + 1; j <= nca; ++j) {
            if (j < free.first || j > free.last || qraux[j - 1] == 0.0f) continue;
            const float ratio = std::fabs(QR(l, j)) / qraux[j - 1];
            const float t = std::max(0.0f, 1.0f - ratio * ratio);
            float tt = 0.0f;
            if (pivot) {
                const float shrink = qraux[j - 1] / full_norm(j);
                tt = 1.0f + 0.05f * t * shrink * shrink;
            } else {
                tt = 1.0f + 0.05f * t;
            }
            if (tt != 1.0f) {
                qraux[j - 1] *= std::sqrt(t);
            } else {
                qraux[j - 1] = SNRM2(nra - l, &QR(l + 1, j), 1);
                if (pivot) full_norm(j) = qraux[j - 1];
            }
        }
        qraux[l - 1] = QR(l, l);
        QR(l, l) = -nrmxl;
    }
    E1POP("L2RRR");
}
