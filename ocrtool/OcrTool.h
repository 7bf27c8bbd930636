#pragma once

#include <string>
#include <vector>

struct Pix;

// The work of vellumo-ocr, apart from main() so that it can be tested in-process.
//
// The words file is UTF-8 text, one record per line, fields separated by tabs:
//   page  WIDTH HEIGHT DPI
//   line  LEFT TOP RIGHT BOTTOM             (a text line; the words that follow belong to it)
//   word  LEFT TOP RIGHT BOTTOM CONFIDENCE TEXT
// Boxes are in pixels of the image, origin at the top left, right and bottom exclusive.
// Confidence is Tesseract's, 0 to 100.
class OcrTool
{
public:
    enum Status { Done = 0, Unreadable = 1, BadCommandLine = 2, MissingLanguage = 3 };

    // The arguments after the program name; one of Status.
    int run(const std::vector<std::string> &args);
    const std::string &errorString() const { return m_error; }

    // Quarter turns clockwise (0 to 3) that make the page upright, or -1 when it cannot be told
    // (too little text, or the detection is not sure enough to turn the page).
    struct Orientation
    {
        int quarterTurns = -1;
        float confidence = 0.0f;
    };

private:
    int words(const std::string &languages, const std::string &input, const std::string &output);
    int orient(const std::string &input);
    // The page image, grey or 1-bit, with a usable resolution; null on failure (m_error set).
    Pix *readPage(const std::string &input, int *dpi);
    // The tessdata folder when the environment names none (Debian's), else empty.
    static std::string dataFolder();
    // MissingLanguage with the first of languages whose data file is absent, else Done.
    int checkLanguages(const std::string &languages);

    std::string m_error;
};
