#include "app/BatchOptions.h"

#include "platform/Cp932.h"

#include <charconv>
#include <functional>
#include <map>

namespace tintlace {

namespace {

int parseInt(const std::string& option, const std::string& value, int low, int high) {
    int number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < low ||
        number > high)
        throw BatchUsageError(option + " takes a whole number from " + std::to_string(low) +
                              " to " + std::to_string(high) + ", not '" + value + "'");
    return number;
}

Color parseColor(const std::string& option, const std::string& value) {
    unsigned rgb = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), rgb, 16);
    if (value.size() != 6 || error != std::errc() || end != value.data() + value.size())
        throw BatchUsageError(option + " takes a colour as six hexadecimal digits RRGGBB, not '" +
                              value + "'");
    return makeColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

template <typename T>
T parseChoice(const std::string& option, const std::string& value,
              const std::map<std::string, T>& choices) {
    auto found = choices.find(value);
    if (found == choices.end()) {
        std::string names;
        for (const auto& [name, kind] : choices)
            names += (names.empty() ? "" : "|") + name;
        throw BatchUsageError(option + " takes one of " + names + ", not '" + value + "'");
    }
    return found->second;
}

std::string parseCp932(const std::string& option, const std::string& value) {
    std::optional<std::string> bytes = utf8ToCp932(value);
    if (!bytes)
        throw BatchUsageError(option + " holds characters that code page 932 cannot represent");
    return *bytes;
}

} // namespace

bool isBatchArguments(const std::vector<std::string>& args) { return !args.empty(); }

BatchRequest parseBatchArguments(const std::vector<std::string>& args) {
    BatchRequest request;
    bool outputChosen = false;
    auto chooseOutput = [&](BatchOutput output, const std::string& option) {
        if (outputChosen && request.output != output)
            throw BatchUsageError(option + " cannot be combined with another output option");
        request.output = output;
        outputChosen = true;
    };
    auto chooseAuto = [&](AutoMode mode) {
        if (request.autoMode != AutoMode::None && request.autoMode != mode)
            throw BatchUsageError(
                "only one of --auto-center, --rainbow, --right-follows-left may be given");
        request.autoMode = mode;
    };

    using Flag = std::function<void()>;
    using Valued = std::function<void(const std::string& option, const std::string& value)>;
    const std::map<std::string, Flag> flags = {
        {"--html", [&] { chooseOutput(BatchOutput::Html, "--html"); }},
        {"--css", [&] { chooseOutput(BatchOutput::Css, "--css"); }},
        {"--help", [&] { chooseOutput(BatchOutput::Help, "--help"); }},
        {"--bold", [&] { request.bold = true; }},
        {"--italic", [&] { request.italic = true; }},
        {"--auto-center", [&] { chooseAuto(AutoMode::AutoCenter); }},
        {"--rainbow", [&] { chooseAuto(AutoMode::Rainbow); }},
        {"--right-follows-left", [&] { chooseAuto(AutoMode::RightFollowsLeft); }},
        {"--line-per-char", [&] { request.linePerChar = true; }},
        {"--no-final-br", [&] { request.noFinalBreak = true; }},
        {"--upper-case-tags", [&] { request.upperCaseTags = true; }},
        {"--comment", [&] { request.comment = true; }},
        {"--no-quotes", [&] { request.noQuotes = true; }},
        {"--pt", [&] { request.points = true; }},
        {"--shadow", [&] { request.shadow = true; }},
        {"--no-shadow", [&] { request.shadow = false; }},
        {"--edge", [&] { request.edge = true; }},
        {"--no-edge", [&] { request.edge = false; }},
    };
    const std::map<std::string, Valued> valued = {
        {"--png", [&](auto& o, auto& v) { chooseOutput(BatchOutput::Png, o); request.outputFile = v; }},
        {"--bmp", [&](auto& o, auto& v) { chooseOutput(BatchOutput::Bmp, o); request.outputFile = v; }},
        {"--scheme", [&](auto&, auto& v) { request.scheme = v; }},
        {"--text",
         [&](auto& o, auto& v) {
             std::string text = parseCp932(o, v);
             if (text.size() > 255)
                 throw BatchUsageError("--text is " + std::to_string(text.size()) +
                                       " bytes long in code page 932; at most 255 are allowed");
             request.text = text;
         }},
        {"--font", [&](auto& o, auto& v) { request.font = parseCp932(o, v); }},
        {"--size", [&](auto& o, auto& v) { request.size = parseInt(o, v, 1, 7); }},
        {"--amount", [&](auto& o, auto& v) { request.amount = parseInt(o, v, 1, 6); }},
        {"--pattern",
         [&](auto& o, auto& v) {
             request.pattern = parseChoice<PatternKind>(o, v,
                 {{"gradation", PatternKind::Gradation}, {"impact", PatternKind::Impact},
                  {"neon3", PatternKind::ThreeColorNeon}, {"neon2", PatternKind::TwoColorNeon}});
         }},
        {"--style",
         [&](auto& o, auto& v) {
             request.style = parseChoice<StyleKind>(o, v,
                 {{"none", StyleKind::NoStyle}, {"impact", StyleKind::Impact},
                  {"small", StyleKind::Small}, {"big", StyleKind::Big}, {"wide", StyleKind::Wide},
                  {"top", StyleKind::Top}});
         }},
        {"--left", [&](auto& o, auto& v) { request.left = parseColor(o, v); }},
        {"--center", [&](auto& o, auto& v) { request.center = parseColor(o, v); }},
        {"--right", [&](auto& o, auto& v) { request.right = parseColor(o, v); }},
        {"--background", [&](auto& o, auto& v) { request.background = parseColor(o, v); }},
        {"--shadow-color", [&](auto& o, auto& v) { request.shadowColor = parseColor(o, v); }},
        {"--light-edge-color", [&](auto& o, auto& v) { request.lightEdgeColor = parseColor(o, v); }},
        {"--dark-edge-color", [&](auto& o, auto& v) { request.darkEdgeColor = parseColor(o, v); }},
        {"--encoding",
         [&](auto& o, auto& v) {
             request.cp932Output = parseChoice<bool>(o, v, {{"utf-8", false}, {"cp932", true}});
         }},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (auto flag = flags.find(option); flag != flags.end()) {
            flag->second();
        } else if (auto withValue = valued.find(option); withValue != valued.end()) {
            if (i + 1 >= args.size())
                throw BatchUsageError(option + " needs a value");
            withValue->second(option, args[++i]);
        } else {
            throw BatchUsageError("unknown option '" + option + "' (see tintlace --help)");
        }
    }
    if (!outputChosen)
        throw BatchUsageError("choose an output: --html, --css, --png FILE or --bmp FILE "
                              "(see tintlace --help)");
    return request;
}

std::string batchHelpText() {
    return R"(Usage:
  tintlace                      opens the window
  tintlace --html [options]     prints the HTML markup (one FONT tag per character)
  tintlace --css  [options]     prints the style-sheet markup (one SPAN per character)
  tintlace --png FILE [options] writes the picture of the graphic tab as PNG
  tintlace --bmp FILE [options] writes the picture of the graphic tab as 24-bit BMP
  tintlace --help               shows this text

Options (defaults are the window's state at a very first start; no settings file is used):
  --scheme NAME|PATH      load a colour scheme first (a NAME from the scheme folder, or a
                          PATH when the argument contains "/"); the options below then apply
  --text TEXT             the text (default "Hello World Wide Web ! (^-^)/"), at most
                          255 bytes in code page 932
  --font NAME             a font of the font list (default "（種類を指定しない）", no font)
  --size 1..7             base size (default 6)
  --bold, --italic        bold, italic (default off)
  --pattern gradation|impact|neon3|neon2     colouring pattern (default gradation)
  --style none|impact|small|big|wide|top     size style (default none)
  --amount 1..6           style amount (default 5)
  --left RRGGBB           Left colour, red first as in HTML (default FFFF00)
  --center RRGGBB         Center colour (default 00FFFF)
  --right RRGGBB          Right colour (default FF00FF)
  --background RRGGBB     background colour of the picture (default 000000)
  --auto-center | --rainbow | --right-follows-left
                          one automatic colour-stop mode (default none)
  --line-per-char         line break after every character (default off)
  --no-final-br           no line-break tag at the end (default: the tag is written)
  --upper-case-tags       tags in upper case (default lower case)
  --comment               an HTML comment with the text first (default off)
  --no-quotes             HTML attribute values without quotation marks (default off)
  --pt                    style-sheet sizes in pt (default px)
  --encoding utf-8|cp932  bytes of the printed markup (default utf-8)
  --shadow | --no-shadow  drop shadow of the picture (default on)
  --edge | --no-edge      two-tone edge of the picture (default on)
  --shadow-color RRGGBB   (default 808080)
  --light-edge-color RRGGBB  (default FFFFFF)
  --dark-edge-color RRGGBB   (default 606060)

Exit status: 0 on success, 2 on bad input (with a one-line message on standard error).
)";
}

} // namespace tintlace
