#pragma once

#include <QImage>
#include <QList>

#include <functional>

#include "ocr/OcrRunner.h"
#include "scan/ScanSettings.h"

class PageProcessor;

// What happens to a scanned image before it becomes one or more pages: the wizard's turn of
// odd or even pages, the turn upright by the text's orientation (when asked for), then either the
// book processing (split into two pages and/or deskew and crop through the page processing tool) or
// the plain automatic crop. Widget-free; the caller shows a waiting window for each step it is told
// about.
class AfterScanPipeline
{
public:
    enum class Step { Rotating, TurningUpright, Splitting, Processing, AutoCropping };
    using StepListener = std::function<void(Step)>;

    struct Result
    {
        // The pages to add, in order: one, or two for a split spread. Never empty.
        QList<QImage> pages;
        bool blackAndWhite = false;
        // A spread was to be split and the tool did not give two halves: the whole spread is
        // the one page.
        bool splitFailed = false;
        // The tool was needed and is not installed: the image went on unprocessed.
        bool toolMissing = false;
        // How turning the page upright went, when it was asked for.
        OcrRunner::Orientation upright;
    };

    // processor: not owned; it runs the page processing tool.
    explicit AfterScanPipeline(PageProcessor &processor);

    // The turn, in degrees clockwise, of a page scanned by the wizard; 0 for none. pageNumber
    // counts the wizard's pages from 0, so "even" pages are the first, third, fifth...
    static int turnDegrees(int rotateMode, int rotateAngle, int pageNumber);

    // wizardPage: the image comes from the scanning wizard (and may be turned); step: told
    // before each long step, may be empty.
    Result process(const QImage &scanned, const ScanSettings &settings, int pageNumber,
                   bool wizardPage, const StepListener &step = {});

private:
    PageProcessor &m_processor;
};
