// Wrong steps on one 3 × 4 system, each explained as the slip it is.
#include <gtest/gtest.h>

#include "TestMatrices.h"
#include "core/practice/PracticeSession.h"

namespace korvane {
namespace {

using test::GridOf;
using test::Lines;

TEST(SlipDiagnosis, ExplainsEachSlip) {
    const CellGrid system =
        GridOf({{"1", "2", "-1", "3"}, {"2", "5", "1", "8"}, {"-1", "1", "4", "2"}});
    const std::vector<RowOperation> minusTwiceRowOne{RowOperation::Add(1, 0, CpxParse("-2"))};
    const std::string meant = "「2行目から1行目の2倍を引きます」のつもりだとすると、";
    const Lines rowThree{"-1", "1", "4", "2"};
    const struct {
        Lines rowOne, rowTwo, rowThree;
        std::vector<RowOperation> named;
        SlipKind kind;
        std::vector<GridCell> wrong;
        Lines explanation;
    } cases[] = {
        {{"1", "2", "-1", "3"},
         {"0", "1", "-3", "2"},
         rowThree,
         {},
         SlipKind::kSign,
         {{2, 1}},
         {meant, "(2,3)成分の符号が違います。"}},
        {{"1", "2", "-1", "3"},
         {"0", "1", "3", "8"},
         rowThree,
         {},
         SlipKind::kPartialRow,
         {{3, 1}},
         {meant, "行の一部にしか計算をしていません。", "2行目の4列目が、前のままです。"}},
        {{"1", "2", "-1", "3"},
         {"0", "1", "4", "2"},
         rowThree,
         {},
         SlipKind::kOneEntry,
         {{2, 1}},
         {meant, "(2,3)成分の計算が違います。"}},
        {{"1", "2", "-1", "3"},
         {"0", "1", "4", "9"},
         rowThree,
         {},
         SlipKind::kSeveral,
         {{2, 1}, {3, 1}},
         {meant, "(2,3)成分、(2,4)成分が違います。"}},
        {{"1", "2", "-1", "3"},
         {"2", "5", "1", "8"},
         {"0", "1", "3", "2"},
         {},
         SlipKind::kWrongRow,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {2, 2}},
         {meant, "行が違います。2行目の計算結果が、3行目に書かれています。"}},
        {{"1", "2", "-1", "3"},
         {"-1", "-1", "4", "-1"},
         rowThree,
         minusTwiceRowOne,
         SlipKind::kMultiple,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}},
         {"倍数が違います。「2行目から1行目の2倍を引きます」ではなく、「2行目から1行目の3倍を引きま"
          "す」"
          "の計算になっています。"}},
        {{"1", "2", "-1", "3"},
         {"4", "9", "-1", "14"},
         rowThree,
         minusTwiceRowOne,
         SlipKind::kSign,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}},
         {"符号が違います。「2行目から1行目の2倍を引きます」ではなく、「2行目に1行目の2倍を足します"
          "」"
          "の計算になっています。"}},
        {{"1", "2", "-1", "3"},
         {"2", "5", "1", "8"},
         {"-3", "-3", "6", "-4"},
         minusTwiceRowOne,
         SlipKind::kWrongRow,
         {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}},
         {"行が違います。「2行目から1行目の2倍を引きます」ではなく、「3行目から1行目の2倍を引きます"
          "」"
          "の計算になっています。"}},
        {{"2", "5", "1", "8"},
         {"1", "2", "-1", "3"},
         rowThree,
         minusTwiceRowOne,
         SlipKind::kOtherStep,
         {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}},
         {"この行列は、「1行目と2行目を入れ換えます」をした結果です。"}},
        {{"2", "5", "-1", "3"},
         {"1", "2", "1", "8"},
         rowThree,
         {RowOperation::Swap(0, 1)},
         SlipKind::kPartialRow,
         {{2, 0}, {3, 0}, {2, 1}, {3, 1}},
         {"行の一部にしか計算をしていません。", "1行目の3列目から右が、前のままです。",
          "2行目の3列目から右が、前のままです。"}},
    };
    for (const auto& c : cases) {
        MemoryStepLog log;
        auto session = PracticeSession::Start(system, PracticeGoal::kReducedRowEchelon, log);
        ASSERT_TRUE(session);
        log.ClearStepLog();
        const PracticeResult result =
            session->Check(GridOf({c.rowOne, c.rowTwo, c.rowThree}), log, c.named);
        ASSERT_EQ(result.outcome, PracticeResult::Outcome::kWrong) << c.rowTwo[0];
        EXPECT_EQ(result.diagnosis->kind, c.kind) << log.Text();
        EXPECT_EQ(result.diagnosis->wrongCells, c.wrong) << log.Text();
        // The heading and the typed matrix come first; the request to try
        // again last.
        Lines explanation(log.Lines().begin() + 4, log.Lines().end() - 1);
        EXPECT_EQ(explanation, c.explanation);
        EXPECT_EQ(log.Lines().back(), "もう一度計算してください。");
        EXPECT_EQ(session->WrongAttempts(), 1);
    }
}

}  // namespace
}  // namespace korvane
