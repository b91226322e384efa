#include "core/methods/DeterminantRelation.h"

#include "core/methods/FormulaText.h"

namespace korvane {

void FrontFactor::Take(const ComplexFraction& factor) {
    if (CpxIsOne(factor)) return;
    if (CpxIsOne(CpxNeg(factor))) {
        negative = !negative;
        return;
    }
    factors.push_back(factor);
}

ComplexFraction FrontFactor::Value() const {
    const ComplexFraction product = ProductOf(factors);
    return negative ? CpxNeg(product) : product;
}

std::string FrontFactor::Times(std::string_view determinant) const {
    std::string text = negative ? "-" : "";
    text += ProductText(factors);
    if (!factors.empty()) text += "·";
    text += determinant;
    return text;
}

ComplexFraction FrontFactorOf(const RowOperation& operation) {
    switch (operation.kind) {
        case RowOperation::Kind::kSwap:
            return CpxNeg(CpxOne());
        case RowOperation::Kind::kScale:
            return CpxInv(operation.factor);
        case RowOperation::Kind::kAdd:
            break;
    }
    return CpxOne();
}

std::string RelationEquation(const FrontFactor& front, std::string_view name) {
    std::string text = "det ";
    text += name;
    text += " = ";
    text += front.Times("det B");
    text += " です。";
    return text;
}

std::string RuleSentence(const RowOperation& operation) {
    switch (operation.kind) {
        case RowOperation::Kind::kSwap:
            return "行を入れ換えると、行列式の符号が変わります。";
        case RowOperation::Kind::kScale: {
            const std::string factor = CpxText(operation.factor);
            return "行を" + factor + "倍すると、行列式も" + factor + "倍になります。";
        }
        case RowOperation::Kind::kAdd:
            break;
    }
    return "ある行に他の行の定数倍を加えても、行列式は変わりません。";
}

std::string RelationSentence(const RowOperation& operation, const FrontFactor& front,
                             std::string_view name) {
    if (operation.kind == RowOperation::Kind::kAdd) return RuleSentence(operation);
    return RuleSentence(operation) + "よって、" + RelationEquation(front, name);
}

ComplexFraction LogDiagonalProduct(const std::vector<ComplexFraction>& diagonal, StepLog& log) {
    log.AppendStepLog("上三角行列の行列式は、対角成分の積です。");
    const ComplexFraction detB = ProductOf(diagonal);
    std::string line = "det B = ";
    if (diagonal.size() > 1) line += ProductText(diagonal) + " = ";
    log.AppendStepLog(line + CpxText(detB));
    return detB;
}

ComplexFraction LogFrontTimes(const FrontFactor& front, const ComplexFraction& detB,
                              std::string_view name, StepLog& log) {
    const ComplexFraction det = CpxMul(front.Value(), detB);
    std::string line = "det ";
    line += name;
    line += " = " + front.Times("det B");
    if (front.negative || !front.factors.empty()) line += " = " + front.Times(Factor(detB));
    log.AppendStepLog(line + " = " + CpxText(det));
    return det;
}

}  // namespace korvane
