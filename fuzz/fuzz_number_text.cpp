// The Single and Double text forms read back by Val give the value rounded
// to 7 and 15 significant digits; no "-0", no blanks. (A Double within 15
// digits of the largest one rounds beyond the range: Val reports that as an
// overflow, so those are not read back.)
#include "platform/core/values.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double Rounded(double value, int digits)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return std::strtod(text, nullptr);
}

void Check(const QString &text, double value, int digits)
{
    if (text.contains(u' ') || text == QLatin1String("-0"))
        std::abort();
    const double readBack = platform::Val(text);
    if (readBack != Rounded(value, digits))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size >= sizeof(float)) {
        float single = 0;
        std::memcpy(&single, data, sizeof single);
        if (std::isfinite(single))
            Check(platform::SingleToText(single), single, 7);
    }
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value) && std::isfinite(Rounded(value, 15)))
            Check(platform::DoubleToText(value), value, 15);
    }
    return 0;
}
