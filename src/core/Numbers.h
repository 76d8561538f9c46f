// Rounding and number text shared by the meters: halves go to the even neighbour.
#pragma once

#include <cstdint>
#include <string>

namespace core {

// Nearest whole number, halves to even, saturated to the 64-bit range (NaN gives 0).
std::int64_t RoundHalfEven(double v);
// v rounded to two decimals, halves to even.
double RoundTo2(double v);
// The shortest decimal text of a value with at most two decimals: 12.34, 27.5, 30.
std::string ShortestText(double v);
// A whole percentage and its sign: "37%", "-5%".
std::string PercentText(std::int64_t v);

}  // namespace core
