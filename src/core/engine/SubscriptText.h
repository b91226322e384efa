#pragma once

// Numbers written as Unicode subscripts, for names such as R₁₀ and p₃(λ).
#include <string>

namespace korvane {

// n ≥ 0 in the subscript digits ₀ to ₉: "₁₀" for 10.
std::string SubscriptNumber(int n);

}  // namespace korvane
