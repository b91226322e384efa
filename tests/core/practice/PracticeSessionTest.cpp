// A practice session driven as the window will drive it.
#include <gtest/gtest.h>

#include <regex>

#include "ScriptedDialogs.h"
#include "TestMatrices.h"
#include "core/editing/History.h"
#include "core/engine/Engine.h"
#include "core/practice/PracticeSession.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;
using Outcome = PracticeResult::Outcome;

// The lines after the first one equal to from, up to the next equal to to.
Lines Between(const Lines& lines, const std::string& from, const std::string& to) {
    auto begin = std::find(lines.begin(), lines.end(), from);
    EXPECT_NE(begin, lines.end()) << from;
    if (begin == lines.end()) return {};
    return Lines(begin + 1, std::find(begin + 1, lines.end(), to));
}

// The reduction's own sentence read back as the operation a student picks:
// subtracting f times a row is adding −f times it.
RowOperation OperationOf(const std::string& sentence) {
    std::smatch m;
    if (std::regex_match(sentence, m, std::regex("(\\d+)行目と(\\d+)行目を入れ換えます。")))
        return RowOperation::Swap(std::stoi(m[1]) - 1, std::stoi(m[2]) - 1);
    if (std::regex_match(sentence, m, std::regex("(\\d+)行目を(.+)倍します。")))
        return RowOperation::Scale(std::stoi(m[1]) - 1, CpxParse(m[2].str()));
    EXPECT_TRUE(
        std::regex_match(sentence, m, std::regex("(\\d+)行目から(\\d+)行目の(.+)倍を引きます。")))
        << sentence;
    return RowOperation::Add(std::stoi(m[1]) - 1, std::stoi(m[2]) - 1,
                             CpxNeg(CpxParse(m[3].str())));
}

bool IsMatrixLine(const std::string& line) {
    return line.starts_with("  ( ");
}

// The computation's own log of the reduction the practice goal asks for,
// from its first operation to its closing sentence, worded in style.
Lines ReductionLines(const std::vector<Lines>& rows, PracticeGoal goal, const LogStyle& style) {
    CellGrid grid = GridOf(rows);
    MemoryStepLog log;
    if (goal == PracticeGoal::kInverse) {
        Engine(style).Inverse(grid, log);
    } else {
        Engine(style).ReducedRowEchelonForm(grid, log);
    }
    // The inverse introduces its reduction with a sentence; the reduced
    // form goes straight from the matrix to the first operation.
    const Lines& all = log.Lines();
    auto first = std::find_if_not(all.begin(), all.end(), IsMatrixLine);
    if (goal == PracticeGoal::kInverse) ++first;
    return Lines(first, std::find(first, all.end(), "これで、行階段基本形になりました。"));
}

// Replayed step by step, in each wording of the log, the reduction gives the
// same sentences and matrices as the computation, and every hint on the way
// is the sentence its step is then logged with.
TEST(PracticeSession, ReplayingTheReductionGivesItsMatricesAndSentences) {
    const struct {
        std::vector<Lines> rows;
        PracticeGoal goal;
    } cases[] = {
        {{{"2", "4"}, {"1", "3"}}, PracticeGoal::kInverse},
        {{{"0", "1"}, {"1", "0"}}, PracticeGoal::kReducedRowEchelon},
        {{{"1", "2", "-1", "3"}, {"2", "5", "1", "8"}, {"-1", "1", "4", "2"}},
         PracticeGoal::kReducedRowEchelon},
        {{{"1", "2", "3"}, {"2", "4", "6"}, {"1", "1", "1"}}, PracticeGoal::kReducedRowEchelon},
        {{{"i", "1+i"}, {"2", "-1/2"}}, PracticeGoal::kInverse},
    };
    const LogStyle styles[] = {{}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        std::vector<RowOperation> operations;
        for (const std::string& line : ReductionLines(c.rows, c.goal, {})) {
            if (!IsMatrixLine(line)) operations.push_back(OperationOf(line));
        }
        for (const LogStyle& style : styles) {
            const Lines reduction = ReductionLines(c.rows, c.goal, style);
            MemoryStepLog log;
            MemoryStepLog hints;
            auto session = PracticeSession::Start(GridOf(c.rows), c.goal, log, style);
            ASSERT_TRUE(session);
            PracticeResult last;
            for (const RowOperation& op : operations) {
                session->Hint(hints);
                last = session->Apply(op, log);
                ASSERT_EQ(last.outcome, Outcome::kAccepted) << log.Text();
            }
            EXPECT_TRUE(session->Progress().goalReached);
            const Lines steps = Between(log.Lines(), TaskSentence(c.goal), "完成です。");
            EXPECT_EQ(steps, reduction);
            Lines sentences;
            for (const std::string& line : steps) {
                if (!IsMatrixLine(line)) sentences.push_back("ヒント：" + line);
            }
            EXPECT_EQ(hints.Lines(), sentences);
            EXPECT_NE(std::find(log.Lines().begin(), log.Lines().end(),
                                "自動で計算すると、操作は" + std::to_string(session->Operations()) +
                                    "回です。"),
                      log.Lines().end());
            if (c.goal != PracticeGoal::kInverse) {
                CellGrid reduced = GridOf(c.rows);
                MemoryStepLog ignored;
                Engine().ReducedRowEchelonForm(reduced, ignored);
                EXPECT_EQ(last.grid, reduced);
            }
        }
    }
}

TEST(PracticeSession, InverseExerciseEndToEnd) {
    MemoryStepLog log;
    auto session =
        PracticeSession::Start(GridOf({{"2", "4"}, {"1", "3"}}), PracticeGoal::kInverse, log);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->Shown(), GridOf({{"2", "4", "1", "0"}, {"1", "3", "0", "1"}}));
    EXPECT_EQ(session->ProgressText(), "練習（逆行列）：ピボット 0/2");
    EXPECT_EQ(session->Hint(log)->operation, RowOperation::Scale(0, CpxParse("1/2")));
    session->Apply(RowOperation::Scale(0, CpxParse("1/2")), log);
    // Typed by hand, with the right half forgotten, then right.
    PracticeResult wrong =
        session->Check(GridOf({{"1", "2", "1/2", "0"}, {"0", "1", "0", "1"}}), log);
    ASSERT_EQ(wrong.outcome, Outcome::kWrong);
    EXPECT_EQ(wrong.diagnosis->kind, SlipKind::kPartialRow);
    EXPECT_EQ(wrong.diagnosis->wrongCells, (std::vector<GridCell>{{2, 1}}));
    EXPECT_EQ(
        session->Check(GridOf({{"1", "2", "1/2", "0"}, {"0", "1", "-1/2", "1"}}), log).outcome,
        Outcome::kAccepted);
    EXPECT_EQ(session->ProgressText(), "練習（逆行列）：ピボット 1/2");
    const PracticeResult done = session->Apply(RowOperation::Add(0, 1, CpxParse("-2")), log);
    EXPECT_TRUE(done.finished);
    EXPECT_EQ(done.grid, GridOf({{"1", "0", "3/2", "-2"}, {"0", "1", "-1/2", "1"}}));
    EXPECT_EQ(session->ProgressText(), "練習（逆行列）：完成");
    // The log of this exercise is korvane-cli's practice test.
}

TEST(PracticeSession, SingularInverseEndsAtAZeroRowOnTheLeft) {
    MemoryStepLog log;
    auto session =
        PracticeSession::Start(GridOf({{"1", "2"}, {"2", "4"}}), PracticeGoal::kInverse, log);
    ASSERT_TRUE(session);
    EXPECT_TRUE(session->Apply(RowOperation::Add(1, 0, CpxParse("-2")), log).finished);
    const Lines& lines = log.Lines();
    EXPECT_EQ(Lines(lines.end() - 5, lines.end() - 2),
              (Lines{"完成です。", "左半分の2行目が、すべて0になりました。",
                     "よって、この行列は非可逆です。"}));
}

TEST(PracticeSession, RefusalsChangeNothing) {
    const CellGrid square = GridOf({{"1", "2"}, {"3", "4"}});
    const struct {
        RowOperation op;
        std::string sentence;
    } operations[] = {
        {RowOperation::Swap(0, 2), "3行目はありません。"},
        {RowOperation::Swap(-1, 0), "0行目はありません。"},
        {RowOperation::Swap(1, 1), "同じ行どうしは入れ換えられません。"},
        {RowOperation::Scale(0, ReadFactor("")), "行を0倍することはできません。"},
        {RowOperation::Scale(1, ReadFactor("0/5")), "行を0倍することはできません。"},
        {RowOperation::Add(0, 0, CpxOne()), "ある行に、その行自身の倍数を足すことはできません。"},
        {RowOperation::Add(0, 1, ReadFactor(" ")), "0倍を足しても、行列は変わりません。"},
    };
    MemoryStepLog log;
    auto session = PracticeSession::Start(square, PracticeGoal::kReducedRowEchelon, log);
    ASSERT_TRUE(session);
    for (const auto& c : operations) {
        log.ClearStepLog();
        EXPECT_EQ(session->Apply(c.op, log).outcome, Outcome::kRefused);
        EXPECT_EQ(log.Lines(), Lines{c.sentence});
    }
    const struct {
        CellGrid typed;
        std::vector<RowOperation> named;
        std::string sentence;
    } checks[] = {
        {GridOf({{"1", "2"}}), {}, "入力された行列は、前の行列と大きさが違います。"},
        {GridOf({{"1", "2/1"}, {"3", "4"}}), {}, "入力された行列は、前の行列と同じです。"},
        {GridOf({{"3", "4"}, {"1", "2"}}), {RowOperation::Swap(0, 5)}, "6行目はありません。"},
    };
    for (const auto& c : checks) {
        log.ClearStepLog();
        EXPECT_EQ(session->Check(c.typed, log, c.named).outcome, Outcome::kRefused);
        EXPECT_EQ(log.Lines(), Lines{c.sentence});
    }
    EXPECT_EQ(session->Operations(), 0);
    EXPECT_EQ(session->WrongAttempts(), 0);
    EXPECT_EQ(session->Shown(), square);

    // A factor typed into the panel is one number or refused, never read as
    // another number.
    const struct {
        const char* typed;
        const char* refusal;
    } factors[] = {
        {"x", "「x」を数として読めません。"},
        {"2x", "「2x」を数として読めません。"},
        {"1/0", "「1/0」は0で割っています。"},
        {"1e20000", "「1e20000」は指数が大きすぎます。指数は10000までです。"},
    };
    for (const auto& f : factors) {
        try {
            ReadFactor(f.typed);
            ADD_FAILURE() << f.typed << " was read";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), f.refusal);
        }
    }
    EXPECT_EQ(CpxText(ReadFactor(" -1/2 ")), "-1/2");

    const struct {
        CellGrid grid;
        PracticeGoal goal;
        std::string sentence;
    } starts[] = {
        {GridOf({{"1", "2"}}), PracticeGoal::kInverse, "正方行列でないので、逆行列はありません。"},
        {GridOf(std::vector<Lines>(6, Lines(6, "1"))), PracticeGoal::kInverse,
         "逆行列の練習は、5行5列までの行列でできます。"},
        {GridOf({{"1", "2"}}), PracticeGoal::kDeterminant,
         "正方行列でないので、行列式はありません。"},
        // A letter is never practised as some number, for any goal.
        {GridOf({{"1", "a"}, {"a", "1"}}), PracticeGoal::kReducedRowEchelon,
         "練習モードでは、文字 a を含む行列はまだ扱えません。数だけの行列で練習してください。"},
        {GridOf({{"1", "2"}, {"3", "1/(k-1)"}}), PracticeGoal::kInverse,
         "練習モードでは、文字 k を含む行列はまだ扱えません。数だけの行列で練習してください。"},
        {GridOf({{"t"}}), PracticeGoal::kDeterminant,
         "練習モードでは、文字 t を含む行列はまだ扱えません。数だけの行列で練習してください。"},
    };
    for (const auto& c : starts) {
        log.ClearStepLog();
        EXPECT_FALSE(PracticeSession::Start(c.grid, c.goal, log));
        EXPECT_EQ(log.Lines(), Lines{c.sentence});
    }
}

// Towards the determinant every step carries its factor: none is refused, a
// wrong one is a wrong attempt, and det A = f·det B goes back with an undo.
TEST(PracticeSession, DeterminantExerciseEndToEnd) {
    MemoryStepLog log;
    const CellGrid start = GridOf({{"2", "4"}, {"1", "3"}});
    auto session = PracticeSession::Start(start, PracticeGoal::kDeterminant, log);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->ProgressText(), "練習（行列式）：ピボット 0/2");
    const RowOperation halve = RowOperation::Scale(0, CpxParse("1/2"));
    const struct {
        std::optional<std::string> answer;
        Outcome outcome;
        Lines lines;
    } tries[] = {
        {std::nullopt,
         Outcome::kRefused,
         {"行列式の練習では、操作の前の行列式が後の行列式の何倍かも答えてください。"}},
        {"1/2",
         Outcome::kWrong,
         {"行列式の倍率が違います。", "行を1/2倍すると、行列式も1/2倍になります。",
          "もう一度計算してください。"}},
        {"2",
         Outcome::kAccepted,
         {"1行目を1/2倍します。", "  ( 1 2 )", "  ( 1 3 )",
          "行を1/2倍すると、行列式も1/2倍になります。よって、det A = 2·det B です。"}},
    };
    for (const auto& t : tries) {
        log.ClearStepLog();
        const auto answer = t.answer ? std::optional(CpxParse(*t.answer)) : std::nullopt;
        EXPECT_EQ(session->Apply(halve, log, answer).outcome, t.outcome) << log.Text();
        EXPECT_EQ(log.Lines(), t.lines);
    }
    EXPECT_EQ(session->WrongAttempts(), 1);
    log.ClearStepLog();
    EXPECT_TRUE(session->Check(GridOf({{"1", "2"}, {"0", "1"}}), log, {}, CpxOne()).finished);
    EXPECT_EQ(Lines(log.Lines().begin() + 3, log.Lines().begin() + 9),
              (Lines{"ある行に他の行の定数倍を加えても、行列式は変わりません。", "完成です。",
                     "上三角行列の行列式は、対角成分の積です。", "det B = 1·1 = 1",
                     "det A = 2·det B = 2·1 = 2", "よって、行列式は、2です。"}));
    // Back to the start, the same elimination without the halving.
    session->Follow(start, GridChange::kUndone, log);
    log.ClearStepLog();
    EXPECT_TRUE(session->Apply(RowOperation::Add(1, 0, CpxParse("-1/2")), log, CpxOne()).finished);
    EXPECT_EQ(Lines(log.Lines().end() - 6, log.Lines().end() - 2),
              (Lines{"上三角行列の行列式は、対角成分の積です。", "det B = 2·1 = 2",
                     "det A = det B = 2", "よって、行列式は、2です。"}));
}

// The window's History in small: every accepted step and every edit is one
// state, and the session is told of each edit, undo and redo.
TEST(PracticeSession, FollowsUndoAndRedoOfTheWindow) {
    MemoryStepLog log;
    auto session = PracticeSession::Start(GridOf({{"2", "4"}, {"1", "3"}}),
                                          PracticeGoal::kReducedRowEchelon, log);
    ASSERT_TRUE(session);
    std::vector<CellGrid> history{session->Shown()};
    history.push_back(session->Apply(RowOperation::Scale(0, CpxParse("1/2")), log).grid);
    const CellGrid halfTyped = GridOf({{"1", "2"}, {"0", "3"}});
    history.push_back(halfTyped);
    session->Follow(halfTyped, GridChange::kEdited, log);
    // Swapping 1 and 2 twice comes back to the same matrix: the position in
    // the line, not the matrix, tells the two apart.
    history.push_back(session->Apply(RowOperation::Swap(0, 1), log).grid);
    history.push_back(session->Apply(RowOperation::Swap(0, 1), log).grid);
    EXPECT_EQ(session->Operations(), 3);

    const struct {
        GridChange change;
        std::size_t at;
        int operations;
        bool logged;
    } moves[] = {
        {GridChange::kUndone, 3, 2, true},  {GridChange::kUndone, 2, 1, true},
        {GridChange::kUndone, 1, 1, false}, {GridChange::kRedone, 2, 1, false},
        {GridChange::kRedone, 3, 2, true},  {GridChange::kUndone, 2, 1, true},
    };
    for (const auto& m : moves) {
        log.ClearStepLog();
        session->Follow(history[m.at], m.change, log);
        EXPECT_EQ(session->Operations(), m.operations) << m.at;
        EXPECT_EQ(log.Lines().size(), m.logged ? 3u : 0u) << m.at;
    }
    // At the half-typed grid the base is the matrix after the scaling, and a
    // check of the rest of the step is judged against it.
    EXPECT_EQ(session->Check(GridOf({{"1", "2"}, {"0", "1"}}), log).outcome, Outcome::kAccepted);
    EXPECT_EQ(session->Operations(), 2);
    EXPECT_FALSE(session->CanRedo());
    // Out of step (the edit was not reported): the matching grid still wins.
    session->Follow(history[1], GridChange::kUndone, log);
    EXPECT_EQ(session->Operations(), 1);
}

// A long practice beside the window's own History: the session goes back
// exactly as far as the History still can, to the step the History's oldest
// grid shows, and keeps no more of a long practice than that.
TEST(PracticeSession, GoesBackAsFarAsTheHistoryCan) {
    MemoryStepLog log;
    auto session = PracticeSession::Start(GridOf({{"1", "2"}, {"3", "4"}}),
                                          PracticeGoal::kReducedRowEchelon, log);
    ASSERT_TRUE(session);
    CellGrid grid = session->Shown();
    History history;
    history.RecordSnapshot(grid);
    EXPECT_FALSE(session->StartDropped());
    const int steps = 250;
    for (int i = 0; i < steps; ++i) {
        grid = session->Apply(RowOperation::Scale(0, CpxParse("2")), log).grid;
        history.RecordSnapshot(grid);
    }
    ScriptedDialogs dialogs;
    int undone = 0;
    for (; session->CanUndo(); ++undone) {
        history.Undo1Click(grid, dialogs);
        ASSERT_TRUE(dialogs.messages.empty()) << undone;
        session->Follow(grid, GridChange::kUndone, log);
        ASSERT_EQ(session->Operations(), steps - undone - 1);
    }
    history.Undo1Click(grid, dialogs);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"これ以上は戻せません。"});
    EXPECT_EQ(session->Shown(), grid);
    EXPECT_TRUE(session->StartDropped());  // the window says the History's end
    for (int redone = 1; redone <= undone; ++redone) {
        ASSERT_TRUE(session->CanRedo());
        history.Repeat1Click(grid, dialogs);
        session->Follow(grid, GridChange::kRedone, log);
        ASSERT_EQ(session->Operations(), steps - undone + redone);
    }
    EXPECT_FALSE(session->CanRedo());
}

}  // namespace
}  // namespace korvane
