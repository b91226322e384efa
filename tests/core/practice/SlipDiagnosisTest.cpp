// Wrong steps, mostly on one 3 × 4 system, each explained as the slip it is.
#include <gtest/gtest.h>

#include "TestMatrices.h"
#include "core/practice/PracticeSession.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;

TEST(SlipDiagnosis, ExplainsEachSlip) {
    const std::vector<Lines> system{
        {"1", "2", "-1", "3"}, {"2", "5", "1", "8"}, {"-1", "1", "4", "2"}};
    const std::vector<Lines> square{{"1", "2"}, {"3", "4"}};
    const std::vector<RowOperation> minusTwiceRowOne{RowOperation::Add(1, 0, CpxParse("-2"))};
    const std::string meant = "「2行目から1行目の2倍を引きます」のつもりだとすると、";
    const Lines rowThree{"-1", "1", "4", "2"};
    const std::string squareMeant = "「2行目から1行目の3倍を引きます」のつもりだとすると、";
    const struct {
        std::vector<Lines> start, typed;
        std::vector<RowOperation> named;
        SlipKind kind;
        std::vector<GridCell> wrong;
        Lines explanation;
    } cases[] = {
        {system,
         {{"1", "2", "-1", "3"}, {"0", "1", "-3", "2"}, rowThree},
         {},
         SlipKind::kSign,
         {{2, 1}},
         {meant, "(2,3)成分の符号が違います。"}},
        {system,
         {{"1", "2", "-1", "3"}, {"0", "1", "3", "8"}, rowThree},
         {},
         SlipKind::kPartialRow,
         {{3, 1}},
         {meant, "行の一部にしか計算をしていません。", "2行目の4列目が、前のままです。"}},
        {system,
         {{"1", "2", "-1", "3"}, {"0", "1", "4", "2"}, rowThree},
         {},
         SlipKind::kOneEntry,
         {{2, 1}},
         {meant, "(2,3)成分の計算が違います。"}},
        {system,
         {{"1", "2", "-1", "3"}, {"0", "1", "4", "9"}, rowThree},
         {},
         SlipKind::kSeveral,
         {{2, 1}, {3, 1}},
         {meant, "(2,3)成分、(2,4)成分が違います。"}},
        {system,
         {{"1", "2", "-1", "3"}, {"2", "5", "1", "8"}, {"0", "1", "3", "2"}},
         {},
         SlipKind::kWrongRow,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {2, 2}},
         {meant, "行が違います。2行目の計算結果が、3行目に書かれています。"}},
        {system,
         {{"1", "2", "-1", "3"}, {"-1", "-1", "4", "-1"}, rowThree},
         minusTwiceRowOne,
         SlipKind::kMultiple,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}},
         {"倍数が違います。「2行目から1行目の2倍を引きます」ではなく、「2行目から1行目の3倍を引きま"
          "す」"
          "の計算になっています。"}},
        {system,
         {{"1", "2", "-1", "3"}, {"4", "9", "-1", "14"}, rowThree},
         minusTwiceRowOne,
         SlipKind::kSign,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}},
         {"符号が違います。「2行目から1行目の2倍を引きます」ではなく、「2行目から1行目の-2倍を引"
          "きます」の計算になっています。"}},
        {system,
         {{"1", "2", "-1", "3"}, {"2", "5", "1", "8"}, {"-3", "-3", "6", "-4"}},
         minusTwiceRowOne,
         SlipKind::kWrongRow,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}},
         {"行が違います。「2行目から1行目の2倍を引きます」ではなく、「3行目から1行目の2倍を引きます"
          "」"
          "の計算になっています。"}},
        {system,
         {{"2", "5", "1", "8"}, {"1", "2", "-1", "3"}, rowThree},
         minusTwiceRowOne,
         SlipKind::kOtherStep,
         {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}},
         {"この行列は、「1行目と2行目を入れ換えます」をした結果です。"}},
        {system,
         {{"2", "5", "-1", "3"}, {"1", "2", "1", "8"}, rowThree},
         {RowOperation::Swap(0, 1)},
         SlipKind::kPartialRow,
         {{2, 0}, {3, 0}, {2, 1}, {3, 1}},
         {"行の一部にしか計算をしていません。", "1行目の3列目から右が、前のままです。",
          "2行目の3列目から右が、前のままです。"}},
        // Only the first entry done is the step done on part of the row, not
        // a swap of rows 1 and 2.
        {system,
         {{"1", "2", "-1", "3"}, {"0", "5", "1", "8"}, rowThree},
         {},
         SlipKind::kPartialRow,
         {{1, 1}, {2, 1}, {3, 1}},
         {meant, "行の一部にしか計算をしていません。", "2行目の2列目から右が、前のままです。"}},
        // Rows exchanged in most of their entries are a swap.
        {system,
         {{"2", "5", "1", "3"}, {"1", "2", "-1", "8"}, rowThree},
         {},
         SlipKind::kPartialRow,
         {{3, 0}, {3, 1}},
         {"「1行目と2行目を入れ換えます」のつもりだとすると、",
          "行の一部にしか計算をしていません。", "1行目の4列目が、前のままです。",
          "2行目の4列目が、前のままです。"}},
        // A row times 0 is no elementary operation.
        {square,
         {{"1", "2"}, {"0", "0"}},
         {},
         SlipKind::kOneEntry,
         {{1, 1}},
         {squareMeant, "(2,2)成分の計算が違います。"}},
        // 4 − 3·2 worked as 4 + 3·2.
        {square,
         {{"1", "2"}, {"0", "10"}},
         {},
         SlipKind::kSign,
         {{1, 1}},
         {squareMeant, "(2,2)成分の符号が違います。"}},
        {square,
         {{"0", "-2"}, {"3", "4"}},
         {},
         SlipKind::kWrongRow,
         {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
         {squareMeant, "行が違います。2行目の計算結果が、1行目に書かれています。"}},
        // Row 1 is row 2 moved up, but row 2 is not row 1 moved down: no
        // swap, and no signs spoken of.
        {square,
         {{"3", "4"}, {"5", "6"}},
         {},
         SlipKind::kSeveral,
         {{1, 0}, {1, 1}},
         {"「1行目を3倍します」「2行目から1行目の-2/3倍を引きます」のつもりだとすると、",
          "(1,2)成分、(2,2)成分が違います。"}},
        // A swap copies rows: a copy has no sign to get wrong.
        {system,
         {{"2", "5", "1", "8"}, {"-1", "-2", "1", "-3"}, rowThree},
         {RowOperation::Swap(0, 1)},
         SlipKind::kSeveral,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}},
         {"(2,1)成分、(2,2)成分、(2,3)成分、(2,4)成分が違います。"}},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        auto session =
            PracticeSession::Start(GridOf(c.start), PracticeGoal::kReducedRowEchelon, log);
        ASSERT_TRUE(session);
        log.ClearStepLog();
        const PracticeResult result = session->Check(GridOf(c.typed), log, c.named);
        ASSERT_EQ(result.outcome, PracticeResult::Outcome::kWrong) << log.Text();
        EXPECT_EQ(result.diagnosis->kind, c.kind) << log.Text();
        EXPECT_EQ(result.diagnosis->wrongCells, c.wrong) << log.Text();
        // The heading and the typed matrix come first; the request to try
        // again last.
        const auto matrixEnd =
            log.Lines().begin() + 1 + static_cast<std::ptrdiff_t>(c.typed.size());
        Lines explanation(matrixEnd, log.Lines().end() - 1);
        EXPECT_EQ(explanation, c.explanation);
        EXPECT_EQ(log.Lines().back(), "もう一度計算してください。");
        EXPECT_EQ(session->WrongAttempts(), 1);
    }
}

}  // namespace
}  // namespace korvane
