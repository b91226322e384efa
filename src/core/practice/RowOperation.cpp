#include "core/practice/RowOperation.h"

#include <utility>

#include "core/formats/Numerals.h"
#include "core/formats/StrictNumber.h"

namespace korvane {

ComplexFraction ReadFactor(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) return CpxZero();
    const NumberReading reading = ReadStrictNumber(text);
    if (reading.value) return *reading.value;
    const std::string quoted = "「" + std::string(text) + "」";
    switch (reading.fault) {
        case NumberFault::kDivisionByZero:
            throw Error(quoted + "は0で割っています。");
        case NumberFault::kExponentTooLarge:
            throw Error(quoted + "は指数が大きすぎます。指数は" + std::to_string(kMaxExponent) +
                        "までです。");
        case NumberFault::kNotANumber:
            break;
    }
    throw Error(quoted + "を数として読めません。");
}

std::optional<std::string> RefusalOf(const RowOperation& op, int rows) {
    for (const int row : {op.target, op.source}) {
        if (row < 0 || row >= rows) return std::to_string(row + 1) + "行目はありません。";
    }
    switch (op.kind) {
        case RowOperation::Kind::kSwap:
            if (op.target == op.source) return "同じ行どうしは入れ換えられません。";
            break;
        case RowOperation::Kind::kScale:
            if (CpxIsZero(op.factor)) return "行を0倍することはできません。";
            break;
        case RowOperation::Kind::kAdd:
            if (op.target == op.source) return "ある行に、その行自身の倍数を足すことはできません。";
            if (CpxIsZero(op.factor)) return "0倍を足しても、行列は変わりません。";
            break;
    }
    return std::nullopt;
}

void ApplyOperation(const RowOperation& op, MatrixRows& matrix) {
    MatrixRow& row = matrix[op.target];
    switch (op.kind) {
        case RowOperation::Kind::kSwap:
            std::swap(row, matrix[op.source]);
            break;
        case RowOperation::Kind::kScale:
            for (ComplexFraction& z : row)
                z = CpxMul(z, op.factor);
            break;
        case RowOperation::Kind::kAdd:
            AddMultiple(row, op.factor, matrix[op.source]);
            break;
    }
}

}  // namespace korvane
