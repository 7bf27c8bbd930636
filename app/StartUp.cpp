#include "StartUp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>

#include <cstdio>

#include "app/CommandLine.h"
#include "app/DialogTitleFit.h"
#include "app/InstanceChannel.h"
#include "app/LanguageLoader.h"
#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "core/InstanceLock.h"
#include "core/LogCategories.h"
#include "core/OpenSslProviders.h"
#include "core/ProgramInfo.h"
#include "core/StaleFileCleanup.h"
#include "core/TerminationSignals.h"
#include "export/PdfPasswordStore.h"
#include "ribbon/RibbonStyle.h"
#include "scan/SaneScannerLibrary.h"

void StartUp::prepareProcess()
{
    useDemoScannerIfAsked();
    // Qt's default of 128 MB refuses a colour A4 page scanned at 600 dpi.
    QImageReader::setAllocationLimit(ImageAllocationLimitMb);
    loadOpenSslProviders();
}

void StartUp::useDemoScannerIfAsked()
{
    // SANE's test device stands in for a scanner: for trying the program without one.
    if (!QCoreApplication::arguments().contains(QStringLiteral("--demo-scanner")) &&
        qEnvironmentVariable("VELLUMO_DEMO_SCANNER") != QLatin1String("1"))
        return;
    const QString folder = AppPaths::configFolder() + QStringLiteral("/sane-demo");
    QDir().mkpath(folder);
    for (const QString &name : {QStringLiteral("dll.conf"), QStringLiteral("test.conf")}) {
        QFile::remove(folder + QLatin1Char('/') + name);
        QFile::copy(QStringLiteral(":/sane-demo/") + name, folder + QLatin1Char('/') + name);
    }
    qputenv("SANE_CONFIG_DIR", QFile::encodeName(folder));
}

int StartUp::run(QApplication &app, FileOperations &operations)
{
    QCoreApplication::setOrganizationName(QString(ProgramInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString(ProgramInfo::ApplicationName));
    QCoreApplication::setApplicationVersion(QString(ProgramInfo::Version));
    // No display name: Qt would append it to every window title, and the main window's title
    // names the program already.
    QGuiApplication::setDesktopFileName(QStringLiteral("vellumo"));
    // Qt's own options are gone from the arguments by now; --help and --version were answered
    // in main().
    const CommandLine line = CommandLine::parse(QCoreApplication::arguments(), QDir::currentPath());
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "vellumo: %s\n\n%s", qPrintable(line.error),
                     qPrintable(CommandLine::helpText()));
        return 2;
    }
    prepareProcess();
    // The start-up's own messages are in the chosen language as well.
    LanguageLoader::load();

    // Taken before the clean-up, so that a second copy touches none of the first one's files.
    InstanceLock lock(AppPaths::dataFolder());
    if (!lock.tryLock()) {
        // The copy that runs takes the files and comes to the front.
        if (InstanceChannel::send(line.files))
            return 0;
        QMessageBox box(QMessageBox::Warning, QString(ProgramInfo::ApplicationName),
                        tr("Vellumo is already running.<br>Only one copy of Vellumo can work with "
                           "the pages at a time; please switch to the open window."),
                        QMessageBox::Ok);
        box.exec();
        return 1;
    }

    StaleFileCleanup cleanup(AppPaths::tempFolder(), operations);
    if (!cleanup.run()) {
        QMessageBox box(QMessageBox::Critical, tr("Critical error"), tr("Can't start application."),
                        QMessageBox::Ok);
        box.exec();
        return 1;
    }

    PdfPasswordStore::moveClearTextPassword(&app);

    QApplication::setStyle(new RibbonStyle);
    app.installEventFilter(new DialogTitleFit(&app));

    // Asked to end (logout, Ctrl+C): the event loop ends as after the last window, and the
    // pages stay in the working folder for the next start.
    // A request while the window is still being built ends the event loops running then; the
    // flag keeps the main loop from starting at all.
    TerminationSignals termination;
    bool terminate = false;
    QObject::connect(&termination, &TerminationSignals::received, &app, [&terminate] {
        terminate = true;
        QCoreApplication::exit(0);
    });
    int exitCode = 0;
    {
        MainWindow window(true);
        window.show();
        // Later starts hand their files to this window.
        InstanceChannel channel;
        if (!channel.listen())
            qCWarning(lcStartup) << "Other starts cannot reach this copy:" << channel.serverName();
        window.takeFilesFrom(&channel);
        app.setQuitOnLastWindowClosed(true);
        if (!terminate)
            exitCode = app.exec();
    }
    // Every scanner is closed with the window; SANE ends before main() returns.
    SaneScannerLibrary::shutdown();
    return exitCode;
}
