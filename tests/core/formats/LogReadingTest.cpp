// Reading the engine's logs back: every row operation it can write, in every
// wording, is recognised, and replaying the operations read gives each
// matrix printed after them.
#include <gtest/gtest.h>

#include <sstream>

#include "../engine/TestMatrices.h"
#include "core/engine/Engine.h"
#include "core/engine/RowOperationText.h"
#include "core/formats/LogExport.h"
#include "core/formats/MathForms.h"

namespace korvane {
namespace {

using namespace test;
using Kind = RowOperation::Kind;

// Everything the reader hands on, in order.
struct Recorder : LogVisitor {
    struct Event {
        std::string sentence;
        std::optional<RowOperation> operation;
        std::optional<LogMatrix> matrix;
    };
    std::vector<Event> events;
    void Sentence(std::string_view text, const std::optional<RowOperation>& op) override {
        events.push_back({std::string(text), op, std::nullopt});
    }
    void Matrix(const LogMatrix& m) override { events.push_back({"", std::nullopt, m}); }
    void Span(const std::vector<std::vector<std::string>>&) override {}
};

test::Matrix ValuesOfEntries(const std::vector<std::vector<std::string>>& rows) {
    test::Matrix m;
    for (const auto& row : rows) {
        m.emplace_back();
        for (const std::string& entry : row)
            m.back().push_back(CpxParse(entry));
    }
    return m;
}

// The operation done by plain arithmetic on the values.
test::Matrix Apply(const RowOperation& op, test::Matrix m) {
    auto& target = m.at(op.target);
    switch (op.kind) {
        case Kind::kSwap:
            std::swap(target, m.at(op.source));
            break;
        case Kind::kScale:
            for (ComplexFraction& z : target)
                z = CpxMul(z, op.factor);
            break;
        case Kind::kAdd:
            for (std::size_t c = 0; c < target.size(); ++c)
                target[c] = Add(target[c], CpxMul(op.factor, m.at(op.source)[c]));
            break;
    }
    return m;
}

TEST(LogReading, ReplaysEveryOperationInEveryWording) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> size(1, 5);
    const EntryKind kinds[] = {EntryKind::kSmallInteger, EntryKind::kFraction,
                               EntryKind::kGaussianRational};
    for (int i = 0; i < 48; ++i) {
        const std::size_t n = size(rng);
        const CellGrid grid =
            GridOfValues(i % 4 == 3 ? RandomLowRank(rng, n, n, 1)
                                    : RandomMatrix(rng, n, i % 2 ? n : size(rng), kinds[i % 3]));
        for (const LogStyle style : {LogStyle{false, false}, LogStyle{true, false},
                                     LogStyle{false, true}, LogStyle{true, true}}) {
            Engine engine(style);
            MemoryStepLog log;
            CellGrid changed = grid;
            const bool inverse = i % 2 == 1;
            if (inverse) {
                engine.Inverse(changed, log);
            } else {
                engine.Determinant(grid, log);
            }
            Recorder recorder;
            LogReading reading(recorder, {static_cast<int>(n), static_cast<int>(2 * n)});
            for (const std::string& line : log.Lines())
                reading.Line(line);
            reading.Finish();

            std::size_t operationLines = 0, operationsRead = 0;
            for (const std::string& line : log.Lines())
                operationLines += line.find("行目") != std::string::npos;
            test::Matrix current;
            for (const auto& event : recorder.events) {
                if (event.operation) ++operationsRead;
                EXPECT_EQ(event.sentence.find("→"), std::string::npos) << event.sentence;
                EXPECT_EQ(event.sentence.find("↔"), std::string::npos) << event.sentence;
                if (!event.matrix) continue;
                const test::Matrix values = ValuesOfEntries(event.matrix->rows);
                if (event.matrix->reachedBy) {
                    EXPECT_EQ(Apply(*event.matrix->reachedBy, current), values);
                }
                const bool augmented = inverse && values.front().size() == 2 * n;
                EXPECT_EQ(event.matrix->barAfter, augmented ? static_cast<int>(n) : 0);
                current = values;
            }
            EXPECT_EQ(operationsRead, operationLines) << i;
        }
    }
}

TEST(LogReading, LinesThatAreNoOperation) {
    const std::string lines[] = {
        "1行目を1/2倍します。  R₁ → (1/3)R₁",  // a notation that says otherwise
        "1行目を1/2倍します。ね",
        "0行目を2倍します。",
        "1行目を2x倍します。",
        "1行目から2行目の3倍を足します。",
        "以上の操作の中で、行を0回入れ換え、合計1/2倍しました。",
        "  ( 1 2",
    };
    for (const std::string& line : lines) {
        Recorder recorder;
        LogReading reading(recorder);
        reading.Line(line);
        reading.Finish();
        ASSERT_EQ(recorder.events.size(), 1u) << line;
        EXPECT_EQ(recorder.events[0].sentence, line);
        EXPECT_FALSE(recorder.events[0].operation) << line;
    }
}

TEST(RowOperationNotation, PlainAndTex) {
    const auto value = [](const char* text) { return CpxParse(text); };
    const struct {
        RowOperation op;
        std::string plain, tex;
    } cases[] = {
        {RowOperation::Swap(0, 1), "R₁ ↔ R₂", "R_1 \\leftrightarrow R_2"},
        {{Kind::kScale, 0, 0, value("1/2")}, "R₁ → (1/2)R₁", "R_1 \\to \\frac{1}{2}R_1"},
        {{Kind::kScale, 9, 9, value("-1")}, "R₁₀ → −R₁₀", "R_{10} \\to -R_{10}"},
        {{Kind::kScale, 1, 1, value("-i/2")}, "R₂ → −(i/2)R₂", "R_2 \\to -\\frac{1}{2}iR_2"},
        {{Kind::kScale, 1, 1, value("-1+i")}, "R₂ → (-1+i)R₂", "R_2 \\to \\left(-1+i\\right)R_2"},
        {{Kind::kAdd, 1, 0, value("-3")}, "R₂ → R₂ − 3R₁", "R_2 \\to R_2 - 3R_1"},
        {{Kind::kAdd, 1, 0, value("3")}, "R₂ → R₂ + 3R₁", "R_2 \\to R_2 + 3R_1"},
        {{Kind::kAdd, 0, 2, value("-1")}, "R₁ → R₁ − R₃", "R_1 \\to R_1 - R_3"},
        {{Kind::kAdd, 0, 2, value("1/2+3i/4")},
         "R₁ → R₁ + (1/2+3i/4)R₃",
         "R_1 \\to R_1 + \\left(\\frac{1}{2}+\\frac{3}{4}i\\right)R_3"},
        {{Kind::kAdd, 0, 2, value("-2i")}, "R₁ → R₁ − 2iR₃", "R_1 \\to R_1 - 2iR_3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowOperationNotation(c.op), c.plain);
        EXPECT_EQ(LatexNotation(c.op), c.tex);
    }
}

std::string Exported(const std::vector<std::string>& lines, LogFormat format,
                     const ExportOptions& options = {}) {
    std::ostringstream out;
    LogExport log(format, options, out);
    for (const std::string& line : lines)
        log.Line(line);
    log.Finish();
    return out.str();
}

TEST(LogExport, PlainTextIsThePaneAndNotationCanBeLeftOut) {
    CellGrid grid = GridOf({{"2", "4"}, {"1", "3"}});
    MemoryStepLog log;
    Engine(LogStyle{true, true}).Inverse(grid, log);
    EXPECT_EQ(Exported(log.Lines(), LogFormat::kText), log.Text());
    ExportOptions bare;
    bare.notation = false;
    for (const LogFormat format : {LogFormat::kMarkdown, LogFormat::kLatex, LogFormat::kHtml}) {
        const std::string with = Exported(log.Lines(), format);
        const std::string without = Exported(log.Lines(), format, bare);
        EXPECT_NE(with.find("上の行列を行階段基本形にします。"), std::string::npos);
        EXPECT_EQ(with.find("R₁"), std::string::npos);  // the pane's notation is not repeated
        EXPECT_NE(with.find(format == LogFormat::kHtml ? "<mover>" : "\\xrightarrow{"),
                  std::string::npos);
        EXPECT_EQ(without.find(format == LogFormat::kHtml ? "<mover>" : "\\xrightarrow{"),
                  std::string::npos);
    }
}

// A matrix of closed forms (Aⁿ, e^{tA}) is set as formulas, entry by entry,
// never as text.
TEST(LogExport, ClosedFormsInMatricesAreTypeset) {
    const std::vector<std::string> lines{"A^n =", "  ( 2^n    n·2^(n-1)   )",
                                         "  ( cos(2t) (1/2)e^(-t) )"};
    const struct {
        LogFormat format;
        std::vector<const char*> pieces;
        const char* never;
    } cases[] = {
        {LogFormat::kLatex, {"2^{n} & n \\cdot 2^{(n - 1)}", "\\cos (2 t)", "\\frac{1}{2} e^{(- t)}"}, "\\text{"},
        {LogFormat::kMarkdown, {"2^{n} & n \\cdot 2^{(n - 1)}", "\\cos (2 t)"}, "\\text{"},
        {LogFormat::kHtml, {"<mi>cos</mi>", "<mi>n</mi>"}, "<mtext>"},
    };
    for (const auto& c : cases) {
        const std::string exported = Exported(lines, c.format);
        for (const char* piece : c.pieces)
            EXPECT_NE(exported.find(piece), std::string::npos) << piece << "\n" << exported;
        EXPECT_EQ(exported.find(c.never), std::string::npos) << exported;
    }
}

TEST(LogExport, FinishingTwiceClosesOnce) {
    MemoryStepLog log;
    CellGrid grid = GridOf({{"2", "4"}, {"1", "3"}});
    Engine().Inverse(grid, log);
    for (const LogFormat format :
         {LogFormat::kText, LogFormat::kMarkdown, LogFormat::kLatex, LogFormat::kHtml}) {
        std::ostringstream twice;
        LogExport exported(format, {}, twice);
        for (const std::string& line : log.Lines())
            exported.Line(line);
        exported.Finish();
        exported.Finish();
        EXPECT_EQ(twice.str(), Exported(log.Lines(), format)) << static_cast<int>(format);
    }
}

}  // namespace
}  // namespace korvane
