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

std::string RelationSentence(const RowOperation& operation, const FrontFactor& front,
                             std::string_view name) {
    switch (operation.kind) {
        case RowOperation::Kind::kSwap:
            return "行を入れ換えると行列式の符号が変わるので、" + RelationEquation(front, name);
        case RowOperation::Kind::kScale: {
            const std::string factor = CpxText(operation.factor);
            return "行を" + factor + "倍すると行列式も" + factor + "倍になるので、" +
                   RelationEquation(front, name);
        }
        case RowOperation::Kind::kAdd:
            break;
    }
    return "ある行に他の行の定数倍を加えても、行列式は変わりません。";
}

}  // namespace korvane
