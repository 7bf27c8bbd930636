// vellumo-ocr: reads the text of page images, or finds which way up they are, with Tesseract.
//   vellumo-ocr words --lang LANG[+LANG] IMAGE OUTPUT
//   vellumo-ocr orient IMAGE
// "words" writes the page's lines and words with their boxes to OUTPUT (see OcrTool.h);
// "orient" prints the clockwise quarter turns that make the page upright and the confidence.
// Exit status: 0 done, 1 the image could not be read, 2 a bad command line, 3 missing language
// data (the missing language on standard error as "missing-language: CODE").

#include <cstdio>
#include <string>
#include <vector>

#include "OcrTool.h"

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    OcrTool tool;
    const int status = tool.run(args);
    if (status != 0)
        std::fprintf(stderr, "vellumo-ocr: %s\n", tool.errorString().c_str());
    return status;
}
