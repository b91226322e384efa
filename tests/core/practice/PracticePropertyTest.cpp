// Practice over many random matrices: right steps, taken any way, reach the
// goal; slips injected into a right step are named. Each step's result is
// computed here as a product with an elementary matrix.
#include <gtest/gtest.h>

#include <map>

#include "TestMatrices.h"
#include "core/engine/Engine.h"
#include "core/practice/PracticeSession.h"

namespace korvane {
namespace {

using namespace test;
using Outcome = PracticeResult::Outcome;

Matrix ElementaryMatrix(const RowOperation& op, std::size_t rows) {
    Matrix e = Identity(rows);
    switch (op.kind) {
        case RowOperation::Kind::kSwap:
            std::swap(e[op.target], e[op.source]);
            break;
        case RowOperation::Kind::kScale:
            e[op.target][op.target] = op.factor;
            break;
        case RowOperation::Kind::kAdd:
            e[op.target][op.source] = op.factor;
            break;
    }
    return e;
}

Matrix After(const RowOperation& op, const Matrix& m) {
    return Multiply(ElementaryMatrix(op, m.size()), m);
}

int Uniform(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

ComplexFraction NonzeroInteger(std::mt19937& rng, int range) {
    const int n = Uniform(rng, 1, range);
    return {{Uniform(rng, 0, 1) == 0 ? n : -n, 1}, {0, 1}};
}

RowOperation RandomOperation(std::mt19937& rng, int rows) {
    const int a = Uniform(rng, 0, rows - 1);
    const int b = rows == 1 ? a : (a + Uniform(rng, 1, rows - 1)) % rows;
    const int kind = rows == 1 ? 1 : Uniform(rng, 0, 2);
    if (kind == 0) return RowOperation::Swap(a, b);
    const ComplexFraction c = Uniform(rng, 0, 1) == 0
                                  ? NonzeroInteger(rng, 3)
                                  : RandomMatrix(rng, 1, 1, EntryKind::kFraction)[0][0];
    if (kind == 1 || CpxIsZero(c)) return RowOperation::Scale(a, CpxIsZero(c) ? CpxOne() : c);
    return RowOperation::Add(a, b, c);
}

// Odd steps are chosen from the panel, even ones worked by hand and typed.
PracticeResult TakeStep(PracticeSession& session, const RowOperation& op, const Matrix& now,
                        int step, StepLog& log) {
    if (step % 2 == 1 || After(op, now) == now) return session.Apply(op, log);
    return session.Check(GridOfValues(After(op, now)), log);
}

TEST(PracticeProperty, RandomRightStepsThenHintsReachTheReducedForm) {
    std::mt19937 rng(15);
    const EntryKind kinds[] = {EntryKind::kSmallInteger, EntryKind::kFraction,
                               EntryKind::kGaussianRational};
    for (int i = 0; i < 120; ++i) {
        const int rows = Uniform(rng, 1, 4);
        Matrix now = i % 5 == 0 ? RandomLowRank(rng, rows, Uniform(rng, 1, 5), 1)
                                : RandomMatrix(rng, rows, Uniform(rng, 1, 5), kinds[i % 3]);
        CellGrid reduced = GridOfValues(now);
        MemoryStepLog log;
        Engine().ReducedRowEchelonForm(reduced, log);
        auto session =
            PracticeSession::Start(GridOfValues(now), PracticeGoal::kReducedRowEchelon, log);
        ASSERT_TRUE(session);
        bool finished = session->Progress().goalReached;
        int step = 0;
        for (; step < 3; ++step) {
            const RowOperation op = RandomOperation(rng, rows);
            const PracticeResult result = TakeStep(*session, op, now, step, log);
            ASSERT_EQ(result.outcome, Outcome::kAccepted) << log.Text();
            now = After(op, now);
            ASSERT_EQ(ValuesOf(result.grid), now);
            finished = session->Progress().goalReached;
        }
        for (int guard = 0; !session->Progress().goalReached && guard < 40; ++guard, ++step) {
            const auto hint = session->Hint(log);
            ASSERT_TRUE(hint) << log.Text();
            const PracticeResult result = TakeStep(*session, hint->operation, now, step, log);
            ASSERT_EQ(result.outcome, Outcome::kAccepted) << log.Text();
            now = After(hint->operation, now);
            finished = result.finished;
        }
        EXPECT_TRUE(finished) << log.Text();
        EXPECT_TRUE(IsReducedRowEchelon(now));
        EXPECT_EQ(now, ValuesOf(reduced));
        EXPECT_EQ(session->Operations(), step);
        EXPECT_FALSE(session->Hint(log));
    }
}

Matrix RandomFullMatrix(std::mt19937& rng, std::size_t rows, std::size_t cols) {
    Matrix m(rows, std::vector<ComplexFraction>(cols));
    for (auto& row : m) {
        for (ComplexFraction& z : row)
            z = NonzeroInteger(rng, 9);
    }
    return m;
}

std::vector<GridCell> Differences(const Matrix& a, const Matrix& b) {
    std::vector<GridCell> cells;
    for (std::size_t r = 0; r < a.size(); ++r) {
        for (std::size_t c = 0; c < a[r].size(); ++c) {
            if (a[r][c] != b[r][c]) cells.push_back({static_cast<int>(c), static_cast<int>(r)});
        }
    }
    return cells;
}

// Whether after follows from before by one elementary operation on one row:
// the row scaled, or a multiple of another row added to it.
bool IsOneRowStep(const Matrix& before, const Matrix& after) {
    std::vector<std::size_t> changed;
    for (std::size_t r = 0; r < before.size(); ++r) {
        if (before[r] != after[r]) changed.push_back(r);
    }
    if (changed.size() != 1) return false;
    const std::size_t r = changed.front();
    const auto proportional = [](std::vector<ComplexFraction> x,
                                 const std::vector<ComplexFraction>& y) {
        // x = λy: every 2 × 2 minor of the pair vanishes, and y is not zero.
        bool yZero = true;
        for (std::size_t i = 0; i < x.size(); ++i) {
            yZero = yZero && CpxIsZero(y[i]);
            for (std::size_t j = 0; j < x.size(); ++j) {
                if (CpxMul(x[i], y[j]) != CpxMul(x[j], y[i])) return false;
            }
        }
        return !yZero;
    };
    if (proportional(after[r], before[r])) return true;
    std::vector<ComplexFraction> added = after[r];
    for (std::size_t c = 0; c < added.size(); ++c)
        added[c] = CpxSub(added[c], before[r][c]);
    for (std::size_t j = 0; j < before.size(); ++j) {
        if (j != r && proportional(added, before[j])) return true;
    }
    return false;
}

struct Slip {
    SlipKind kind;
    Matrix typed;
    bool unnamedToo;  // also a slip when no operation is named
};

// Each kind of slip made on the step "add c times row s to row t" of before.
std::vector<Slip> InjectedSlips(std::mt19937& rng, const Matrix& before, int t, int s,
                                const ComplexFraction& c) {
    const Matrix right = After(RowOperation::Add(t, s, c), before);
    const int rows = static_cast<int>(before.size());
    const int cols = static_cast<int>(before.front().size());
    std::vector<Slip> slips;
    const int k = Uniform(rng, 0, cols - 1);
    const ComplexFraction& was = before[t][k];
    const ComplexFraction& meant = right[t][k];

    Matrix sign = right;
    sign[t][k] = CpxNeg(meant);
    if (!CpxIsZero(meant) && sign[t][k] != was) slips.push_back({SlipKind::kSign, sign, true});

    const ComplexFraction other = Add(c, NonzeroInteger(rng, 3));
    if (!CpxIsZero(other) && other != CpxNeg(c))
        slips.push_back(
            {SlipKind::kMultiple, After(RowOperation::Add(t, s, other), before), false});

    // Done on two entries at least: one changed entry alone reads as a slip in it.
    Matrix partial = right;
    const int from = Uniform(rng, 2, cols - 1);
    std::copy(before[t].begin() + from, before[t].end(), partial[t].begin() + from);
    slips.push_back({SlipKind::kPartialRow, partial, true});

    // Row t plus row s written into row s is a right step.
    const int elsewhere = (t + Uniform(rng, 1, rows - 1)) % rows;
    Matrix misplaced = before;
    misplaced[elsewhere] = right[t];
    if (elsewhere != s || !CpxIsOne(c)) slips.push_back({SlipKind::kWrongRow, misplaced, true});

    Matrix entry = right;
    entry[t][k] = Add(meant, NonzeroInteger(rng, 3));
    const ComplexFraction flipped = CpxSub(was, CpxSub(meant, was));
    if (entry[t][k] != CpxNeg(meant) && entry[t][k] != flipped && entry[t][k] != was)
        slips.push_back({SlipKind::kOneEntry, entry, true});
    return slips;
}

TEST(PracticeProperty, InjectedSlipsAreNamed) {
    std::mt19937 rng(1515);
    std::map<SlipKind, int> seen;
    for (int i = 0; i < 150; ++i) {
        const std::size_t rows = Uniform(rng, 3, 4);
        const Matrix before = RandomFullMatrix(rng, rows, Uniform(rng, 4, 5));
        const int t = Uniform(rng, 0, static_cast<int>(rows) - 1);
        const int s = (t + Uniform(rng, 1, static_cast<int>(rows) - 1)) % static_cast<int>(rows);
        const ComplexFraction c = NonzeroInteger(rng, 4);
        const std::vector<RowOperation> named{RowOperation::Add(t, s, c)};
        const Matrix right = After(named.front(), before);
        for (const Slip& slip : InjectedSlips(rng, before, t, s, c)) {
            for (const bool naming : {true, false}) {
                // Unless a step is named, a slip can land on another right
                // step, and then it is none.
                if (!naming && (!slip.unnamedToo || IsOneRowStep(before, slip.typed))) continue;
                MemoryStepLog log;
                auto session = PracticeSession::Start(GridOfValues(before),
                                                      PracticeGoal::kReducedRowEchelon, log);
                const PracticeResult result = session->Check(
                    GridOfValues(slip.typed), log, naming ? named : std::vector<RowOperation>{});
                ASSERT_EQ(result.outcome, Outcome::kWrong) << log.Text();
                EXPECT_EQ(result.diagnosis->kind, slip.kind) << log.Text();
                // With the step named, the entries to mark are known exactly.
                if (naming) {
                    EXPECT_EQ(result.diagnosis->wrongCells, Differences(slip.typed, right));
                }
                ++seen[slip.kind];
            }
        }
    }
    EXPECT_EQ(seen.size(), 5u);
}

}  // namespace
}  // namespace korvane
