// Val against an independent reading: strip the blanks, take the longest
// prefix that a regular expression accepts as a number, and let strtod read it.
#include "platform/core/runtime_error.h"
#include "platform/core/values.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

namespace {

struct Reference
{
    double value = 0.0;
    bool overflows = false;
};

Reference ReferenceVal(const QString &text)
{
    std::string ascii;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        ascii.push_back(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '\x01');
    }
    static const std::regex number(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    std::smatch match;
    if (!std::regex_search(ascii, match, number))
        return {};
    const std::string prefix = match.str(0);
    errno = 0;
    const double value = std::strtod(prefix.c_str(), nullptr);
    return {value, errno == ERANGE && std::isinf(value)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 4096)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const Reference expected = ReferenceVal(text);
    try {
        const double value = platform::Val(text);
        if (expected.overflows)
            std::abort();
        if (std::memcmp(&value, &expected.value, sizeof value) != 0 && !(value == 0.0 && expected.value == 0.0))
            std::abort();
    } catch (const platform::RuntimeError &error) {
        if (!expected.overflows || error.number() != 6)
            std::abort();
    }
    return 0;
}
