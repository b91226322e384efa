#include "core/workspace/PowerWorking.h"

#include <vector>

namespace korvane {

namespace {

// The name of the k-th power of the base: A, A^2, …; A^-1, A^-2, … for the
// powers of an inverse.
std::string PowerName(const std::string& base, std::int64_t k, bool ofInverse) {
    if (k == 1 && !ofInverse) return base;
    return base + "^" + (ofInverse ? "-" : "") + std::to_string(k);
}

// The powers of two that sum to exponent, largest first.
std::vector<std::int64_t> PowersOfTwo(std::int64_t exponent) {
    std::vector<std::int64_t> powers;
    for (std::int64_t p = std::int64_t{1} << 62; p > 0; p >>= 1) {
        if ((exponent & p) != 0) powers.push_back(p);
    }
    return powers;
}

}  // namespace

WorkMatrix PowerWorking::Power(const WorkMatrix& base, std::int64_t exponent,
                               const std::string& baseName, bool ofInverse) {
    const auto name = [&](std::int64_t k) { return PowerName(baseName, k, ofInverse); };
    const std::vector<std::int64_t> terms = PowersOfTwo(exponent);
    const std::int64_t largest = terms.front();
    if (terms.size() > 1) {
        std::string sum;
        std::string product;
        for (const std::int64_t p : terms) {
            sum += (sum.empty() ? "" : " + ") + std::to_string(p);
            product += name(p);
        }
        log_.AppendStepLog(name(exponent) + " を計算します。" + std::to_string(exponent) + " = " +
                           sum + " なので、" + name(exponent) + " = " + product + " です。");
    } else if (exponent > 2) {
        log_.AppendStepLog(name(exponent) + " を計算します。");
    }
    if (largest > 2) {
        std::string squares;
        for (std::int64_t k = 2; k <= largest; k *= 2)
            squares += (squares.empty() ? "" : ", ") + name(k);
        log_.AppendStepLog(name(1) + " を繰り返し2乗して、" + squares + " を求めます。");
    }
    // The squares, keeping those the exponent is made of, in the order of terms.
    std::vector<WorkMatrix> kept(terms.size());
    if ((exponent & 1) != 0) kept.back() = base;
    WorkMatrix square = base;
    for (std::int64_t k = 2; k <= largest; k *= 2) {
        square = working_.PowerStep(square, square, name(k / 2), name(k / 2), name(k));
        if (k != exponent) PrintNamedMatrix(name(k), square, log_);
        for (std::size_t t = 0; t < terms.size(); ++t) {
            if (terms[t] == k) kept[t] = square;
        }
    }
    // Their product, from the largest down.
    WorkMatrix product = kept.front();
    std::int64_t reached = largest;
    for (std::size_t t = 1; t < terms.size(); ++t) {
        product = working_.PowerStep(product, kept[t], name(reached), name(terms[t]),
                                     name(reached + terms[t]));
        reached += terms[t];
        if (reached != exponent) PrintNamedMatrix(name(reached), product, log_);
    }
    return product;
}

}  // namespace korvane
