#include "OcrTool.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <leptonica/allheaders.h>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

namespace {

struct PixDeleter
{
    void operator()(Pix *pix) const { pixDestroy(&pix); }
};
using PixPtr = std::unique_ptr<Pix, PixDeleter>;

// Below this the detection is often wrong on pages with little text; such a page stays as it is.
constexpr float minOrientationConfidence = 2.0f;
// Resolutions outside this range are taken for a broken header.
constexpr int minDpi = 70;
constexpr int maxDpi = 2400;

bool fileExists(const std::string &path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<std::string> splitLanguages(const std::string &languages)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(languages);
    while (std::getline(in, part, '+'))
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

// Tesseract's text, freed as it asks.
std::string takeText(char *text)
{
    std::string result = text ? text : "";
    delete[] text;
    return result;
}

// Tabs and line ends inside a word would break the record.
std::string oneField(std::string text)
{
    for (char &c : text)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return text;
}

} // namespace

int OcrTool::run(const std::vector<std::string> &args)
{
    if (args.size() == 4 && args[0] == "words" && args[1].rfind("--lang=", 0) == 0)
        return words(args[1].substr(7), args[2], args[3]);
    if (args.size() == 5 && args[0] == "words" && args[1] == "--lang")
        return words(args[2], args[3], args[4]);
    if (args.size() == 2 && args[0] == "orient")
        return orient(args[1]);
    m_error = "usage: vellumo-ocr words --lang LANG[+LANG] IMAGE OUTPUT | orient IMAGE";
    return BadCommandLine;
}

std::string OcrTool::dataFolder()
{
    if (const char *prefix = std::getenv("TESSDATA_PREFIX"); prefix && *prefix) {
        std::string folder = prefix;
        if (folder.back() != '/')
            folder += '/';
        return folder;
    }
    return "/usr/share/tesseract-ocr/5/tessdata/";
}

int OcrTool::checkLanguages(const std::string &languages)
{
    const std::vector<std::string> parts = splitLanguages(languages);
    if (parts.empty()) {
        m_error = "no language given";
        return BadCommandLine;
    }
    for (const std::string &language : parts) {
        // Codes are letters, digits and "_" (chi_sim, deu_latf); anything else is no code.
        for (char c : language) {
            if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) {
                m_error = "not a language code: " + language;
                return BadCommandLine;
            }
        }
        if (!fileExists(dataFolder() + language + ".traineddata")) {
            m_error = "missing-language: " + language;
            return MissingLanguage;
        }
    }
    return Done;
}

Pix *OcrTool::readPage(const std::string &input, int *dpi)
{
    PixPtr pix(pixRead(input.c_str()));
    if (!pix) {
        m_error = "cannot read " + input;
        return nullptr;
    }
    if (pixGetColormap(pix.get()))
        pix.reset(pixRemoveColormap(pix.get(), REMOVE_CMAP_BASED_ON_SRC));
    if (pix && pixGetDepth(pix.get()) == 32)
        pix.reset(pixConvertRGBToLuminance(pix.get()));
    if (!pix) {
        m_error = "cannot convert " + input;
        return nullptr;
    }
    int resolution = pixGetXRes(pix.get());
    if (resolution < minDpi || resolution > maxDpi) {
        resolution = 300;
        pixSetResolution(pix.get(), resolution, resolution);
    }
    *dpi = resolution;
    return pix.release();
}

int OcrTool::words(const std::string &languages, const std::string &input,
                   const std::string &output)
{
    if (const int status = checkLanguages(languages); status != Done)
        return status;
    int dpi = 0;
    const PixPtr pix(readPage(input, &dpi));
    if (!pix)
        return Unreadable;

    tesseract::TessBaseAPI api;
    if (api.Init(nullptr, languages.c_str(), tesseract::OEM_DEFAULT) != 0) {
        m_error = "missing-language: " + languages;
        return MissingLanguage;
    }
    api.SetPageSegMode(tesseract::PSM_AUTO);
    api.SetImage(pix.get());
    api.SetSourceResolution(dpi);
    if (api.Recognize(nullptr) != 0) {
        m_error = "recognition failed on " + input;
        return Unreadable;
    }

    std::ostringstream out;
    out << "page\t" << pixGetWidth(pix.get()) << '\t' << pixGetHeight(pix.get()) << '\t' << dpi
        << '\n';
    const std::unique_ptr<tesseract::ResultIterator> it(api.GetIterator());
    if (it) {
        do {
            // The line first, even when its first word turns out empty: the words that follow
            // belong to it, not to the line before.
            int left = 0, top = 0, right = 0, bottom = 0;
            if (it->IsAtBeginningOf(tesseract::RIL_TEXTLINE) &&
                it->BoundingBox(tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom))
                out << "line\t" << left << '\t' << top << '\t' << right << '\t' << bottom << '\n';
            if (it->Empty(tesseract::RIL_WORD))
                continue;
            const std::string text = oneField(takeText(it->GetUTF8Text(tesseract::RIL_WORD)));
            if (text.find_first_not_of(' ') == std::string::npos ||
                !it->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom))
                continue;
            out << "word\t" << left << '\t' << top << '\t' << right << '\t' << bottom << '\t'
                << int(it->Confidence(tesseract::RIL_WORD) + 0.5f) << '\t' << text << '\n';
        } while (it->Next(tesseract::RIL_WORD));
    }

    // Written under another name and renamed, so a reader never sees half a file.
    const std::string partial = output + ".part";
    FILE *file = std::fopen(partial.c_str(), "wb");
    const std::string bytes = out.str();
    const bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = file && std::fclose(file) == 0;
    if (!written || !closed || std::rename(partial.c_str(), output.c_str()) != 0) {
        std::remove(partial.c_str());
        m_error = "cannot write " + output;
        return Unreadable;
    }
    return Done;
}

int OcrTool::orient(const std::string &input)
{
    if (!fileExists(dataFolder() + "osd.traineddata")) {
        m_error = "missing-language: osd";
        return MissingLanguage;
    }
    int dpi = 0;
    const PixPtr pix(readPage(input, &dpi));
    if (!pix)
        return Unreadable;
    tesseract::TessBaseAPI api;
    if (api.Init(nullptr, "osd", tesseract::OEM_DEFAULT) != 0) {
        m_error = "missing-language: osd";
        return MissingLanguage;
    }
    api.SetPageSegMode(tesseract::PSM_OSD_ONLY);
    api.SetImage(pix.get());
    api.SetSourceResolution(dpi);
    Orientation result;
    int degrees = 0;
    float confidence = 0.0f;
    const char *script = nullptr;
    float scriptConfidence = 0.0f;
    if (api.DetectOrientationScript(&degrees, &confidence, &script, &scriptConfidence) &&
        confidence >= minOrientationConfidence && degrees % 90 == 0) {
        // Tesseract gives the page's clockwise rotation; turning it back is the rest of a circle.
        result.quarterTurns = ((360 - degrees) / 90) % 4;
        result.confidence = confidence;
    } else {
        result.confidence = confidence;
    }
    std::printf("%d %.2f\n", result.quarterTurns, double(result.confidence));
    return Done;
}
