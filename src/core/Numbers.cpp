// Rounding and number text for the meters.
#include "core/Numbers.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace core {

std::int64_t RoundHalfEven(double v) {
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v);  // the default rounding mode sends halves to even
    if (r >= 9.2233720368547758e18)
        return std::numeric_limits<std::int64_t>::max();
    if (r <= -9.2233720368547758e18)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

double RoundTo2(double v) {
    return std::nearbyint(v * 100.0) / 100.0;
}

std::string ShortestText(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    if (s == "-0")
        s = "0";
    return s;
}

std::string PercentText(std::int64_t v) {
    return std::to_string(v) + "%";
}

}  // namespace core
