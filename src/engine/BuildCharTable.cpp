#include "engine/BuildCharTable.h"

#include "engine/CharSplit.h"
#include "engine/ColorPatterns.h"
#include "engine/SizeStyles.h"

namespace tintlace {

void buildCharTable(CharTable& table, std::string_view text, PatternKind pattern, StyleKind style,
                    int baseSize, int amount, Color left, Color center, Color right) {
    splitText(text, table);
    if (table.Count == 0)
        return;
    applyColorPattern(table, pattern, left, center, right);
    applySizeStyle(table, style, baseSize, amount);
}

} // namespace tintlace
