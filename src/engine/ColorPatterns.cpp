#include "engine/ColorPatterns.h"

#include "engine/CharSplit.h"

namespace tintlace {

namespace {

// A per-channel step from one stop towards another over `steps` steps, truncated toward zero.
struct Step {
    int red = 0, green = 0, blue = 0;
};

Step stepBetween(Color from, Color to, int steps) {
    return {(colorRed(to) - colorRed(from)) / steps, (colorGreen(to) - colorGreen(from)) / steps,
            (colorBlue(to) - colorBlue(from)) / steps};
}

// `from` plus k steps. Every channel stays between the two stops because no character lies
// more steps from its stop than the step's divisor, so channels never carry into each other.
Color advance(Color from, Step s, int k) {
    return makeColor(colorRed(from) + k * s.red, colorGreen(from) + k * s.green,
                     colorBlue(from) + k * s.blue);
}

void gradation(CharTable& t, Color left, Color center, Color right) {
    const int n = t.Count;
    const int m = (n - 1) / 2; // characters before the one that gets Center
    if (m > 0) {
        const Step s1 = stepBetween(left, center, m);
        for (int i = 1; i <= m; ++i)
            t.Colors[i] = advance(left, s1, i - 1);
    }
    const int q = n - m - 1; // characters after the one that gets Center
    const Step s2 = q > 0 ? stepBetween(center, right, q) : Step{};
    for (int i = m + 1; i <= n; ++i)
        t.Colors[i] = advance(center, s2, i - m - 1);
}

void impact(CharTable& t, Color left, Color center, Color right) {
    const int n = t.Count;
    t.Colors[1] = left;
    const Step s = n > 2 ? stepBetween(center, right, n - 2) : Step{};
    for (int i = 2; i <= n; ++i)
        t.Colors[i] = advance(center, s, i - 2);
}

void neon(CharTable& t, const Color* cycle, int cycleLength) {
    int k = 0;
    for (int i = 1; i <= t.Count; ++i) {
        t.Colors[i] = cycle[k % cycleLength];
        if (!isBlankChar(t.Chars[i]))
            ++k;
    }
}

} // namespace

void applyColorPattern(CharTable& table, PatternKind pattern, Color left, Color center,
                       Color right) {
    if (table.Count < 1)
        return;
    switch (pattern) {
    case PatternKind::Gradation:
        gradation(table, left, center, right);
        break;
    case PatternKind::Impact:
        impact(table, left, center, right);
        break;
    case PatternKind::ThreeColorNeon: {
        const Color cycle[] = {left, center, right};
        neon(table, cycle, 3);
        break;
    }
    case PatternKind::TwoColorNeon: {
        const Color cycle[] = {left, right};
        neon(table, cycle, 2);
        break;
    }
    }
}

} // namespace tintlace
