#pragma once

#include <QRgb>
#include <QString>
#include <QStringView>

#include <cstdint>

namespace platform {

using Integer = std::int16_t;
using Single = float;
// A color of the designs: 0x00BBGGRR, red in the low byte, or 0x800000nn
// for the windowing system's color nn. A type of its own, so that it never
// passes for a QRgb (0xAARRGGBB), whose bytes run the other way: RGB makes
// one, ToQRgb and ToQColor (for system colors) turn one into Qt's.
enum class Color : std::uint32_t {};

constexpr std::uint32_t ColorValue(Color color)
{
    return static_cast<std::uint32_t>(color);
}

constexpr Color RGB(int r, int g, int b)
{
    return Color{static_cast<std::uint32_t>(r) + 256U * static_cast<std::uint32_t>(g) +
                 65536U * static_cast<std::uint32_t>(b)};
}

constexpr QRgb ToQRgb(Color color)
{
    const std::uint32_t value = ColorValue(color);
    return qRgb(static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8U) & 0xFFU),
                static_cast<int>((value >> 16U) & 0xFFU));
}

// a + b, raising the Overflow error before a result outside 16 bits is stored.
Integer AddInteger(Integer a, Integer b);

// The number at the start of the text; blanks anywhere are skipped. A number
// beyond the Double range raises the Overflow error.
double Val(QStringView text);

// Plain decimal, 7 (Single) or 15 (Double) significant digits, no trailing
// zeros; exponent form "1.5E+20" only where plain decimal would need it.
QString SingleToText(Single value);
QString DoubleToText(double value);

// Plain decimal to at most that many decimals, without trailing zeros, and
// zero without a sign.
QString FixedText(double value, int decimals);

} // namespace platform
