#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <regex>
#include <string>
#include <thread>

#include "../engine/TestMatrices.h"
#include "Golden.h"
#include "core/StopSignal.h"
#include "core/workspace/Evaluation.h"
#include "core/workspace/Expression.h"
#include "core/workspace/MatrixWorking.h"
#include "core/workspace/PowerWorking.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Matrix;
using test::ValuesOf;

// A = (1 2; 3 4), B = (5 6; 7 8), C = (1 0; 2 1), D 2 × 3, E 3 × 2,
// S = (1 2; 2 4) singular, V a column, W 3 × 3.
Workspace Exercises() {
    Workspace w;
    w.Store('A', GridOf({{"1", "2"}, {"3", "4"}}));
    w.Store('B', GridOf({{"5", "6"}, {"7", "8"}}));
    w.Store('C', GridOf({{"1", "0"}, {"2", "1"}}));
    w.Store('D', GridOf({{"1", "2", "3"}, {"4", "5", "6"}}));
    w.Store('E', GridOf({{"1", "i"}, {"0", "1/2"}, {"2", "-1"}}));
    w.Store('S', GridOf({{"1", "2"}, {"2", "4"}}));
    w.Store('V', GridOf({{"1"}, {"-1"}}));
    w.Store('W', GridOf({{"2", "1", "0"}, {"1", "1+i", "1/3"}, {"0", "-1", "1"}}));
    return w;
}

Matrix Values(const Workspace& w, char name) {
    return ValuesOf(*w.Find(name));
}

// The worked examples, line for line.
TEST(Evaluation, WorkedExamples) {
    const std::pair<const char*, const char*> cases[] = {
        {"A B - 2C", "expression-ab-2c.log"},
        {"XA = B", "equation-xa-b.log"},
    };
    for (const auto& [text, golden] : cases) {
        SCOPED_TRACE(text);
        MemoryStepLog log;
        const Evaluation e = EvaluateExpression(text, Exercises(), log);
        EXPECT_TRUE(e.delivered);
        EXPECT_EQ(log.Text(), test::GoldenText(golden));
    }
}

// Sizes are checked before anything is computed: the refusal is the whole
// log, naming the parts and their sizes.
TEST(Evaluation, SizesThatDoNotFitAreRefusedFirst) {
    const std::pair<const char*, const char*> cases[] = {
        {"D B", "D は 2×3 行列、B は 2×2 行列なので、積 DB は定義されません。"},
        {"A + D", "A は 2×2 行列、D は 2×3 行列なので、和 A + D は定義されません。"},
        {"A^2 - E", "A^2 は 2×2 行列、E は 3×2 行列なので、差 A^2 - E は定義されません。"},
        {"A + 2", "A は 2×2 行列、2 は数なので、和 A + 2 は定義されません。"},
        {"tr(A) - B", "tr(A) は数、B は 2×2 行列なので、差 tr(A) - B は定義されません。"},
        {"D^2", "D は 2×3 行列で、正方行列でないので、D^2 は定義されません。"},
        {"(DE)^-1 + D^-1", "D は 2×3 行列で、正方行列でないので、D^-1 は定義されません。"},
        {"inv(E)", "E は 3×2 行列で、正方行列でないので、逆行列 inv(E) はありません。"},
        {"det(D)", "D は 2×3 行列で、正方行列でないので、det(D) は定義されません。"},
        {"tr(2)", "2 は数なので、tr(2) は定義されません。"},
        {"A/B", "B は 2×2 行列なので、A/B は定義されません。行列で割ることはできません。"},
        // I and O take the size their place gives them, or refuse.
        {"D + I", "D は 2×3 行列、I は 2×2 行列なので、和 D + I は定義されません。"},
        {"A I D + O E", "AID は 2×3 行列、OE は 2×2 行列なので、和 AID + OE は定義されません。"},
        {"tr(I)", "4文字目の I の大きさが式から決まりません。"},
        {"2 O^T", "3文字目の O の大きさが式から決まりません。"},
        {"D X = V^T",
         "D は 2×3 行列、V^T は 1×2 行列なので、DX = V^T の両辺の行の数が合いません。"},
        {"X D = A", "D は 2×3 行列、A は 2×2 行列なので、XD = A の両辺の列の数が合いません。"},
        {"tr(A)X = B", "tr(A) は数なので、方程式 tr(A)X = B は行列の方程式ではありません。"},
    };
    for (const auto& [text, refusal] : cases) {
        SCOPED_TRACE(text);
        MemoryStepLog log;
        log.AppendStepLog("the last command's log");
        const Evaluation e = EvaluateExpression(text, Exercises(), log);
        EXPECT_FALSE(e.delivered);
        EXPECT_FALSE(e.matrix);
        EXPECT_EQ(log.Lines(), std::vector<std::string>{refusal});
    }
}

TEST(Evaluation, AnUnknownNameLeavesTheLogAlone) {
    MemoryStepLog log;
    log.AppendStepLog("kept");
    try {
        EvaluateExpression("A + Q", Exercises(), log);
        ADD_FAILURE() << "no error";
    } catch (const ExpressionError& e) {
        EXPECT_EQ(std::string(e.what()), "5文字目の Q という名前の行列はありません。");
    }
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"kept"});
}

// Results against products and sums computed independently.
TEST(Evaluation, ValuesAgreeWithADirectComputation) {
    const Workspace w = Exercises();
    const Matrix a = Values(w, 'A'), b = Values(w, 'B'), d = Values(w, 'D'), e = Values(w, 'E');
    const auto scaled = [](const Matrix& m, const std::string& factor) {
        Matrix s = m;
        for (auto& row : s)
            for (auto& v : row)
                v = CpxMul(v, test::Value(factor));
        return s;
    };
    const auto plus = [](Matrix x, const Matrix& y) {
        for (std::size_t r = 0; r < x.size(); ++r)
            for (std::size_t c = 0; c < x[r].size(); ++c)
                x[r][c] = test::Add(x[r][c], y[r][c]);
        return x;
    };
    const Matrix a3 = test::Multiply(test::Multiply(a, a), a);
    const std::pair<const char*, Matrix> cases[] = {
        {"AB - BA", plus(test::Multiply(a, b), scaled(test::Multiply(b, a), "-1"))},
        {"A^3 - 2A + I", plus(plus(a3, scaled(a, "-2")), test::Identity(2))},
        {"D E", test::Multiply(d, e)},
        {"E^H",
         {{test::Value("1"), test::Value("0"), test::Value("2")},
          {test::Value("-i"), test::Value("1/2"), test::Value("-1")}}},
        {"(1/2)D + iD - O", plus(scaled(d, "1/2"), scaled(d, "i"))},
        {"A^-1 A", test::Identity(2)},
        {"A^-3 A^3", test::Identity(2)},
        {"A^0 + A^1", plus(test::Identity(2), a)},
        {"inv(A)B", test::Multiply({{test::Value("-2"), test::Value("1")},
                                    {test::Value("3/2"), test::Value("-1/2")}},
                                   b)},
        {"det(A)B + tr(B)A", plus(scaled(b, "-2"), scaled(a, "13"))},
        {"rref(D)",
         {{test::Value("1"), test::Value("0"), test::Value("-1")},
          {test::Value("0"), test::Value("1"), test::Value("2")}}},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        MemoryStepLog log;
        const Evaluation result = EvaluateExpression(text, w, log);
        ASSERT_TRUE(result.delivered) << log.Text();
        ASSERT_TRUE(result.matrix);
        EXPECT_EQ(ValuesOf(*result.matrix), expected);
    }
}

TEST(Evaluation, NumbersFromTraceAndDeterminant) {
    const Workspace w = Exercises();
    const std::pair<const char*, std::string> cases[] = {
        {"tr(A) + det(A)", "3"},  {"det(W)", CpxText(test::CofactorDeterminant(Values(w, 'W')))},
        {"det(A)^-2 - 1/4", "0"}, {"tr(A^T A)", "30"},
        {"(2+3i)(2-3i)", "13"},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        MemoryStepLog log;
        const Evaluation e = EvaluateExpression(text, w, log);
        ASSERT_TRUE(e.number);
        EXPECT_EQ(CpxText(*e.number), value);
        EXPECT_EQ(log.Lines().back(), "よって、" + e.name + " = " + value + " です。");
    }
}

// A singular matrix to invert, a division by zero and an equation without
// exactly one solution are refused after their working, with the reason
// last.
TEST(Evaluation, RefusalsAfterTheWorking) {
    const std::pair<const char*, const char*> cases[] = {
        {"S^-1 + A", "S は正則でないので、S^-1 はありません。"},
        {"B inv(S)", "S は正則でないので、inv(S) はありません。"},
        {"S^-2", "S は正則でないので、S^-1 はありません。"},
        {"A/(1 - 1)", "A/(1 - 1) は 0 で割ることになるので、定義されません。"},
        {"(tr(S) - 5)^-1 A", "(tr(S) - 5)^-1 は 0 で割ることになるので、定義されません。"},
        {"S X = A", "よって、SX = A を満たす X はありません。"},
        {"S X = S", "よって、SX = S を満たす X は一つに決まりません。"},
        {"X S = A", "よって、XS = A を満たす X はありません。"},
    };
    for (const auto& [text, reason] : cases) {
        SCOPED_TRACE(text);
        MemoryStepLog log;
        const Evaluation e = EvaluateExpression(text, Exercises(), log);
        EXPECT_FALSE(e.delivered);
        EXPECT_EQ(log.Lines().back(), reason);
    }
}

TEST(Evaluation, MatrixEquationsAreSolvedAndChecked) {
    const Workspace w = Exercises();
    const std::pair<const char*, std::function<Matrix(const Matrix&)>> cases[] = {
        {"AX = B", [&](const Matrix& x) { return test::Multiply(Values(w, 'A'), x); }},
        {"XA = B", [&](const Matrix& x) { return test::Multiply(x, Values(w, 'A')); }},
        {"(A + I)X = V",
         [&](const Matrix& x) {
             Matrix a = Values(w, 'A');
             a[0][0] = test::Value("2");
             a[1][1] = test::Value("5");
             return test::Multiply(a, x);
         }},
        {"E X = E", [&](const Matrix& x) { return test::Multiply(Values(w, 'E'), x); }},
    };
    const Matrix expected[] = {Values(w, 'B'), Values(w, 'B'), Values(w, 'V'), Values(w, 'E')};
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(cases[k].first);
        MemoryStepLog log;
        const Evaluation e = EvaluateExpression(cases[k].first, w, log);
        ASSERT_TRUE(e.delivered) << log.Text();
        EXPECT_EQ(cases[k].second(ValuesOf(*e.matrix)), expected[k]);
        EXPECT_TRUE(log.Lines().back().ends_with(" に一致します。")) << log.Lines().back();
    }
}

// A^100 by repeated squaring: 64 + 32 + 4, six squares and two more products.
TEST(Evaluation, PowersTakeTheProductsOfRepeatedSquaring) {
    Workspace w;
    w.Store('A', GridOf({{"1", "1", "0"}, {"0", "1", "1/2"}, {"i", "0", "1"}}));
    MemoryStepLog log;
    const Evaluation e = EvaluateExpression("A^100", w, log);
    ASSERT_TRUE(e.delivered);
    const std::regex step(R"(A\^(\d+) = A(\^\d+)?A(\^\d+)? を計算します。)");
    std::vector<std::string> steps;
    for (const std::string& line : log.Lines()) {
        std::smatch m;
        if (std::regex_match(line, m, step)) steps.push_back(m[1]);
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"2", "4", "8", "16", "32", "64", "96", "100"}));
    Matrix power = test::Identity(3);
    for (int k = 0; k < 100; ++k)
        power = test::Multiply(power, Values(w, 'A'));
    EXPECT_EQ(ValuesOf(*e.matrix), power);
}

// Every working looks for a stop before any entry: asked for beforehand, it
// ends each of them at once.
TEST(Evaluation, EveryWorkingIsAStoppingPlace) {
    WorkMatrix a;
    a.Resize(2, 2);
    a.Set(0, 0, CpxOne());
    StopSignal stop;
    stop.Request();
    const WatchStopSignal watch(stop);
    MemoryStepLog log;
    MatrixWorking working(log);
    EXPECT_THROW(ProductOf(a, a), ComputationStopped);
    EXPECT_THROW(working.Sum(a, a, "A", "A", "A + A", false), ComputationStopped);
    EXPECT_THROW(working.Multiple(CpxOne(), a, "A", "1A"), ComputationStopped);
    EXPECT_THROW(working.Transpose(a, "A", "A^T", false), ComputationStopped);
    EXPECT_THROW(working.Trace(a, "A", "tr(A)"), ComputationStopped);
    EXPECT_THROW(PowerWorking(log).Power(a, 5, "A", false), ComputationStopped);
}

// A stop asked for while a power of a 10 × 10 matrix is worked ends it
// within moments, by the entries of the product under way.
TEST(Evaluation, ABigPowerStopsWhenAsked) {
    std::mt19937 rng(7);
    Workspace w;
    w.Store('A', test::GridOfValues(
                     test::RandomMatrix(rng, 10, 10, test::EntryKind::kGaussianRational)));
    StopSignal stop;
    auto done = std::async(std::launch::async, [&] {
        const WatchStopSignal watch(stop);
        MemoryStepLog log;
        try {
            EvaluateExpression("A^2000000000", w, log);
        } catch (const ComputationStopped&) {
            return std::chrono::steady_clock::now();
        }
        return std::chrono::steady_clock::time_point{};
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto requested = std::chrono::steady_clock::now();
    stop.Request();
    const auto ended = done.get();
    ASSERT_NE(ended, std::chrono::steady_clock::time_point{}) << "not stopped";
    EXPECT_LT(ended - requested, std::chrono::seconds(2));
}

}  // namespace
}  // namespace korvane
