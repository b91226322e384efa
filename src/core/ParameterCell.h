#pragma once

#include <string>
#include <string_view>

#include "mklibs/Errors.h"

namespace korvane {

// The parameter letter a cell's text is written in, such as a in "1-a" or
// "2a/3": the letter of a rational expression ReadParameterExpression
// reads with one. '\0' for a number, an empty cell and a text that is no
// such expression.
char CellParameterLetter(std::string_view text);

// The commands that take a matrix with a parameter, for a message:
// "行列式・階数・連立方程式・逆行列・核・像・固有値".
std::string ParameterCommandNames();

// Raised where a matrix with a parameter meets a computation on numbers
// only, so that no letter is ever read as some number. what() is the one
// sentence shown: the letter, and the commands that take it.
class ParameterNotTaken : public Error {
  public:
    explicit ParameterNotTaken(char letter);
    char letter() const { return letter_; }

  private:
    char letter_;
};

}  // namespace korvane
