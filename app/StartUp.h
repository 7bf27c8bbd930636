#pragma once

#include <QCoreApplication>

#include "core/ProgramInfo.h"

class FileOperations;
class QApplication;

// The program's start: everything main() does after creating the application object.
class StartUp
{
    Q_DECLARE_TR_FUNCTIONS(StartUp)

public:
    // Names the application, takes the single-copy lock, cleans stale temporary files, installs
    // the ribbon style, builds and shows the main window and runs the event loop. Returns the
    // event loop's exit code, or 1 when start-up was refused (another copy holds the lock, or a
    // stale file could be neither deleted nor moved aside); the refusal is shown in a message
    // box first. `operations` is the file seam of the clean-up.
    static int run(QApplication &app, FileOperations &operations);

    // Largest image, in megabytes of decoded pixels, that the image readers accept.
    static constexpr int ImageAllocationLimitMb = ProgramInfo::ImageAllocationLimitMb;

private:
    static void prepareProcess();
    // With --demo-scanner or VELLUMO_DEMO_SCANNER=1, SANE sees only its test device.
    static void useDemoScannerIfAsked();
};
