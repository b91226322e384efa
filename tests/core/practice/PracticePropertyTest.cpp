// Practice over many random matrices: right steps, taken any way, reach the
// goal; slips injected into a right step are named. Each step's result is
// computed here as a product with an elementary matrix.
#include <gtest/gtest.h>

#include <cstdio>
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

// The entries the random matrices take, in turn.
const EntryKind kKinds[] = {EntryKind::kSmallInteger, EntryKind::kFraction,
                            EntryKind::kGaussianRational};

// Odd steps are chosen from the panel, even ones worked by hand and typed.
PracticeResult TakeStep(PracticeSession& session, const RowOperation& op, const Matrix& now,
                        int step, StepLog& log) {
    if (step % 2 == 1 || After(op, now) == now) return session.Apply(op, log);
    return session.Check(GridOfValues(After(op, now)), log);
}

TEST(PracticeProperty, RandomRightStepsThenHintsReachTheReducedForm) {
    std::mt19937 rng(15);
    for (int i = 0; i < 120; ++i) {
        const int rows = Uniform(rng, 1, 4);
        Matrix now = i % 5 == 0 ? RandomLowRank(rng, rows, Uniform(rng, 1, 5), 1)
                                : RandomMatrix(rng, rows, Uniform(rng, 1, 5), kKinds[i % 3]);
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

// Towards the determinant the factor of every step is answered: the one
// det(before) = k·det(after) asks for is 1/det E of the step's elementary
// matrix E. A wrong answer first is a wrong attempt that changes nothing.
// Whatever route the steps take, the determinant the practice ends with is
// the cofactor expansion's.
TEST(PracticeProperty, StepsWithTheirFactorsEndAtTheDeterminant) {
    std::mt19937 rng(21);
    for (int i = 0; i < 100; ++i) {
        const int n = Uniform(rng, 1, 5);
        const Matrix start =
            i % 6 == 0 ? RandomLowRank(rng, n, n, 1) : RandomMatrix(rng, n, n, kKinds[i % 3]);
        Matrix now = start;
        MemoryStepLog log;
        auto session = PracticeSession::Start(GridOfValues(now), PracticeGoal::kDeterminant, log);
        ASSERT_TRUE(session);
        const auto answer = [](const RowOperation& op, std::size_t rows) {
            return CpxInv(CofactorDeterminant(ElementaryMatrix(op, rows)));
        };
        for (int step = 0; !session->Progress().goalReached && step < 60; ++step) {
            const std::optional<ReductionStep> hint = session->Hint(log);
            const RowOperation op = step < 3 && n > 1 ? RandomOperation(rng, n) : hint->operation;
            const ComplexFraction right = answer(op, now.size());
            const bool typed = step % 2 == 0 && After(op, now) != now;
            const auto take = [&](const ComplexFraction& k) {
                return typed ? session->Check(GridOfValues(After(op, now)), log, {}, k)
                             : session->Apply(op, log, k);
            };
            if (step % 3 == 1) {
                const int wrongBefore = session->WrongAttempts();
                ASSERT_EQ(take(CpxSub(right, CpxOne())).outcome, Outcome::kWrong) << log.Text();
                EXPECT_EQ(session->WrongAttempts(), wrongBefore + 1);
                EXPECT_EQ(ValuesOf(session->Shown()), now);
            }
            ASSERT_EQ(take(right).outcome, Outcome::kAccepted) << log.Text();
            now = After(op, now);
        }
        ASSERT_TRUE(session->Progress().goalReached) << log.Text();
        EXPECT_EQ(log.Lines()[log.Lines().size() - 3],
                  "よって、行列式は、" + CpxText(CofactorDeterminant(start)) + "です。")
            << log.Text();
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

// A slip made in some entries of the one row a step changes, typed without
// naming the step: the rest of the row is right, so the step can be told.
struct UnnamedSlip {
    std::string kind;
    Matrix typed;
};

ComplexFraction NonzeroFactor(std::mt19937& rng) {
    if (Uniform(rng, 0, 1) == 0) return NonzeroInteger(rng, 4);
    const ComplexFraction f = RandomMatrix(rng, 1, 1, EntryKind::kFraction)[0][0];
    return CpxIsZero(f) ? CpxOne() : f;
}

// The step a student means: mostly an addition, sometimes a scaling.
RowOperation IntendedStep(std::mt19937& rng, int rows) {
    const int t = Uniform(rng, 0, rows - 1);
    if (Uniform(rng, 0, 3) == 0) {
        const ComplexFraction f = NonzeroFactor(rng);
        return RowOperation::Scale(t, CpxIsOne(f) ? CpxNeg(f) : f);
    }
    return RowOperation::Add(t, (t + Uniform(rng, 1, rows - 1)) % rows, NonzeroFactor(rng));
}

// Entry col of the changed row as op would leave it with factor instead of
// op's own factor.
ComplexFraction EntryWith(const RowOperation& op, const ComplexFraction& factor,
                          const Matrix& before, int col) {
    const RowOperation other = op.kind == RowOperation::Kind::kScale
                                   ? RowOperation::Scale(op.target, factor)
                                   : RowOperation::Add(op.target, op.source, factor);
    return After(other, before)[op.target][col];
}

// One slip of the given kind (0 partial row, 1 sign, 2 multiple) in the row
// op changes: the row done up to a column only; one entry negated, or
// changed the other way; one or two entries, fewer than half the row, done
// with another factor.
UnnamedSlip SlipIn(std::mt19937& rng, const Matrix& before, const RowOperation& op, int kind) {
    const int t = op.target;
    const int cols = static_cast<int>(before.front().size());
    Matrix typed = After(op, before);
    if (kind == 0) {
        const int from = Uniform(rng, 1, cols - 1);
        std::copy(before[t].begin() + from, before[t].end(), typed[t].begin() + from);
        return {"partial row", typed};
    }
    const int col = Uniform(rng, 0, cols - 1);
    if (kind == 1) {
        const bool negated = op.kind == RowOperation::Kind::kScale || Uniform(rng, 0, 1) == 0;
        typed[t][col] =
            negated ? CpxNeg(typed[t][col]) : EntryWith(op, CpxNeg(op.factor), before, col);
        return {"sign", typed};
    }
    ComplexFraction other = Add(op.factor, NonzeroInteger(rng, 3));
    if (CpxIsZero(other) || other == CpxNeg(op.factor)) other = Add(op.factor, op.factor);
    const int wrong = cols >= 5 ? Uniform(rng, 1, 2) : 1;
    for (int k = 0; k < wrong; ++k) {
        const int c = (col + k) % cols;
        typed[t][c] = EntryWith(op, other, before, c);
    }
    return {"multiple", typed};
}

// Slips typed without naming the step are traced back to it: the step the
// diagnosis names gives the right result the student aimed at, and the
// marked cells are those the slip changed.
TEST(PracticeProperty, UnnamedSlipsAreTracedToTheStepMeant) {
    std::mt19937 rng(2611);
    std::map<std::string, std::pair<int, int>> traced;  // kind: (right, made)
    const EntryKind kinds[] = {EntryKind::kSmallInteger, EntryKind::kFraction};
    for (int i = 0; i < 1000; ++i) {
        const int rows = Uniform(rng, 2, 4);
        const Matrix before = RandomMatrix(rng, rows, Uniform(rng, 3, 5), kinds[i % 2]);
        const RowOperation op = IntendedStep(rng, rows);
        const Matrix right = After(op, before);
        const UnnamedSlip slip = SlipIn(rng, before, op, i % 3);
        // Slips that land on the matrix before, on the right result or on
        // another right step are no slips to trace.
        if (slip.typed == before || slip.typed == right) continue;
        MemoryStepLog log;
        auto session =
            PracticeSession::Start(GridOfValues(before), PracticeGoal::kReducedRowEchelon, log);
        const PracticeResult result = session->Check(GridOfValues(slip.typed), log);
        if (result.outcome == Outcome::kAccepted) continue;
        ASSERT_EQ(result.outcome, Outcome::kWrong) << log.Text();
        const Diagnosis& d = *result.diagnosis;
        Matrix meant = before;
        for (const RowOperation& step : d.intended)
            meant = After(step, meant);
        const bool ok =
            !d.intended.empty() && meant == right && d.wrongCells == Differences(slip.typed, right);
        auto& [good, made] = traced[slip.kind];
        good += ok ? 1 : 0;
        ++made;
    }
    int good = 0;
    int made = 0;
    std::string figures;
    for (const auto& [kind, count] : traced) {
        good += count.first;
        made += count.second;
        figures += " " + kind + " " + std::to_string(count.first) + "/" +
                   std::to_string(count.second) + ";";
    }
    const double share = 100.0 * good / made;
    std::printf("Unnamed slips traced to the step meant: %d/%d (%.1f %%):%s\n", good, made, share,
                figures.c_str());
    EXPECT_GE(made, 900);
    EXPECT_GE(share, 95.0);
}

}  // namespace
}  // namespace korvane
