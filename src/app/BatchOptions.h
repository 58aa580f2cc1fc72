#pragma once
// The command line of batch mode: which output to make and which controls to set first.
#include "engine/CharTable.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tintlace {

enum class BatchOutput { Html, Css, Png, Bmp, Help };
enum class AutoMode { None, AutoCenter, Rainbow, RightFollowsLeft };

// Every field left empty keeps the window's state at a very first start.
struct BatchRequest {
    BatchOutput output = BatchOutput::Help;
    std::string outputFile; // UTF-8 path, for Png and Bmp
    std::optional<std::string> scheme; // UTF-8 name or path
    std::optional<std::string> text;   // CP932, at most 255 bytes
    std::optional<std::string> font;   // CP932
    std::optional<int> size;           // 1..7
    bool bold = false;
    bool italic = false;
    std::optional<PatternKind> pattern;
    std::optional<StyleKind> style;
    std::optional<int> amount; // 1..6
    std::optional<Color> left, center, right, background;
    AutoMode autoMode = AutoMode::None;
    bool linePerChar = false;
    bool noFinalBreak = false;
    bool upperCaseTags = false;
    bool comment = false;
    bool noQuotes = false;
    bool points = false;
    bool cp932Output = false;
    std::optional<bool> shadow, edge;
    std::optional<Color> shadowColor, lightEdgeColor, darkEdgeColor;
};

// A command line that batch mode refuses; the message is one line for standard error.
class BatchUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True when the arguments ask for batch mode (any argument at all).
bool isBatchArguments(const std::vector<std::string>& args);
// Parses the arguments after the program name. Throws BatchUsageError.
BatchRequest parseBatchArguments(const std::vector<std::string>& args);
// The text of --help: every option with its default.
std::string batchHelpText();

} // namespace tintlace
