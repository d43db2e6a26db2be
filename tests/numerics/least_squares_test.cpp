#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "library_capture.h"
#include "numerics/least_squares.h"
#include "numerics/options.h"
#include "test_random.h"

namespace {

using LeastSquaresTest = LibraryTest;

// A system stored as the balancer stores it: by columns, leading dimension lda.
struct System {
    int nra, nca, lda;
    std::vector<float> a, b;

    float at(int i, int j) const { return a[i + j * lda]; }
};

System make_system(int nra, int nca, int lda, const std::vector<std::vector<float>>& rows, std::vector<float> b)
{
    System s{nra, nca, lda, std::vector<float>(lda * nca, 0.0f), std::move(b)};
    for (int i = 0; i < nra; ++i) {
        for (int j = 0; j < nca; ++j) s.a[i + j * lda] = rows[i][j];
    }
    return s;
}

struct Solution {
    std::vector<float> x, res;
    std::int32_t kbasis = -1;
};

Solution solve(const System& s, float tol, float res_fill = 0.0f)
{
    Solution out{std::vector<float>(s.nca, -1.0f), std::vector<float>(s.nra, res_fill), -1};
    LSBRR(s.nra, s.nca, s.a.data(), s.lda, s.b.data(), tol, out.x.data(), out.res.data(), out.kbasis);
    return out;
}

// The least-squares solution from the normal equations in extended
// precision, an independent route to the same answer.
std::vector<double> reference_solution(const System& s)
{
    const int n = s.nca;
    std::vector<std::vector<long double>> m(n, std::vector<long double>(n + 1, 0.0L));
    for (int j = 0; j < n; ++j) {
        for (int k = 0; k < n; ++k) {
            for (int i = 0; i < s.nra; ++i) m[j][k] += static_cast<long double>(s.at(i, j)) * s.at(i, k);
        }
        for (int i = 0; i < s.nra; ++i) m[j][n] += static_cast<long double>(s.at(i, j)) * s.b[i];
    }
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i) {
            if (std::fabs(m[i][k]) > std::fabs(m[p][k])) p = i;
        }
        std::swap(m[k], m[p]);
        for (int i = k + 1; i < n; ++i) {
            const long double f = m[i][k] / m[k][k];
            for (int j = k; j <= n; ++j) m[i][j] -= f * m[k][j];
        }
    }
    std::vector<double> x(n);
    for (int k = n - 1; k >= 0; --k) {
        long double v = m[k][n];
        for (int j = k + 1; j < n; ++j) v -= m[k][j] * x[j];
        x[k] = static_cast<double>(v / m[k][k]);
    }
    return x;
}

std::vector<double> residual_of(const System& s, const std::vector<float>& x)
{
    std::vector<double> r(s.nra);
    for (int i = 0; i < s.nra; ++i) {
        double v = s.b[i];
        for (int j = 0; j < s.nca; ++j) v -= double(s.at(i, j)) * x[j];
        r[i] = v;
    }
    return r;
}

double norm(const std::vector<double>& v)
{
    double s = 0;
    for (double e : v) s += e * e;
    return std::sqrt(s);
}

void expect_residual_returned(const System& s, const Solution& sol, double tolerance)
{
    const auto r = residual_of(s, sol.x);
    for (int i = 0; i < s.nra; ++i) EXPECT_NEAR(sol.res[i], r[i], tolerance) << "row " << i;
}

TEST_F(LeastSquaresTest, BalancesHydrogenAndOxygen)
{
    // H2 + O2 = H2O with the coefficient of H2 fixed at 1: rows H and O.
    const System s = make_system(2, 2, 10, {{0, -2}, {2, -1}}, {-2, 0});
    ERSET(0, 0, 0);
    const Solution sol = solve(s, 0.0f);
    EXPECT_EQ(sol.kbasis, 2);
    EXPECT_NEAR(sol.x[0], 0.5f, 1e-6f);
    EXPECT_NEAR(sol.x[1], 1.0f, 1e-6f);
    EXPECT_EQ(N1RTY(1), 0);
    EXPECT_TRUE(lines.empty());
}

TEST_F(LeastSquaresTest, BalancesCopperWithNitricAcid)
{
    // Cu + HNO3 = Cu(NO3)2 + NO + H2O; rows Cu, H, N, O; unknowns HNO3, Cu(NO3)2, NO, H2O.
    const System s =
        make_system(4, 4, 10, {{0, -1, 0, 0}, {1, 0, 0, -2}, {1, -2, -1, 0}, {3, -6, -1, -1}}, {-1, 0, 0, 0});
    ERSET(0, 0, 0);
    const Solution sol = solve(s, 0.0f);
    EXPECT_EQ(sol.kbasis, 4);
    const float expected[4] = {8.0f / 3, 1.0f, 2.0f / 3, 4.0f / 3};
    const auto reference = reference_solution(s);
    for (int j = 0; j < 4; ++j) {
        EXPECT_NEAR(sol.x[j], expected[j], 2e-6f) << j;
        EXPECT_NEAR(sol.x[j], reference[j], 2e-6) << j;
    }
    for (float r : sol.res) EXPECT_NEAR(r, 0.0f, 1e-6f);
    EXPECT_EQ(N1RTY(1), 0);
}

TEST_F(LeastSquaresTest, OverdeterminedSystemsMatchAnIndependentSolution)
{
    TestRandom random(17);
    for (const int shape : {0, 1, 2}) {
        const int nra = 8 + 3 * shape, nca = 3 + shape, lda = nra + shape;
        System s{nra, nca, lda, std::vector<float>(lda * nca), std::vector<float>(nra)};
        for (float& v : s.a) v = random.uniform(-3, 3);
        for (float& v : s.b) v = random.uniform(-3, 3);
        const Solution sol = solve(s, 0.0f);
        EXPECT_EQ(sol.kbasis, nca);
        const auto reference = reference_solution(s);
        for (int j = 0; j < nca; ++j) EXPECT_NEAR(sol.x[j], reference[j], 1e-6 * (1 + std::fabs(reference[j])));
        expect_residual_returned(s, sol, 1e-5);
        EXPECT_EQ(N1RTY(1), 0);
    }
    EXPECT_TRUE(lines.empty());
}

TEST_F(LeastSquaresTest, IllConditionedSystemsAreRefinedToTheirSolution)
{
    // Columns 1, t, t^2, t^3, t^4 at 9 points in [1, 2]: condition near 1e5,
    // beyond what a single-precision solve reaches without refinement.
    const int nra = 9, nca = 5;
    System s{nra, nca, nra, std::vector<float>(nra * nca), std::vector<float>(nra)};
    for (int i = 0; i < nra; ++i) {
        const float t = 1.0f + static_cast<float>(i) / 8.0f;
        float p = 1.0f;
        for (int j = 0; j < nca; ++j, p *= t) s.a[i + j * nra] = p;
        s.b[i] = std::exp(t);
    }
    const Solution sol = solve(s, 0.0f);
    EXPECT_EQ(N1RTY(1), 0);
    const auto reference = reference_solution(s);
    for (int j = 0; j < nca; ++j) EXPECT_NEAR(sol.x[j], reference[j], 2e-5 * (1 + std::fabs(reference[j]))) << j;
    expect_residual_returned(s, sol, 1e-5);
}

TEST_F(LeastSquaresTest, TooIllConditionedSystemsWarnWithTheConditionEstimate)
{
    const int n = 7;  // the Hilbert matrix of order 7
    System s{n, n, n, std::vector<float>(n * n), std::vector<float>(n, 1.0f)};
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) s.a[i + j * n] = 1.0f / static_cast<float>(i + j + 1);
    }
    const Solution sol = solve(s, 0.0f);
    EXPECT_EQ(N1RTY(1), 3);
    EXPECT_EQ(N1RCD(1), 1);
    EXPECT_TRUE(stops.empty());
    const std::string text = printed_text();
    EXPECT_EQ(text.rfind(" 1 from LSBRR. The matrix is too ill-conditioned for iterative refinement to be effective. "
                         "An estimate of the condition number of A is equal to ",
                         0),
              0u)
        << text;
    EXPECT_EQ(text.back(), '.');
    take_output();

    ERSET(0, 0, 0);
    solve(s, 0.0f);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(N1RTY(1), 3);  // silent, but still on record for the program
    EXPECT_EQ(N1RCD(1), 1);
}

TEST_F(LeastSquaresTest, RankDeficientSystemsLeaveColumnsOut)
{
    // The third column is zero: the basis stops before it and its x is 0.
    const System zero = make_system(4, 3, 4, {{1, 2, 0}, {0, 1, 0}, {1, 0, 0}, {2, 1, 0}}, {1, 2, 3, 4});
    const Solution sol = solve(zero, 0.0f);
    EXPECT_EQ(sol.kbasis, 2);
    EXPECT_EQ(sol.x[2], 0.0f);
    const System reduced = make_system(4, 2, 4, {{1, 2}, {0, 1}, {1, 0}, {2, 1}}, {1, 2, 3, 4});
    const auto reference = reference_solution(reduced);
    EXPECT_NEAR(sol.x[0], reference[0], 1e-6);
    EXPECT_NEAR(sol.x[1], reference[1], 1e-6);
    expect_residual_returned(zero, sol, 1e-6);

    // The fourth column is the sum of the first two: a tolerance drops one
    // column, and the residual is still the least one.
    TestRandom random(23);
    System dependent{6, 4, 6, std::vector<float>(24), std::vector<float>(6)};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 3; ++j) dependent.a[i + j * 6] = random.uniform(-1, 1);
        dependent.a[i + 18] = dependent.a[i] + dependent.a[i + 6];
        dependent.b[i] = random.uniform(-1, 1);
    }
    const Solution cut = solve(dependent, 1e-4f);
    EXPECT_EQ(cut.kbasis, 3);
    EXPECT_EQ(std::count(cut.x.begin(), cut.x.end(), 0.0f), 1);
    System independent{6, 3, 6, std::vector<float>(dependent.a.begin(), dependent.a.begin() + 18), dependent.b};
    const auto reference_fit = reference_solution(independent);
    const double least =
        norm(residual_of(independent, {float(reference_fit[0]), float(reference_fit[1]), float(reference_fit[2])}));
    EXPECT_NEAR(norm(residual_of(dependent, cut.x)), least, 1e-5);
    expect_residual_returned(dependent, cut, 1e-5);
}

TEST_F(LeastSquaresTest, NoBasisLeavesXZeroAndTheResidualAsPassed)
{
    const System s = make_system(3, 2, 3, {{1, 2}, {3, 4}, {5, 6}}, {1, 1, 1});
    for (const float tol : {1.0f, 2.5f}) {
        const Solution sol = solve(s, tol, 7.0f);
        EXPECT_EQ(sol.kbasis, 0);
        EXPECT_EQ(sol.x, std::vector<float>(2, 0.0f));
        EXPECT_EQ(sol.res, std::vector<float>(3, 7.0f));
    }
    const System nothing = make_system(3, 2, 3, {{0, 0}, {0, 0}, {0, 0}}, {1, 2, 3});
    const Solution sol = solve(nothing, 0.0f, 7.0f);
    EXPECT_EQ(sol.kbasis, 0);
    EXPECT_EQ(sol.x, std::vector<float>(2, 0.0f));
    EXPECT_EQ(sol.res, std::vector<float>(3, 7.0f));
    EXPECT_EQ(N1RTY(1), 0);
    EXPECT_TRUE(lines.empty());
}

TEST_F(LeastSquaresTest, ANegativeToleranceMeetsTheSingularTriangle)
{
    const System s = make_system(3, 2, 3, {{1, 0}, {2, 0}, {3, 0}}, {1, 2, 3});
    const Solution sol = solve(s, -1.0f);
    EXPECT_EQ(sol.kbasis, 2);
    EXPECT_EQ(N1RTY(1), 4);
    EXPECT_EQ(N1RCD(1), 1);
    EXPECT_NE(printed_text().find("the index of the first zero diagonal element of R is 2."), std::string::npos);
    ASSERT_EQ(stops.size(), 1u);  // a fatal error at the program's call
    EXPECT_EQ(stops[0].routine, "LSBRR");
}

TEST_F(LeastSquaresTest, OneRowSystems)
{
    const System s = make_system(1, 3, 1, {{1, -4, 2}}, {8});
    const Solution sol = solve(s, 0.0f);
    EXPECT_EQ(sol.kbasis, 1);
    EXPECT_EQ(sol.x, (std::vector<float>{0, -2, 0}));
    EXPECT_EQ(sol.res[0], 0.0f);
    EXPECT_EQ(N1RTY(1), 0);
}

TEST_F(LeastSquaresTest, PaddedWorkspaceGivesTheSameResults)
{
    TestRandom random(31);
    for (const int nra : {16, 32, 17}) {
        const int nca = 5;
        System s{nra, nca, nra, std::vector<float>(nra * nca), std::vector<float>(nra)};
        for (float& v : s.a) v = random.uniform(-1, 1);
        for (float& v : s.b) v = random.uniform(-1, 1);
        const Solution padded = solve(s, 0.0f);
        // At the default option values L2BRR pads nothing.
        std::vector<float> qr(nra * nca), qraux(nca), wk(nra + 2 * nca - 1);
        std::vector<std::int32_t> ipvt(nca);
        Solution plain{std::vector<float>(nca), std::vector<float>(nra), -1};
        L2BRR(nra, nca, s.a.data(), nra, s.b.data(), 0.0f, plain.x.data(), plain.res.data(), plain.kbasis, qr.data(),
              qraux.data(), ipvt.data(), wk.data());
        EXPECT_EQ(padded.x, plain.x) << nra;
        EXPECT_EQ(padded.res, plain.res) << nra;
        EXPECT_EQ(padded.kbasis, plain.kbasis) << nra;
    }
}

std::vector<std::int32_t> workspace_options()
{
    const std::int32_t options[2] = {16, 17};
    std::vector<std::int32_t> values(6);
    IUMAG("MATH", 1, 1, 2, options, values.data());
    return values;
}

TEST_F(LeastSquaresTest, OptionsAreRestoredAfterEveryCall)
{
    const std::vector<std::int32_t> defaults = {1, 16, 0, 1, 1, 2};
    const System s = make_system(2, 2, 10, {{0, -2}, {2, -1}}, {-2, 0});
    solve(s, 0.0f);
    EXPECT_EQ(workspace_options(), defaults);
    const System empty{0, 2, 1, std::vector<float>(2), std::vector<float>(1)};
    solve(empty, 0.0f);
    EXPECT_EQ(workspace_options(), defaults);
    take_output();

    const std::int32_t option = 16;
    std::int32_t changed[4] = {3, 2, 0, 1};
    IUMAG("MATH", 1, 2, 1, &option, changed);
    const Solution sol = solve(s, 0.0f);  // two rows: three rows of padding
    EXPECT_NEAR(sol.x[0], 0.5f, 1e-6f);
    EXPECT_NEAR(sol.x[1], 1.0f, 1e-6f);
    EXPECT_EQ(workspace_options(), (std::vector<std::int32_t>{3, 2, 0, 1, 1, 2}));
}

TEST_F(LeastSquaresTest, ArgumentErrors)
{
    const System s = make_system(2, 2, 10, {{0, -2}, {2, -1}}, {-2, 0});
    std::vector<float> x(2, 9.0f), res(2, 9.0f);
    std::int32_t kbasis = -1;
    LSBRR(0, 2, s.a.data(), 10, s.b.data(), 0.0f, x.data(), res.data(), kbasis);
    EXPECT_EQ(printed_text(),
              " 1 from LSBRR. Both the number of rows and the number of columns of the input matrix have to be "
              "positive while NRA = 0 and NCA = 2 are given.");
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].routine, "LSBRR");
    take_output();
    ERSET(0, 0, 0);
    LSBRR(2, -1, s.a.data(), 10, s.b.data(), 0.0f, x.data(), res.data(), kbasis);
    EXPECT_EQ(N1RTY(1), 5);
    EXPECT_EQ(N1RCD(1), 1);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(stops.size(), 1u);
    ERSET(0, 2, 2);

    std::vector<float> qr(20), qraux(2), wk(5);
    std::vector<std::int32_t> ipvt(2);
    L2BRR(2, 2, s.a.data(), 1, s.b.data(), 0.0f, x.data(), res.data(), kbasis, qr.data(), qraux.data(), ipvt.data(),
          wk.data());
    EXPECT_EQ(printed_text(),
              " 2 from L2BRR. The number of rows of A must be less than or equal to its leading dimension while NRA "
              "= 2 and LDA = 1 are given.");
    take_output();

    // Unusable padding values are reported, and nothing divides by them.
    const std::int32_t option = 16;
    for (const auto& values : {std::vector<std::int32_t>{1, 16, -1, 16}, std::vector<std::int32_t>{1, 16, 0, 0}}) {
        std::vector<std::int32_t> put = values;
        IUMAG("MATH", 1, 2, 1, &option, put.data());
        L2BRR(2, 2, s.a.data(), 10, s.b.data(), 0.0f, x.data(), res.data(), kbasis, qr.data(), qraux.data(),
              ipvt.data(), wk.data());
        EXPECT_EQ(N1RCD(1), 4);
        EXPECT_EQ(printed_text(),
                  " 4 from L3BRR. The option values 3,4 must be respectively not less than zero, and non-negative "
                  "while " +
                      std::to_string(values[2]) + " and " + std::to_string(values[3]) + " are given.");
        EXPECT_EQ(x, std::vector<float>(2, 9.0f));
        take_output();
    }
}

}  // namespace
