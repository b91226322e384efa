// The log exports on the logs of 10 × 10 inversions, written to a stream
// that drops everything: the cost of reading the log and writing each form,
// beside the cost of copying the plain lines.
#include <benchmark/benchmark.h>

#include <ostream>
#include <random>
#include <streambuf>
#include <string>
#include <vector>

#include "core/engine/Engine.h"
#include "core/formats/LogExport.h"

namespace korvane {
namespace {

// Swallows what is written, as /dev/null does.
class NullBuffer : public std::streambuf {
  protected:
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int overflow(int c) override { return c; }
};

std::string Digits(std::mt19937& rng, int count) {
    std::string digits(1, static_cast<char>('1' + rng() % 9));
    while (static_cast<int>(digits.size()) < count)
        digits += static_cast<char>('0' + rng() % 10);
    return digits;
}

// The log of inverting a 10 × 10 matrix of complex fractions whose parts
// have the given number of digits.
const std::vector<std::string>& InverseLog(int digits) {
    static std::vector<std::vector<std::string>> logs(8);
    std::vector<std::string>& lines = logs[digits];
    if (!lines.empty()) return lines;
    std::mt19937 rng(digits);
    CellGrid grid;
    grid.SetRows(10);
    grid.SetCols(10);
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 10; ++c)
            grid.SetCell(c, r,
                         Digits(rng, digits) + "/" + Digits(rng, digits) + "+" +
                             Digits(rng, digits) + "i/" + Digits(rng, digits));
    }
    MemoryStepLog log;
    Engine().Inverse(grid, log);
    lines = log.Lines();
    return lines;
}

void BM_Export(benchmark::State& state) {
    const auto format = static_cast<LogFormat>(state.range(0));
    const std::vector<std::string>& lines = InverseLog(static_cast<int>(state.range(1)));
    std::size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += line.size() + 1;
    NullBuffer sink;
    std::ostream out(&sink);
    ExportOptions options;
    options.augmented = {10, 20};
    for (auto _ : state) {
        LogExport log(format, options, out);
        for (const std::string& line : lines)
            log.Line(line);
        log.Finish();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

BENCHMARK(BM_Export)
    ->ArgNames({"format", "digits"})
    ->ArgsProduct({{static_cast<int>(LogFormat::kText), static_cast<int>(LogFormat::kMarkdown),
                    static_cast<int>(LogFormat::kLatex), static_cast<int>(LogFormat::kHtml)},
                   {1, 3}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvane

BENCHMARK_MAIN();
