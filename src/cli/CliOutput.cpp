#include "cli/CliOutput.h"

#include <array>
#include <ostream>
#include <utility>

#include "core/formats/CopyFormats.h"

namespace korvane {

namespace {

constexpr std::array<std::pair<CliCommand, std::string_view>, 25> kTitles{{
    {CliCommand::kRref, "行階段基本形の計算"},
    {CliCommand::kInverse, "逆行列の計算"},
    {CliCommand::kTranspose, "転置の計算"},
    {CliCommand::kKernel, "核の計算"},
    {CliCommand::kImage, "像の計算"},
    {CliCommand::kDeterminant, "行列式の計算"},
    {CliCommand::kSolve, "連立一次方程式の解"},
    {CliCommand::kSolveMany, "連立一次方程式の解"},
    {CliCommand::kRank, "階数の計算"},
    {CliCommand::kCharpoly, "固有多項式の計算"},
    {CliCommand::kEigenvalues, "固有値の計算"},
    {CliCommand::kEigenvectors, "固有ベクトルの計算"},
    {CliCommand::kDiagonalize, "対角化の計算"},
    {CliCommand::kSarrus, "サラスの方法による行列式"},
    {CliCommand::kIntegerDeterminant, "行基本変形による行列式"},
    {CliCommand::kAdjugate, "余因子行列と逆行列"},
    {CliCommand::kCramer, "クラメルの公式による解"},
    {CliCommand::kLu, "LU 分解"},
    {CliCommand::kElementary, "基本行列"},
    {CliCommand::kEval, "式の計算"},
    {CliCommand::kJordan, "ジョルダン標準形"},
    {CliCommand::kPower, "行列の累乗"},
    {CliCommand::kExponential, "行列の指数関数"},
    {CliCommand::kRecurrence, "線形漸化式の一般項"},
    {CliCommand::kMinimalPolynomial, "最小多項式"},
}};

// The HTML page's title; the default one for a command without its own.
std::string TitleOf(CliCommand command) {
    for (const auto& [named, title] : kTitles) {
        if (named == command) return std::string(title);
    }
    return ExportOptions().title;
}

}  // namespace

LogStyle LogStyleFor(const CliOptions& options) {
    return {options.notation.value_or(false), options.additionWording};
}

ExportOptions ExportOptionsFor(const CliOptions& options, const CellGrid& grid) {
    ExportOptions exported;
    exported.notation = options.notation.value_or(true);
    // The bar of an augmented matrix: [A | I] of the inverse, [A | b] and
    // [A | B] of the systems.
    if (options.command == CliCommand::kInverse && grid.IsSquare())
        exported.augmented = {grid.Cols(), 2 * grid.Cols()};
    if (options.command == CliCommand::kSolve || options.command == CliCommand::kCramer)
        exported.augmented = {grid.Cols() - 1, grid.Cols()};
    if (options.command == CliCommand::kSolveMany && grid.Cols() > grid.Rows())
        exported.augmented = {grid.Rows(), grid.Cols()};
    exported.title = options.expansion ? "余因子展開による行列式" : TitleOf(options.command);
    return exported;
}

CliLog::CliLog(const CliOptions& options, const CellGrid& grid, std::ostream& out)
    : out_(out),
      matrixFormat_(options.matrixFormat),
      pdfPath_(options.pdf),
      plain_(options.logFormat == LogFormat::kText) {
    const ExportOptions exported = ExportOptionsFor(options, grid);
    if (!matrixFormat_ && !plain_)
        printed_ = std::make_unique<LogExport>(options.logFormat, exported, marked_);
    if (pdfPath_) pdf_ = std::make_unique<LogPdf>(exported);
    PassOn();
}

CliLog::~CliLog() = default;

void CliLog::AppendStepLog(std::string_view line) {
    lastLine_.assign(line);
    if (pdf_) pdf_->Log().AppendStepLog(line);
    if (matrixFormat_) return;
    if (plain_) {
        out_.AppendStepLog(line);
        return;
    }
    printed_->Line(line);
    PassOn();
}

void CliLog::Finish() {
    if (printed_) {
        printed_->Finish();
        PassOn();
    }
    out_.Flush();
}

void CliLog::PrintMatrix(const CellGrid& grid) {
    if (!matrixFormat_) return;
    out_.Write(CopyMatrix(grid, *matrixFormat_));
    out_.Flush();
}

void CliLog::WritePdf() {
    if (pdf_) pdf_->Write(*pdfPath_);
}

void CliLog::PassOn() {
    if (marked_.tellp() <= 0) return;
    out_.Write(marked_.view());
    marked_.str({});
}

}  // namespace korvane
