#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

#include "library_capture.h"
#include "numerics/blas.h"
#include "numerics/vector_kernels.h"
#include "test_random.h"

namespace {

using VectorKernelsTest = LibraryTest;

TEST(Blas, StridesRunFromTheFarEndWhenNegative)
{
    const float x[6] = {1, 2, 3, 4, 5, 6};
    float y[3] = {};
    SCOPY(3, x, 2, y, -1);
    EXPECT_EQ(y[0], 5);
    EXPECT_EQ(y[1], 3);
    EXPECT_EQ(y[2], 1);
    EXPECT_EQ(SDOT(3, x, 2, y, 1), 1 * 5 + 3 * 3 + 5 * 1);
    EXPECT_EQ(SDOT(3, x, -2, y, 1), 5 * 5 + 3 * 3 + 1 * 1);
    float z[3] = {1, 1, 1};
    SAXPY(3, 2.0f, x, -1, z, 1);
    EXPECT_EQ(z[0], 7);
    EXPECT_EQ(z[2], 3);
    float a[4] = {1, 2, 3, 4};
    float b[4] = {5, 6, 7, 8};
    SSWAP(2, a, 2, b, -1);
    EXPECT_EQ(a[0], 6);
    EXPECT_EQ(a[2], 5);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[1], 1);
    SSCAL(2, 0.5f, b, 3);
    EXPECT_EQ(b[0], 1.5f);
    EXPECT_EQ(b[3], 4.0f);
    SCOPY(0, x, 1, y, 1);
    EXPECT_EQ(y[0], 5);
}

TEST(Blas, NormsAvoidOverflowAndUnderflow)
{
    const float big[3] = {3e30f, 4e30f, 0.0f};
    EXPECT_FLOAT_EQ(SNRM2(3, big, 1), 5e30f);
    const float tiny[2] = {3e-30f, -4e-30f};
    EXPECT_FLOAT_EQ(SNRM2(2, tiny, 1), 5e-30f);
    const float mixed[4] = {1, -2, 2, 100};
    EXPECT_FLOAT_EQ(SNRM2(3, mixed, 1), 3.0f);
    EXPECT_FLOAT_EQ(SNRM2(2, mixed, 3), std::sqrt(10001.0f));
    EXPECT_EQ(SNRM2(0, mixed, 1), 0.0f);
    EXPECT_EQ(SNRM2(2, mixed, -1), 0.0f);
}

TEST(Blas, ExtendedDotProductsKeepWhatRealsLose)
{
    const float x[3] = {1e8f, 1.0f, -1e8f};
    const float ones[3] = {1, 1, 1};
    EXPECT_EQ(SDSDOT(3, 0.0f, x, 1, ones, 1), 1.0f);
    EXPECT_EQ(SDSDOT(3, 0.5f, x, 1, ones, 1), 1.5f);
    ExtendedAccumulator acc;
    EXPECT_EQ(accumulate_dot_extended(2, 0.25f, acc, x, 1, ones, 1), 1e8f);
    add_to_accumulator(-1e8f, acc);
    float value = 0.0f;
    store_accumulator(acc, value);
    EXPECT_EQ(value, 1.25f);
    init_accumulator(1.0f, acc);
    accumulate_product(1e4f, 1e4f, acc);  // 1e8 + 1 is not a real
    accumulate_product(-1e4f, 1e4f, acc);
    store_accumulator(acc, value);
    EXPECT_EQ(value, 1.0f);
    EXPECT_EQ(accumulate_dot_extended(3, 0.0f, acc, x, -1, ones, 1), 1.0f);
}

// Checks the matrix-vector kernels against sums in double precision.
TEST(Blas, MatrixKernelsAgreeWithDirectSums)
{
    TestRandom random(7);
    const int m = 5, n = 3, lda = 7;
    std::vector<float> a(lda * n);
    for (float& v : a) v = random.uniform(-2, 2);
    std::vector<float> x(5), y(5);
    for (float& v : x) v = random.uniform(-1, 1);
    for (float& v : y) v = random.uniform(-1, 1);

    std::vector<float> out = y;
    SGEMV('N', m, n, 2.0f, a.data(), lda, x.data(), 1, 0.5f, out.data(), 1);
    for (int i = 0; i < m; ++i) {
        double s = 0;
        for (int j = 0; j < n; ++j) s += double(a[i + j * lda]) * x[j];
        EXPECT_NEAR(out[i], 2 * s + 0.5 * y[i], 1e-5) << i;
    }
    std::vector<float> garbage(n, NAN);
    SGEMV('T', m, n, -1.0f, a.data(), lda, x.data(), 1, 0.0f, garbage.data(), 1);
    for (int j = 0; j < n; ++j) {
        double s = 0;
        for (int i = 0; i < m; ++i) s += double(a[i + j * lda]) * x[i];
        EXPECT_NEAR(garbage[j], -s, 1e-5) << j;
    }
    std::vector<float> updated = a;
    SGER(m, n, 3.0f, x.data(), 1, y.data(), 1, updated.data(), lda);
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < n; ++j) EXPECT_NEAR(updated[i + j * lda], a[i + j * lda] + 3.0 * x[i] * y[j], 1e-5);
    }
    EXPECT_EQ(updated[m], a[m]);  // rows beyond m in the leading dimension are left alone
}

TEST(Blas, TriangularSolvesInvertTheirProducts)
{
    TestRandom random(11);
    const int n = 4, lda = 5;
    std::vector<float> t(lda * n);
    for (float& v : t) v = random.uniform(-1, 1);
    for (int i = 0; i < n; ++i) t[i + i * lda] = 2.0f + static_cast<float>(i);
    const char* forms[4][3] = {{"U", "N", "N"}, {"L", "N", "N"}, {"U", "T", "N"}, {"L", "T", "U"}};
    for (const auto& form : forms) {
        const bool upper = form[0][0] == 'U', transposed = form[1][0] == 'T', unit = form[2][0] == 'U';
        auto element = [&](int i, int j) -> double {
            if (transposed) std::swap(i, j);
            if (i == j) return unit ? 1.0 : t[i + j * lda];
            return (upper ? i < j : i > j) ? t[i + j * lda] : 0.0;
        };
        const std::vector<float> b = {1, -2, 3, 0.5f};
        std::vector<float> x = b;
        STRSV(form[0][0], form[1][0], form[2][0], n, t.data(), lda, x.data(), 1);
        for (int i = 0; i < n; ++i) {
            double s = 0;
            for (int j = 0; j < n; ++j) s += element(i, j) * x[j];
            EXPECT_NEAR(s, b[i], 1e-5) << form[0] << form[1] << form[2] << " row " << i;
        }
    }
}

TEST(VectorKernels, FillsAndTheLargestElement)
{
    float x[6] = {};
    fill_real_vector(3, 2.5f, x, 2);
    EXPECT_EQ(x[0], 2.5f);
    EXPECT_EQ(x[1], 0.0f);
    EXPECT_EQ(x[4], 2.5f);
    std::int32_t ix[3] = {};
    fill_int_vector(3, -1, ix, 1);
    EXPECT_EQ(ix[2], -1);

    const float values[6] = {-9, 3, 7, 7, -20, 7};
    EXPECT_EQ(index_of_largest(6, values, 1), 3);  // first of the equal largest; signs count
    EXPECT_EQ(index_of_largest(3, values, 2), 2);
    EXPECT_EQ(index_of_largest(1, values, 1), 1);
    EXPECT_EQ(index_of_largest(0, values, 1), 0);
}

TEST_F(VectorKernelsTest, PermutationsGoBothWaysAndLeaveTheirIndexUnchanged)
{
    TestRandom random(3);
    for (int n : {1, 2, 5, 17}) {
        std::vector<std::int32_t> perm(n);
        std::iota(perm.begin(), perm.end(), 1);
        for (int i = n - 1; i > 0; --i) std::swap(perm[i], perm[random.below(i + 1)]);
        std::vector<float> x(n);
        for (float& v : x) v = random.uniform(-5, 5);
        const std::vector<std::int32_t> original = perm;

        std::vector<float> gathered(n);
        PERMU(n, x.data(), perm.data(), 1, gathered.data());
        for (int i = 0; i < n; ++i) EXPECT_EQ(gathered[i], x[perm[i] - 1]);
        std::vector<float> in_place = x;
        PERMU(n, in_place.data(), perm.data(), 1, in_place.data());
        EXPECT_EQ(in_place, gathered);
        PERMU(n, in_place.data(), perm.data(), 2, in_place.data());
        EXPECT_EQ(in_place, x);
        std::vector<float> scattered(n);
        PERMU(n, x.data(), perm.data(), 2, scattered.data());
        for (int i = 0; i < n; ++i) EXPECT_EQ(scattered[perm[i] - 1], x[i]);
        EXPECT_EQ(perm, original);
    }
    EXPECT_TRUE(lines.empty());
}

TEST_F(VectorKernelsTest, PermutationErrors)
{
    float x[3] = {1, 2, 3};
    float out[3] = {9, 9, 9};
    std::int32_t perm[3] = {2, 0, 4};
    PERMU(3, x, perm, 1, out);
    EXPECT_EQ(N1RCD(1), 3);
    EXPECT_EQ(printed_text(), " 3 from PERMU. IPERMU(2) = 0 is not allowed. It must be between 1 and N = 3.\n"
                              " 3 from PERMU. IPERMU(3) = 4 is not allowed. It must be between 1 and N = 3.");
    EXPECT_EQ(perm[0], 2);  // the valid entries lose their marks again
    EXPECT_EQ(perm[1], 0);
    EXPECT_EQ(perm[2], 4);
    take_output();

    std::int32_t good[3] = {3, 1, 2};
    PERMU(0, x, good, 1, out);
    EXPECT_EQ(printed_text(),
              " 1 from PERMU. The length of the arrays X and XPERMU must be positive while N = 0 is given.");
    take_output();
    PERMU(3, x, good, 3, out);
    EXPECT_EQ(printed_text(), " 2 from PERMU. IPATH must be equal to 1 or 2 while a value of 3 is given.");
    EXPECT_EQ(out[0], 1);  // only the bad index's path copied nothing more

    // Not a permutation: it must end, within bounds.
    std::int32_t repeated[4] = {2, 2, 4, 4};
    float y[4] = {1, 2, 3, 4};
    PERMU(4, y, repeated, 2, y);
    PERMU(4, y, repeated, 1, y);
    EXPECT_EQ(repeated[0], 2);
    EXPECT_EQ(repeated[3], 4);
}

}  // namespace
