// Arithmetic beyond 64 bits, checked against independent computations.
#include <gtest/gtest.h>

#include <limits>
#include <numeric>
#include <random>

#include "mklibs/mklibs.h"

namespace korvane {
namespace {

__extension__ using i128 = __int128;
__extension__ using u128 = unsigned __int128;

std::string ToText(i128 v) {
    if (v == 0) return "0";
    const bool negative = v < 0;
    u128 m = negative ? -static_cast<u128>(v) : static_cast<u128>(v);
    std::string digits;
    while (m) {
        digits.insert(digits.begin(), static_cast<char>('0' + m % 10));
        m /= 10;
    }
    return negative ? "-" + digits : digits;
}

// Reduced n/d in 128-bit arithmetic, as text.
std::string Reduced128(i128 n, i128 d) {
    if (n == 0) return "0";
    if (d < 0) n = -n, d = -d;
    i128 a = n < 0 ? -n : n, b = d;
    while (b) {
        const i128 t = a % b;
        a = b;
        b = t;
    }
    n /= a;
    d /= a;
    return d == 1 ? ToText(n) : ToText(n) + "/" + ToText(d);
}

class Random {
  public:
    std::int64_t Any() { return dist_(gen_); }
    std::int64_t NonZero() {
        std::int64_t v;
        do
            v = Any();
        while (v == 0);
        return v;
    }
    // Near the 64-bit limits, small, or anywhere.
    std::int64_t Mixed() {
        switch (gen_() % 3) {
            case 0:
                return std::numeric_limits<std::int64_t>::max() -
                       static_cast<std::int64_t>(gen_() % 5);
            case 1:
                return static_cast<std::int64_t>(gen_() % 19) - 9;
            default:
                return Any();
        }
    }
    std::string Digits(int n) {
        std::string s(1, static_cast<char>('1' + gen_() % 9));
        while (static_cast<int>(s.size()) < n)
            s += static_cast<char>('0' + gen_() % 10);
        return s;
    }
    std::mt19937_64& gen() { return gen_; }

  private:
    std::mt19937_64 gen_{20261207};
    std::uniform_int_distribution<std::int64_t> dist_{std::numeric_limits<std::int64_t>::min(),
                                                      std::numeric_limits<std::int64_t>::max()};
};

TEST(Exactness, SixtyFourBitOperandsMatch128BitArithmetic) {
    Random rnd;
    for (int k = 0; k < 2000; ++k) {
        // 64-bit numerators over 32-bit denominators keep every 128-bit
        // intermediate in range.
        const i128 an = rnd.Mixed(), ad = rnd.NonZero() >> 32 | 1, bn = rnd.Mixed(),
                   bd = rnd.NonZero() >> 33 | 1;
        const Fraction a =
            FracReduce({static_cast<std::int64_t>(an), static_cast<std::int64_t>(ad)});
        const Fraction b =
            FracReduce({static_cast<std::int64_t>(bn), static_cast<std::int64_t>(bd)});
        EXPECT_EQ(FracText(a), Reduced128(an, ad));
        EXPECT_EQ(FracText(FracAdd(a, b)), Reduced128(an * bd + bn * ad, ad * bd));
        EXPECT_EQ(FracText(FracSub(a, b)), Reduced128(an * bd - bn * ad, ad * bd));
        EXPECT_EQ(FracText(FracMul(a, b)), Reduced128(an * bn, ad * bd));
    }
}

TEST(Exactness, Int64ExtremesDoNotWrap) {
    const std::int64_t min = std::numeric_limits<std::int64_t>::min();
    const std::int64_t max = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(FracText(FracReduce({min, -1})), "9223372036854775808");
    EXPECT_EQ(FracText(FracAdd({max, 1}, {1, 1})), "9223372036854775808");
    EXPECT_EQ(FracText(FracMul({max, 1}, {max, 1})), "85070591730234615847396907784232501249");
    EXPECT_EQ(FracText(FracInv({min, 3})), "-3/9223372036854775808");
}

TEST(Exactness, FortyDigitIdentities) {
    Random rnd;
    for (int k = 0; k < 300; ++k) {
        const ComplexFraction a = CpxParse(rnd.Digits(40) + "/" + rnd.Digits(38) + "-" +
                                           rnd.Digits(41) + "i/" + rnd.Digits(39));
        const ComplexFraction b =
            CpxParse("-" + rnd.Digits(40) + "/" + rnd.Digits(40) + "+" + rnd.Digits(35) + "i");
        EXPECT_TRUE(CpxIsOne(CpxMul(a, CpxInv(a))));
        EXPECT_EQ(CpxSub(CpxSub(a, CpxNeg(b)), b), a);  // (a + b) − b = a
        EXPECT_EQ(CpxMul(a, b), CpxMul(b, a));
        EXPECT_EQ(CpxInv(CpxInv(b)), b);
        ComplexFraction t = a;
        CpxSubMul(t, b, CpxInv(b));  // a − b·(1/b) in place
        EXPECT_EQ(t, CpxSub(a, CpxMul(b, CpxInv(b))));
        CpxSubMul(t, b, a);
        EXPECT_EQ(t, CpxSub(CpxSub(a, CpxMul(b, CpxInv(b))), CpxMul(b, a)));
    }
}

// A reduced random value: small, near the 64-bit limits, or far beyond them.
ComplexFraction RandomValue(Random& rnd) {
    auto part = [&]() -> Fraction {
        switch (rnd.gen()() % 4) {
            case 0:
                return FracReduce({rnd.Mixed(), rnd.NonZero()});
            case 1:
                return FracParse((rnd.gen()() % 2 ? "-" : "") + rnd.Digits(30) + "/" +
                                 rnd.Digits(25));
            case 2:
                return {0, 1};
            default:
                return FracReduce({static_cast<std::int64_t>(rnd.gen()() % 7) - 3,
                                   static_cast<std::int64_t>(rnd.gen()() % 4) + 1});
        }
    };
    return {part(), part()};
}

TEST(Exactness, TextRoundTrip) {
    Random rnd;
    for (int k = 0; k < 5000; ++k) {
        const ComplexFraction z = RandomValue(rnd);
        const std::string text = CpxText(z);
        EXPECT_EQ(CpxParse(text), z) << text;
    }
}

}  // namespace
}  // namespace korvane
