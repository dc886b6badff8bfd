#include "values.h"

#include "runtime_error.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace platform {

Integer AddInteger(Integer a, Integer b)
{
    const int sum = a + b;
    if (sum < std::numeric_limits<Integer>::min() || sum > std::numeric_limits<Integer>::max())
        throw RuntimeError(ErrorCode::Overflow);
    return static_cast<Integer>(sum);
}

namespace {

// Emscripten's C++ library has no floating-point from_chars/to_chars. Its C
// library's strtod and printf are exact (correctly rounded), and the text
// reaching them is already plain digits, so they give the same answers.
#ifdef __cpp_lib_to_chars
std::errc ParseDouble(const char *first, const char *last, double &value)
{
    return std::from_chars(first, last, value, std::chars_format::general).ec;
}

std::size_t FormatDouble(char *first, char *last, double value, int significantDigits)
{
    return static_cast<std::size_t>(
        std::to_chars(first, last, value, std::chars_format::general, significantDigits).ptr - first);
}
#else
std::errc ParseDouble(const char *first, const char *last, double &value)
{
    const std::string text(first, last);
    errno = 0;
    const double parsed = std::strtod(text.c_str(), nullptr);
    // from_chars leaves a subnormal result alone and reports only results
    // that rounded to zero or infinity.
    if (errno == ERANGE && (parsed == 0.0 || std::isinf(parsed)))
        return std::errc::result_out_of_range;
    value = parsed;
    return {};
}

std::size_t FormatDouble(char *first, const char *last, double value, int significantDigits)
{
    const int length = std::snprintf(first, static_cast<std::size_t>(last - first), "%.*g", significantDigits, value);
    return static_cast<std::size_t>(length);
}
#endif

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest prefix of the blank-free text that reads as a number:
// [+-] digits [. digits] [(e|E) [+-] digits], at least one mantissa digit.
struct NumberPrefix
{
    std::string text;
    // Power of ten of the leading significant digit; decides between
    // overflow and underflow when the value leaves the Double range.
    long long leadingExponent = 0;
    bool allZero = true;
};

NumberPrefix ScanNumber(QStringView input)
{
    std::string chars;
    for (QChar c : input) {
        if (IsBlank(c))
            continue;
        if (c.unicode() > 0x7F)
            break;
        chars.push_back(static_cast<char>(c.unicode()));
    }

    NumberPrefix number;
    std::size_t i = 0;
    if (i < chars.size() && (chars[i] == '+' || chars[i] == '-'))
        ++i;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    bool seenDigit = false;
    for (; i < chars.size() && IsDigit(chars[i]); ++i) {
        seenDigit = true;
        if (chars[i] != '0' || !number.allZero) {
            number.allZero = false;
            ++integerDigits;
        }
    }
    if (i < chars.size() && chars[i] == '.') {
        ++i;
        for (; i < chars.size() && IsDigit(chars[i]); ++i) {
            seenDigit = true;
            if (number.allZero && chars[i] == '0')
                ++leadingFractionZeros;
            else
                number.allZero = false;
        }
    }
    if (!seenDigit)
        return {};
    std::size_t end = i;
    long long exponent = 0;
    if (i < chars.size() && (chars[i] == 'e' || chars[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < chars.size() && (chars[j] == '+' || chars[j] == '-'))
            negative = chars[j++] == '-';
        if (j < chars.size() && IsDigit(chars[j])) {
            for (; j < chars.size() && IsDigit(chars[j]); ++j) {
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (chars[j] - '0');
            }
            if (negative)
                exponent = -exponent;
            end = j;
        }
    }
    number.text = chars.substr(0, end);
    number.leadingExponent = integerDigits > 0 ? integerDigits - 1 + exponent : exponent - leadingFractionZeros - 1;
    return number;
}

} // namespace

double Val(QStringView text)
{
    const NumberPrefix number = ScanNumber(text);
    if (number.text.empty())
        return 0.0;
    const char *first = number.text.data();
    const char *last = first + number.text.size();
    // from_chars takes no leading '+'.
    const bool negative = *first == '-';
    if (*first == '+' || *first == '-')
        ++first;
    double value = 0.0;
    if (ParseDouble(first, last, value) == std::errc::result_out_of_range) {
        if (!number.allZero && number.leadingExponent >= 0)
            throw RuntimeError(ErrorCode::Overflow);
        value = 0.0;
    }
    return negative ? -value : value;
}

namespace {

QString NumberToText(double value, int significantDigits)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0.0)
        return QStringLiteral("0"); // never "-0"
    // The exact binary value rounded, ties to even, as printf's %g does.
    std::array<char, 32> buffer{};
    const std::size_t length = FormatDouble(buffer.data(), buffer.data() + buffer.size(), value, significantDigits);
    QString text = QString::fromLatin1(buffer.data(), static_cast<qsizetype>(length));
    text.replace(u'e', u'E');
    return text;
}

} // namespace

QString SingleToText(Single value)
{
    return NumberToText(value, 7);
}

QString DoubleToText(double value)
{
    return NumberToText(value, 15);
}

QString FixedText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

} // namespace platform
