#include "engine/SizeStyles.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace tintlace {

// The sizes must match to the last digit results computed with the x87 extended type.
static_assert(LDBL_MANT_DIG == 64, "size styles need long double with a 64-bit significand");

namespace {

using Extended = long double;

int truncToInt(Extended x) {
    return static_cast<int>(x);
} // truncates toward zero

void linear(CharTable& t, bool shrinking, int h, const SizeRange& rg) {
    const int n = t.Count;
    const Extended htmlStep = Extended(h - rg.htmlLow) / n;
    const Extended cssStep = Extended(rg.cssHigh - rg.cssLow) / n;
    for (int i = 1; i <= n; ++i) {
        if (shrinking) {
            // The HTML size is rounded by adding one half; the style-sheet size is not.
            t.HtmlSizes[i] = truncToInt((Extended(h) + 0.5L) - htmlStep * i);
            t.CssSizes[i] = truncToInt(Extended(rg.cssHigh) - cssStep * i);
        } else {
            t.HtmlSizes[i] = truncToInt(Extended(h) - htmlStep * (n - i));
            t.CssSizes[i] = truncToInt(Extended(rg.cssHigh) - cssStep * (n - i));
        }
    }
}

void sine(CharTable& t, bool wide, int h, const SizeRange& rg) {
    const int n = t.Count;
    const Extended twoFifteenths = 2.0L / 15.0L;
    const Extended slope = 1.0L / (n * twoFifteenths);
    const Extended factor = 0.47; // the double nearest to 0.47, widened
    for (int k = 0; k <= n / 2; ++k) {
        // The angle is rounded to double before the sine is taken.
        const double theta = static_cast<double>(slope * (k * factor));
        const Extended s = std::sin(static_cast<Extended>(theta));
        int html, css;
        if (wide) {
            html = truncToInt(Extended(h) - s * (h - rg.htmlLow));
            css = truncToInt(Extended(rg.cssHigh) - s * (rg.cssHigh - rg.cssLow));
        } else {
            html = truncToInt(s * (h - rg.htmlLow) + rg.htmlLow);
            css = truncToInt(s * (rg.cssHigh - rg.cssLow) + rg.cssLow);
        }
        // Symmetric about the middle; for an even count the last step writes the two middle
        // characters again, so both carry its value.
        t.HtmlSizes[k + 1] = html;
        t.HtmlSizes[n - k] = html;
        t.CssSizes[k + 1] = css;
        t.CssSizes[n - k] = css;
    }
}

} // namespace

SizeRange sizeRangeFor(int baseSize, int amount) {
    SizeRange rg{};
    rg.htmlLow = std::max(baseSize - amount, 1);
    rg.cssHigh = baseSize * 4 + 8;
    rg.cssLow = rg.cssHigh - amount * ((rg.cssHigh - 8) / 6);
    return rg;
}

void applySizeStyle(CharTable& table, StyleKind style, int baseSize, int amount) {
    const int n = table.Count;
    if (n < 1)
        return;
    const SizeRange rg = sizeRangeFor(baseSize, amount);
    switch (style) {
    case StyleKind::NoStyle:
        for (int i = 1; i <= n; ++i) {
            table.HtmlSizes[i] = baseSize;
            table.CssSizes[i] = rg.cssHigh;
        }
        break;
    case StyleKind::Impact:
        table.HtmlSizes[1] = baseSize;
        table.CssSizes[1] = rg.cssHigh;
        for (int i = 2; i <= n; ++i) {
            table.HtmlSizes[i] = rg.htmlLow;
            table.CssSizes[i] = rg.cssLow;
        }
        break;
    case StyleKind::Small:
        linear(table, true, baseSize, rg);
        break;
    case StyleKind::Big:
        linear(table, false, baseSize, rg);
        break;
    case StyleKind::Wide:
        sine(table, true, baseSize, rg);
        break;
    case StyleKind::Top:
        sine(table, false, baseSize, rg);
        break;
    }
}

} // namespace tintlace
