#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/engine/ComplexRationals.h"
#include "core/engine/EngineField.h"
#include "core/engine/LogStyle.h"
#include "core/engine/RowOperation.h"

namespace korvane {

// The sentences that name one elementary row operation in the step log.
// Rows are given from 0 and written from 1; factors in their field's
// canonical text: each sentence is made from the factor's text, and a
// template over the field turns a number into that text (Q(i) when the
// field is not named).

// "1行目と2行目を入れ換えます。"
std::string SwapSentence(std::int32_t a, std::int32_t b);
// "2行目を1/2倍します。"
std::string ScaleSentence(std::int32_t row, std::string_view factor);
// "2行目から1行目の3倍を引きます。": target := target − factor × source.
std::string SubtractSentence(std::int32_t target, std::int32_t source, std::string_view factor);
// "2行目に1行目の3倍を足します。": target := target + factor × source.
std::string AddSentence(std::int32_t target, std::int32_t source, std::string_view factor);

template <EngineField F = ComplexRationals>
std::string ScaleSentence(std::int32_t row, const typename F::Number& factor) {
    return ScaleSentence(row, FieldText<F>(factor));
}
template <EngineField F = ComplexRationals>
std::string SubtractSentence(std::int32_t target, std::int32_t source,
                             const typename F::Number& factor) {
    return SubtractSentence(target, source, FieldText<F>(factor));
}
template <EngineField F = ComplexRationals>
std::string AddSentence(std::int32_t target, std::int32_t source,
                        const typename F::Number& factor) {
    return AddSentence(target, source, FieldText<F>(factor));
}
// Whether a number's text reads negative: it starts with a minus sign, or
// it is a surd over a denominator whose numerator does ("(-1-√5)/2").
bool ReadsNegative(std::string_view text);

// target := target + added × source, worded as a student reads it: an
// addition of added, or, when added's text reads negative, a subtraction of
// its opposite ("2行目から1行目の3倍を引きます。" for −3).
template <EngineField F = ComplexRationals>
std::string RowAdditionSentence(std::int32_t target, std::int32_t source,
                                const typename F::Number& added) {
    const std::string text = FieldText<F>(added);
    if (ReadsNegative(text)) return SubtractSentence<F>(target, source, F::Neg(added));
    return AddSentence(target, source, text);
}

// A multiplier standing before a name, as the notation writes it: "R₁" for
// 1, "3R₁", "(1/2)R₁", "(2-√3)R₁", and a surd over a whole number with its
// bracketed numerator before the name and the denominator after it,
// "(1+√5)R₁/2", rather than in a second pair of brackets.
std::string MultipliedName(std::string_view multiplier, std::string_view name);

// The pieces of the textbook notation with subscript row numbers:
// "R₁ ↔ R₂", "R₁ → (1/2)R₁", and "R₂ → R₂ + 3R₁" or, subtracted,
// "R₂ → R₂ − 3R₁" (multiple is the text of what is added or subtracted).
std::string SwapNotation(std::int32_t a, std::int32_t b);
std::string ScaleNotation(std::int32_t row, std::string_view factor);
std::string AdditionNotation(std::int32_t target, std::int32_t source, bool subtracted,
                             std::string_view multiple);

// The operation in textbook notation. A multiple whose text reads negative
// is subtracted as its opposite: "R₂ → R₂ − 3R₁" for −3.
template <EngineField F>
std::string RowOperationNotation(const BasicRowOperation<F>& operation) {
    if (operation.kind == RowOperationKind::kSwap)
        return SwapNotation(operation.target, operation.source);
    const std::string factor = FieldText<F>(operation.factor);
    if (operation.kind == RowOperationKind::kScale) return ScaleNotation(operation.target, factor);
    if (!ReadsNegative(factor))
        return AdditionNotation(operation.target, operation.source, false, factor);
    return AdditionNotation(operation.target, operation.source, true,
                            FieldText<F>(F::Neg(operation.factor)));
}

// The operation's line in the log: its sentence, worded as the style says
// (an addition as the reduction's subtraction of the opposite multiple, or
// as RowAdditionSentence), followed by its notation when the style asks.
template <EngineField F>
std::string RowOperationLine(const BasicRowOperation<F>& operation, const LogStyle& style) {
    std::string line;
    switch (operation.kind) {
        case RowOperationKind::kSwap:
            line = SwapSentence(operation.target, operation.source);
            break;
        case RowOperationKind::kScale:
            line = ScaleSentence<F>(operation.target, operation.factor);
            break;
        case RowOperationKind::kAdd:
            line = style.additionWording
                       ? RowAdditionSentence<F>(operation.target, operation.source,
                                                operation.factor)
                       : SubtractSentence<F>(operation.target, operation.source,
                                             F::Neg(operation.factor));
            break;
    }
    if (style.notation) {
        line += "  ";
        line += RowOperationNotation(operation);
    }
    return line;
}

}  // namespace korvane
