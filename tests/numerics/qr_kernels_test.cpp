#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "library_capture.h"
#include "numerics/qr_factorisation.h"
#include "numerics/qr_solve.h"
#include "test_random.h"

namespace {

using QrKernelsTest = LibraryTest;

struct Factorisation {
    int nra, nca, ldqr;
    std::vector<float> qr, qraux, conorm, work;
    std::vector<std::int32_t> ipvt;

    float r(int i, int j) const { return i <= j ? qr[(i - 1) + (j - 1) * ldqr] : 0.0f; }
};

Factorisation factorise(const std::vector<float>& a, int nra, int nca, int lda, std::vector<std::int32_t> classes = {})
{
    Factorisation f{nra, nca, nra + 2, {}, {}, {}, {}, {}};
    f.qr.assign(f.ldqr * nca, -7.0f);
    f.qraux.assign(nca, -7.0f);
    f.conorm.assign(nca, -7.0f);
    f.work.assign(2 * nca - 1, -7.0f);
    f.ipvt = classes.empty() ? std::vector<std::int32_t>(nca, 0) : classes;
    L2RRR(nra, nca, a.data(), lda, true, f.ipvt.data(), f.qr.data(), f.ldqr, f.qraux.data(), f.conorm.data(),
          f.work.data());
    return f;
}

// Q R must give back the pivoted columns of A.
void expect_reconstructs(Factorisation f, const std::vector<float>& a, int lda)
{
    const int k = std::min(f.nra, f.nca);
    for (int j = 1; j <= f.nca; ++j) {
        std::vector<float> column(f.nra, 0.0f);
        for (int i = 1; i <= std::min(j, f.nra); ++i) column[i - 1] = f.r(i, j);
        std::vector<float> q_column(f.nra);
        LQRSL(f.nra, k, f.qr.data(), f.ldqr, f.qraux.data(), column.data(), 10000, q_column.data(), nullptr, nullptr,
              nullptr, nullptr);
        for (int i = 1; i <= f.nra; ++i) {
            EXPECT_NEAR(q_column[i - 1], a[(i - 1) + (f.ipvt[j - 1] - 1) * lda], 2e-5f) << "row " << i << " col " << j;
        }
    }
}

std::vector<float> random_matrix(TestRandom& random, int rows, int cols, int lda)
{
    std::vector<float> a(lda * cols, 0.0f);
    for (int j = 0; j < cols; ++j) {
        for (int i = 0; i < rows; ++i) a[i + j * lda] = random.uniform(-1, 1);
    }
    return a;
}

TEST_F(QrKernelsTest, FactorisationReconstructsThePivotedMatrix)
{
    TestRandom random(5);
    const int shapes[][2] = {{6, 4}, {4, 6}, {5, 5}, {1, 3}, {3, 1}, {2, 2}};
    for (const auto& shape : shapes) {
        const int nra = shape[0], nca = shape[1], lda = nra + 1;
        const auto a = random_matrix(random, nra, nca, lda);
        const Factorisation f = factorise(a, nra, nca, lda);
        SCOPED_TRACE(std::to_string(nra) + "x" + std::to_string(nca));
        expect_reconstructs(f, a, lda);
        std::vector<std::int32_t> sorted = f.ipvt;
        std::sort(sorted.begin(), sorted.end());
        for (int j = 1; j <= nca; ++j) EXPECT_EQ(sorted[j - 1], j);
        for (int j = 2; j <= std::min(nra, nca); ++j) {
            EXPECT_GE(std::fabs(f.r(j - 1, j - 1)), std::fabs(f.r(j, j)) * (1 - 1e-6f)) << "pivot order at " << j;
        }
        if (nra <= nca) {
            EXPECT_EQ(f.qraux[nra - 1], 0.0f);  // the last row's step does nothing
        }
    }
    EXPECT_TRUE(lines.empty());
}

TEST_F(QrKernelsTest, OneRowPivotsTheLargestEntryToTheFront)
{
    const std::vector<float> a = {1, -5, 3, 5};  // lda 1: one row of four columns
    const Factorisation f = factorise(a, 1, 4, 1);
    EXPECT_EQ(f.ipvt, (std::vector<std::int32_t>{2, 1, 3, 4}));  // the first of the largest norms
    EXPECT_EQ(f.r(1, 1), -5);
    EXPECT_EQ(f.r(1, 2), 1);
    EXPECT_EQ(f.r(1, 3), 3);
    EXPECT_EQ(f.r(1, 4), 5);
    EXPECT_EQ(f.qraux[0], 0.0f);
}

TEST_F(QrKernelsTest, ZeroColumnsComeLastAndEqualNormsKeepTheirOrder)
{
    // Columns: zero, (3,4,0), (0,0,5), (1,1,1).
    const std::vector<float> a = {0, 0, 0, 3, 4, 0, 0, 0, 5, 1, 1, 1};
    const Factorisation f = factorise(a, 3, 4, 3);
    EXPECT_EQ(f.ipvt[0], 2);  // norms 5 and 5: the leftmost wins
    EXPECT_EQ(f.ipvt[3], 1);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(f.r(i, 4), 0.0f);
    EXPECT_EQ(f.conorm, (std::vector<float>{0.0f, 5.0f, 5.0f, std::sqrt(3.0f)}));
    expect_reconstructs(f, a, 3);
}

TEST_F(QrKernelsTest, InitialAndFinalColumnsStayInPlace)
{
    TestRandom random(9);
    const auto a = random_matrix(random, 5, 4, 5);
    // Column 3 must lead and column 1 must come last, whatever their norms.
    const Factorisation f = factorise(a, 5, 4, 5, {-1, 0, 1, 0});
    EXPECT_EQ(f.ipvt[0], 3);
    EXPECT_EQ(f.ipvt[3], 1);
    expect_reconstructs(f, a, 5);
}

TEST_F(QrKernelsTest, SolveReturnsEveryRequestedOutput)
{
    TestRandom random(21);
    const int nra = 6, nca = 3;
    const auto a = random_matrix(random, nra, nca, nra);
    Factorisation f = factorise(a, nra, nca, nra);
    std::vector<float> y(nra);
    for (float& v : y) v = random.uniform(-1, 1);
    std::vector<float> qy(nra), qty(nra), b(nca), res(nra), ax(nra);
    LQRSL(nra, nca, f.qr.data(), f.ldqr, f.qraux.data(), y.data(), 11111, qy.data(), qty.data(), b.data(), res.data(),
          ax.data());
    EXPECT_EQ(N1RTY(1), 0);
    std::vector<float> back(nra);
    LQRSL(nra, nca, f.qr.data(), f.ldqr, f.qraux.data(), qty.data(), 10000, back.data(), nullptr, nullptr, nullptr,
          nullptr);
    for (int i = 0; i < nra; ++i) {
        EXPECT_NEAR(back[i], y[i], 1e-5f);  // Q Q'y = y
        EXPECT_NEAR(res[i] + ax[i], y[i], 1e-5f);
        double ab = 0;  // A b, b in pivoted order
        for (int k = 0; k < nca; ++k) ab += double(a[i + (f.ipvt[k] - 1) * nra]) * b[k];
        EXPECT_NEAR(ax[i], ab, 1e-5f);
    }
    // The residual is orthogonal to the columns of A.
    for (int j = 0; j < nca; ++j) {
        double s = 0;
        for (int i = 0; i < nra; ++i) s += double(a[i + j * nra]) * res[i];
        EXPECT_NEAR(s, 0.0, 1e-5);
    }
    // Request 110 gives b and res, and leaves Q'y in qty; qy is not touched.
    std::vector<float> qty2(nra), b2(nca), res2(nra), untouched(nra, 42.0f);
    LQRSL(nra, nca, f.qr.data(), f.ldqr, f.qraux.data(), y.data(), 110, untouched.data(), qty2.data(), b2.data(),
          res2.data(), untouched.data());
    EXPECT_EQ(qty2, qty);
    EXPECT_EQ(b2, b);
    EXPECT_EQ(res2, res);
    EXPECT_EQ(untouched, std::vector<float>(nra, 42.0f));
}

TEST_F(QrKernelsTest, SolveReportsASingularTriangleAndBadArguments)
{
    const std::vector<float> a = {1, 0, 0, 2, 0, 0};  // second column parallel to the first
    Factorisation f = factorise(a, 3, 2, 3);
    std::vector<float> y = {1, 2, 3}, qty(3), b(2, -1.0f), res(3);
    LQRSL(3, 2, f.qr.data(), f.ldqr, f.qraux.data(), y.data(), 110, nullptr, qty.data(), b.data(), res.data(), nullptr);
    EXPECT_EQ(N1RTY(1), 4);
    EXPECT_EQ(N1RCD(1), 1);
    EXPECT_EQ(printed_text(),
              " 1 from LQRSL. Computation of the least squares solution has been requested but the upper triangular "
              "matrix R is exactly singular; the index of the first zero diagonal element of R is 2.");
    take_output();
    stops.clear();

    struct Case {
        int nra, kbasis, ldqr, ipath, code;
    };
    const Case cases[] = {{0, 1, 3, 1, 1}, {3, 1, 2, 1, 2}, {3, 0, 3, 1, 3},
                          {3, 4, 5, 1, 3}, {3, 1, 3, 0, 4}, {3, 1, 3, 100000, 4}};
    for (const Case& c : cases) {
        std::vector<float> out(3, 5.0f);
        LQRSL(c.nra, c.kbasis, f.qr.data(), c.ldqr, f.qraux.data(), y.data(), c.ipath, out.data(), out.data(),
              out.data(), out.data(), out.data());
        EXPECT_EQ(N1RTY(1), 5);
        EXPECT_EQ(N1RCD(1), c.code) << c.nra << " " << c.kbasis << " " << c.ldqr << " " << c.ipath;
        EXPECT_EQ(out, std::vector<float>(3, 5.0f));
    }
    take_output();
}

TEST_F(QrKernelsTest, OneRowSolve)
{
    const std::vector<float> a = {4, 2};
    Factorisation f = factorise(a, 1, 2, 1);
    const float y = 8;
    float qy = 0, qty = 0, b = 0, res = 9, ax = 0;
    LQRSL(1, 1, f.qr.data(), f.ldqr, f.qraux.data(), &y, 11111, &qy, &qty, &b, &res, &ax);
    EXPECT_EQ(qy, 8);
    EXPECT_EQ(qty, 8);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(res, 0);
    EXPECT_EQ(ax, 8);
}

TEST_F(QrKernelsTest, TriangularSolvesOfEveryKind)
{
    // Upper part 2 1 / . 4 ; lower part 2 . / 3 4 (column order: 2, 3, 1, 4).
    const std::vector<float> t = {2, 3, 1, 4};
    const std::vector<float> rhs = {4, 8};
    struct Case {
        std::int32_t ipath;
        float x1, x2;
    };
    const Case cases[] = {{1, 2.0f, 0.5f}, {2, 1.0f, 2.0f}, {3, -1.0f, 2.0f}, {4, 2.0f, 1.5f}};
    for (const Case& c : cases) {
        std::vector<float> x = rhs;
        LSLRT(2, t.data(), 2, x.data(), c.ipath, x.data());
        EXPECT_FLOAT_EQ(x[0], c.x1) << c.ipath;
        EXPECT_FLOAT_EQ(x[1], c.x2) << c.ipath;
    }
    EXPECT_TRUE(lines.empty());

    struct Bad {
        std::int32_t n, lda, ipath, code;
        std::vector<float> matrix;
        const char* text;
    };
    const Bad bads[] = {
        {0, 2, 1, 1, t, "The number of equations must be positive while N = 0 is given."},
        {2, 1, 1, 2, t,
         "The order of the matrix must be less than or equal to its leading dimension while N = 2 and "
         "LDA = 1 are given."},
        {2,
         2,
         1,
         3,
         {2, 3, 1, 0},
         "The input triangular matrix is singular. The index of the first zero diagonal element is equal to 2."},
        {2, 2, 5, 4, t, "IPATH must be either 1, 2, 3 or 4 while a value of 5 is given."},
    };
    for (const Bad& bad : bads) {
        std::vector<float> x = {7, 7};
        LSLRT(bad.n, bad.matrix.data(), bad.lda, rhs.data(), bad.ipath, x.data());
        EXPECT_EQ(N1RCD(1), bad.code);
        EXPECT_EQ(printed_text(), " " + std::to_string(bad.code) + " from LSLRT. " + bad.text);
        EXPECT_EQ(x, (std::vector<float>{7, 7}));
        take_output();
    }
}

TEST_F(QrKernelsTest, FactorisationChecksItsDimensions)
{
    const std::vector<float> a(12, 1.0f);
    std::vector<float> qr(12, -3.0f), aux(4), work(7);
    std::vector<std::int32_t> ipvt(4, 0);
    struct Case {
        int nra, nca, lda, ldqr, code;
    };
    for (const Case c : {Case{0, 4, 3, 3, 1}, Case{3, 0, 3, 3, 1}, Case{3, 4, 2, 3, 2}, Case{3, 4, 3, 2, 3}}) {
        L2RRR(c.nra, c.nca, a.data(), c.lda, true, ipvt.data(), qr.data(), c.ldqr, aux.data(), aux.data(), work.data());
        EXPECT_EQ(N1RTY(1), 5);
        EXPECT_EQ(N1RCD(1), c.code);
        EXPECT_EQ(qr, std::vector<float>(12, -3.0f));
    }
    take_output();
}

}  // namespace
