#pragma once

#include <stdexcept>
#include <string>

namespace korvane {

// Base of every error Korvane reports to the user; what() is the Japanese
// message the error box shows.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Raised by the number layer for a reciprocal or a fraction with denominator 0.
class DivisionByZero : public Error {
  public:
    DivisionByZero() : Error("ゼロによる除算") {}
};

}  // namespace korvane
