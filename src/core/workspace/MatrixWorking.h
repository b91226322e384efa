#pragma once

#include <string>

#include "core/StepLog.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixPrinting.h"
#include "core/engine/WorkMatrix.h"

namespace korvane {

// The working of the matrix operations an expression is made of, each
// logged as a student writes it: the rule in a sentence and, for results of
// at most kEntryByEntry rows and columns, every entry worked out
// ("c₁₂ = 1·5 + 2·7 = 19"). Each returns its result without printing it;
// the caller prints it under its name. Names are the log's ("AB", "2C").
// Every entry is a stopping point.
class MatrixWorking {
  public:
    static constexpr int kEntryByEntry = 4;

    explicit MatrixWorking(StepLog& log) : log_(log) {}

    // name is the product "AB", a with as many columns as b has rows; the
    // sizes are stated. A power's step is headed "A^4 = A^2A^2" instead.
    WorkMatrix Product(const WorkMatrix& a, const WorkMatrix& b, const std::string& aName,
                       const std::string& bName, const std::string& name);
    WorkMatrix PowerStep(const WorkMatrix& a, const WorkMatrix& b, const std::string& aName,
                         const std::string& bName, const std::string& name);
    // a + b, or a - b when subtract; of the same size.
    WorkMatrix Sum(const WorkMatrix& a, const WorkMatrix& b, const std::string& aName,
                   const std::string& bName, const std::string& name, bool subtract);
    // factor times every entry of a.
    WorkMatrix Multiple(const ComplexFraction& factor, const WorkMatrix& a,
                        const std::string& aName, const std::string& name);
    // The transpose of a, conjugated too when adjoint.
    WorkMatrix Transpose(const WorkMatrix& a, const std::string& aName, const std::string& name,
                         bool adjoint);
    // The sum of the diagonal of the square a, with the sum written out.
    ComplexFraction Trace(const WorkMatrix& a, const std::string& aName, const std::string& name);

  private:
    // The product's working after its first sentence.
    WorkMatrix Worked(const WorkMatrix& a, const WorkMatrix& b, const std::string& aName,
                      const std::string& bName, const std::string& name, WorkMatrix product);

    StepLog& log_;
};

// a · b with a stopping point between entries; no log.
WorkMatrix ProductOf(const WorkMatrix& a, const WorkMatrix& b);
// The zero matrix of rows × cols (the identity is the engine's IdentityMatrix).
WorkMatrix ZeroMatrix(int rows, int cols);
// "2×3 行列".
std::string SizeText(const WorkMatrix& m);
// "name =" and the matrix below it.
void PrintNamedMatrix(const std::string& name, const WorkMatrix& m, StepLog& log);

}  // namespace korvane
