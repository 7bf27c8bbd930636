#include "PageToolOptions.h"

#include <charconv>

namespace {

// A decimal integer in [low, high] and nothing else: no sign, blanks or trailing characters.
std::optional<int> parseNumber(const std::string &text, int low, int high)
{
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<PageToolOptions> PageToolOptions::parse(const std::vector<std::string> &args,
                                                      std::string *error)
{
    const auto fail = [error](const std::string &message) {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (args.size() < 2)
        return fail("expected options, an input file and an output folder");

    PageToolOptions options;
    const size_t optionCount = args.size() - 2;
    for (size_t i = 0; i < optionCount; ++i) {
        const std::string &arg = args[i];
        const size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        const std::string value = eq == std::string::npos ? std::string() : arg.substr(eq + 1);
        const bool hasValue = eq != std::string::npos;

        const auto number = [&](int low, int high) {
            return parseNumber(value, low, high);
        };
        if (name == "-l" && (value == "1" || value == "2")) {
            options.twoPages = value == "2";
        } else if (name == "--orientation" && value == "left") {
            options.turnLeft = true;
        } else if (name == "--deskew" && value == "manual") {
            options.deskew = false;
        } else if (name == "--color-mode" && value == "black_and_white") {
            options.blackAndWhite = true;
        } else if (name == "--color-mode" && value == "color_grayscale") {
            options.blackAndWhite = false;
        } else if (name == "--normalize-illumination" && !hasValue) {
            options.normalizeIllumination = true;
        } else if (name == "--white-margins" && !hasValue) {
            options.whiteMargins = true;
        } else if (name.starts_with("--margins") && hasValue) {
            const std::optional<int> steps = number(0, maxMarginSteps);
            if (!steps)
                return fail("bad margin number in " + arg);
            if (name == "--margins")
                options.marginLeft = options.marginRight = options.marginTop =
                    options.marginBottom = *steps;
            else if (name == "--margins-left")
                options.marginLeft = *steps;
            else if (name == "--margins-right")
                options.marginRight = *steps;
            else if (name == "--margins-top")
                options.marginTop = *steps;
            else if (name == "--margins-bottom")
                options.marginBottom = *steps;
            else
                return fail("unknown option " + arg);
        } else if ((name == "--dpi" || name == "--output-dpi") && hasValue) {
            const std::optional<int> dpi = number(minDpi, maxDpi);
            if (!dpi)
                return fail("bad resolution in " + arg);
            (name == "--dpi" ? options.dpi : options.outputDpi) = *dpi;
        } else {
            return fail("unknown option " + arg);
        }
    }

    options.inputFile = args[args.size() - 2];
    options.outputFolder = args[args.size() - 1];
    if (options.inputFile.empty() || options.outputFolder.empty())
        return fail("empty input file or output folder name");
    if (options.inputFile.starts_with("-") || options.outputFolder.starts_with("-"))
        return fail("expected an input file and an output folder after the options");
    return options;
}
