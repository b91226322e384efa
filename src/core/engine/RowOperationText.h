#pragma once

#include <cstdint>
#include <string>

#include "core/engine/LogStyle.h"
#include "core/engine/RowOperation.h"
#include "mklibs/mklibs.h"

namespace korvane {

// The sentences that name one elementary row operation in the step log.
// Rows are given from 0 and written from 1; factors in their canonical text.

// "1行目と2行目を入れ換えます。"
std::string SwapSentence(std::int32_t a, std::int32_t b);
// "2行目を1/2倍します。"
std::string ScaleSentence(std::int32_t row, const ComplexFraction& factor);
// "2行目から1行目の3倍を引きます。": target := target − factor × source.
std::string SubtractSentence(std::int32_t target, std::int32_t source,
                             const ComplexFraction& factor);
// "2行目に1行目の3倍を足します。": target := target + factor × source.
std::string AddSentence(std::int32_t target, std::int32_t source, const ComplexFraction& factor);
// target := target + added × source, worded as a student reads it: an
// addition of added, or, when added's text starts with a minus sign, a
// subtraction of its opposite ("2行目から1行目の3倍を引きます。" for −3).
std::string RowAdditionSentence(std::int32_t target, std::int32_t source,
                                const ComplexFraction& added);

// The operation in textbook notation with subscript row numbers:
// "R₁ ↔ R₂", "R₁ → (1/2)R₁", "R₂ → R₂ + 3R₁". A multiple whose text reads
// negative is subtracted as its opposite: "R₂ → R₂ − 3R₁" for −3.
std::string RowOperationNotation(const RowOperation& operation);
// The operation's line in the log: its sentence, worded as the style says
// (an addition as the reduction's subtraction of the opposite multiple, or
// as RowAdditionSentence), followed by its notation when the style asks.
std::string RowOperationLine(const RowOperation& operation, const LogStyle& style);

}  // namespace korvane
