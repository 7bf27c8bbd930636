#pragma once

// What a scan run and the after-scan pipeline need from the settings, read at one place with
// each default written there. The scan run reads it once when it starts; the pipeline reads it
// again for every page, because the scanning wizard may change the book switches between pages.
struct ScanSettings
{
    // The scan run.
    int paperSource = 0;    // 0 flatbed, otherwise the document feeder
    bool allImages = false; // every image the source has, not just one
    bool autoDeskew = true;
    bool autoContrast = true;
    bool preview = false; // "Scan with preview"

    // The after-scan pipeline.
    int colourMode = 2; // 1 black-and-white, 2 grayscale, 4 colour
    bool autoCrop = true;
    // Turn each page upright by the orientation of its text.
    bool autoUpright = false;
    bool bookScan = false;
    bool splitSpread = false;
    int rotateMode = 0;  // 0 never, 1 every page, 2 pages counted even, 3 pages counted odd
    int rotateAngle = 0; // 0 half turn, 1 quarter left, 2 quarter right, other: none

    static ScanSettings read();
};
