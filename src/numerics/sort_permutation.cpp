// A quicksort without recursion: the larger part of each partition waits on
// a stack, segments of at most 11 elements are finished by straight insertion.
#include "numerics/sort_permutation.h"

#include <array>
#include <tuple>
#include <utility>

#include "numerics/blas.h"
#include "numerics/error_handler.h"

namespace {

// Since the larger part is the one that waits, the k-th pending segment holds
// at most n / 2^(k-1) elements and only segments of two or more are split:
// 31 entries cover every n of 32 bits, so the stack can never overflow.
constexpr std::int32_t pending_capacity = 31;

}  // namespace

float advance_pivot_fraction(float r)
{
    return r <= 0.5898437f ? r + 0.0390625f : r - 0.21875f;
}

void SVRGP(std::int32_t n, const float* ra, float* rb, std::int32_t* iperm)
{
    E1PSH("SVRGP");
    if (rb != ra) SCOPY(n, ra, 1, rb, 1);
    if (n < 1) {
        store_int_message_param(1, n);
        E1MES(5, 1,
              "The length of vectors RA, RB and IPERM must be greater than or equal to one.  On input the length, N, "
              "is given as %(I1).");
    }
    if (N1RTY(0) != 0) {
        E1POP("SVRGP");
        return;
    }
    auto v = [&](std::int32_t k) -> float& { return rb[k - 1]; };
    auto p = [&](std::int32_t k) -> std::int32_t& { return iperm[k - 1]; };
    auto exchange = [&](std::int32_t x, std::int32_t y) {
        std::swap(v(x), v(y));
        std::swap(p(x), p(y));
    };
    std::array<std::pair<std::int32_t, std::int32_t>, pending_capacity + 1> pending{};
    std::int32_t m = 1;
    std::int32_t i = 1;
    std::int32_t j = n;
    float r = 0.375f;
    enum class Next { top, partition, small_segment, pop };
    Next next = Next::top;
    while (true) {
        if (next == Next::top) {
            if (i == j) {
                next = Next::pop;
                continue;
            }
            r = advance_pivot_fraction(r);
            next = Next::partition;
        }
        if (next == Next::partition) {
            std::int32_t k = i;
            const std::int32_t ij = i + static_cast<std::int32_t>(static_cast<float>(j - i) * r);
            float t = v(ij);
            if (v(i) > t) {
                exchange(ij, i);
                t = v(ij);
            }
            std::int32_t l = j;
            if (v(j) < t) {
                exchange(ij, j);
                t = v(ij);
                if (v(i) > t) {
                    exchange(ij, i);
                    t = v(ij);
                }
            }
            while (true) {
                do --l;
                while (v(l) > t);
                do ++k;
                while (v(k) < t);
                if (k > l) break;
                if (v(l) != v(k)) exchange(l, k);
            }
            if (l - i > j - k) {
                pending[static_cast<std::size_t>(m)] = {i, l};
                i = k;
            } else {
                pending[static_cast<std::size_t>(m)] = {k, j};
                j = l;
            }
            ++m;
            next = Next::small_segment;
        }
        if (next == Next::small_segment) {
            if (j - i >= 11) {
                next = Next::partition;
                continue;
            }
            if (i == 1) {
                next = Next::top;
                continue;
            }
            // rb(i - 1) is no greater than the segment and stops the shifts;
            // the bound on q only guards against unordered values (NaN).
            for (std::int32_t q = i; q < j; ++q) {
                const float t = v(q + 1);
                const std::int32_t it = p(q + 1);
                if (!(t < v(q))) continue;
                std::int32_t s = q;
                do {
                    v(s + 1) = v(s);
                    p(s + 1) = p(s);
                    --s;
                } while (s >= 1 && t < v(s));
                v(s + 1) = t;
                p(s + 1) = it;
            }
            next = Next::pop;
        }
        // next == Next::pop
        --m;
        if (m == 0) break;
        std::tie(i, j) = pending[static_cast<std::size_t>(m)];
        next = Next::small_segment;
    }
    E1POP("SVRGP");
}
