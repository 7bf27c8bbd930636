#pragma once

#include <QString>

#include <atomic>
#include <optional>

#include "ocr/OcrPageText.h"

// Runs the recognition tool (vellumo-ocr) on one page image. Each run is a process of its own
// with Tesseract's own threads limited to one, so pages run side by side, one per core, and a
// fault in the recognition never reaches the caller's process.
class OcrRunner
{
public:
    enum class Status { Done, Cancelled, MissingTool, MissingLanguage, Failed };

    struct Result
    {
        Status status = Status::Failed;
        OcrPageText text;
        // MissingLanguage: the language without data; Failed: the reason, for the log.
        QString detail;
    };

    struct Orientation
    {
        Status status = Status::Failed;
        // Quarter turns clockwise that make the page upright; nullopt when it cannot be told.
        std::optional<int> quarterTurns;
        QString detail;
    };

    // The tool found beside the program (see ToolLocator); empty when missing.
    static QString toolPath();
    // What the user is told when recognition cannot run at all: the tool or the Tesseract
    // library missing, or a language's data (detail: its code); empty for any other status.
    static QString unavailableMessage(Status status, const QString &detail,
                                      const QString &uiLanguage);
    // The detail of MissingTool when the tool is there but the Tesseract library is not.
    static constexpr const char *MissingLibrary = "library";

    // The page's words in the given languages ("eng+deu"); the words file goes to scratchFile.
    // A set stop flag ends the run (Cancelled).
    static Result recognize(const QString &tool, const QString &languages, const QString &image,
                            const QString &scratchFile, const std::atomic_bool *stop = nullptr);
    static Orientation orientation(const QString &tool, const QString &image,
                                   const std::atomic_bool *stop = nullptr);
};
