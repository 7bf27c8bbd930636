#pragma once

#include <optional>
#include <string>
#include <vector>

// What one run of the page tool is asked to do, read from its command line.
struct PageToolOptions
{
    // One page, or a two-page spread split at its gutter.
    bool twoPages = false;
    // Turn the input a quarter turn anticlockwise before anything else.
    bool turnLeft = false;
    bool deskew = true;
    // A 1-bit result instead of keeping grey or colour.
    bool blackAndWhite = false;
    bool normalizeIllumination = false;
    // Cut each page to its content and put the margins below around it.
    bool whiteMargins = false;
    // Margin widths in steps of 2 mm (1 is 2 mm); used only with whiteMargins.
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    // Dots per inch; 0 means "not given": the input's own resolution (or 300 when the file has
    // none), and the output keeps the input's.
    int dpi = 0;
    int outputDpi = 0;
    std::string inputFile;
    std::string outputFolder;

    // Reads the arguments after the program name. Each option has the form "-l=1" or
    // "--name[=value]" and comes before the input file and the output folder, which are the
    // last two arguments. On a mistake, returns nothing and puts a one-line message in *error.
    static std::optional<PageToolOptions> parse(const std::vector<std::string> &args,
                                                std::string *error);
};

// Largest margin number accepted (200 mm); larger ones are refused as a mistake.
constexpr int maxMarginSteps = 100;
// Resolutions accepted for --dpi and --output-dpi.
constexpr int minDpi = 10;
constexpr int maxDpi = 4800;
