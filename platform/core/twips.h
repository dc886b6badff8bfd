#pragma once

namespace platform {

// The designs' unit: 1440 twips to the inch, 15 to a logical pixel.
constexpr int TwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest; the one place where design
// units become screen units.
constexpr int TwipsToPixels(int twips)
{
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}

} // namespace platform
