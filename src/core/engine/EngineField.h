#pragma once

#include <concepts>
#include <string>

namespace korvane {

// What the engine needs of the numbers it computes with: a field given as a
// traits struct of static functions over its Number type, so that one
// reduction, one matrix and one printing serve every field without virtual
// calls. Inv throws DivisionByZero for zero; SubMul is the in-place update
// t := t − a·b of an elimination (t is neither a nor b); AppendText appends
// the number's canonical text, as the log prints it.
template <class F>
concept EngineField = requires(typename F::Number& t, const typename F::Number& x, std::string& s) {
    { F::Zero() } -> std::same_as<typename F::Number>;
    { F::One() } -> std::same_as<typename F::Number>;
    { F::IsZero(x) } -> std::same_as<bool>;
    { F::IsOne(x) } -> std::same_as<bool>;
    { F::Neg(x) } -> std::same_as<typename F::Number>;
    { F::Add(x, x) } -> std::same_as<typename F::Number>;
    { F::Sub(x, x) } -> std::same_as<typename F::Number>;
    { F::Mul(x, x) } -> std::same_as<typename F::Number>;
    { F::Inv(x) } -> std::same_as<typename F::Number>;
    { F::SubMul(t, x, x) };
    { F::AppendText(s, x) };
};

// A field may also offer a faster row update: an operand prepared once
// (Prepare) serves many updates t := t − a·b (SubMulPrepared) with the same
// result as SubMul. The reduction uses it where a field has it.
template <class F>
concept PreparedOperands =
    EngineField<F> && requires(typename F::Number& t, const typename F::Number& x,
                               const typename F::Prepared& p) {
        { F::Prepare(x) } -> std::same_as<typename F::Prepared>;
        { F::SubMulPrepared(t, p, p) };
    };

// The number's canonical text on its own.
template <EngineField F>
std::string FieldText(const typename F::Number& x) {
    std::string text;
    F::AppendText(text, x);
    return text;
}

}  // namespace korvane
