#pragma once

#include <QRgb>
#include <QString>
#include <QStringView>

#include <cstdint>

namespace platform {

using Integer = std::int16_t;
using Single = float;
using Color = std::uint32_t; // 0x00BBGGRR: red in the low byte

constexpr Color RGB(int r, int g, int b)
{
    return static_cast<Color>(r) + 256U * static_cast<Color>(g) + 65536U * static_cast<Color>(b);
}

constexpr QRgb ToQRgb(Color color)
{
    return qRgb(static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
                static_cast<int>((color >> 16U) & 0xFFU));
}

constexpr Color FromQRgb(QRgb rgb)
{
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
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

} // namespace platform
