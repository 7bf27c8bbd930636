// One kill -9 trial, in three steps that scripts/crash-trials.sh runs in a private home:
//
//   crash_trial prepare FOLDER       page images to add and an earlier project, made once
//   crash_trial drive FOLDER SEED    the main window worked as a user would, until killed
//   crash_trial check FOLDER         what the next start finds, as one line of figures
//
// drive builds the program's main window and runs a random sequence of commands: pages added
// from files and from SANE's test device, turns, crops, moves, the project saved and opened
// again. Before and after each command it appends a line to FOLDER/steps.log and flushes it to
// the disk, so the checker knows which pages were complete when the kill came.
//
// check looks at the working folder the killed copy left, starts a new window, accepts the
// recovery offer, saves what came back and prints
//   lost=N damaged=N unsaveable=N earlier=intact|complete|broken recovered=N step=NAME
// lost: pages complete before the last command began that did not come back; damaged: files
// under a page name that do not decode, and recovered pages without a readable source;
// unsaveable: 1 when the recovered document could not be saved.

#include <QAbstractButton>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMessageBox>
#include <QPainter>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <unistd.h>

#include "app/MainWindow.h"
#include "app/RibbonCommands.h"
#include "core/AppPaths.h"
#include "pages/PageFiles.h"
#include "pages/PageListWidget.h"
#include "pages/PageStore.h"
#include "pages/ProjectArchive.h"
#include "scan/SaneScannerLibrary.h"
#include "support/MainWindowFixture.h"

namespace {

constexpr int EarlierPages = 6;
constexpr int FilePages = 4;
constexpr int WaitMs = 20000;

QString filePage(const QString &folder, int n)
{
    return QDir(folder).filePath(QStringLiteral("page-%1.jpg").arg(n));
}
QString earlierProject(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("earlier.vlmpj"));
}
// The project the driver saves and opens; a copy of the earlier one at the start of a trial.
QString project(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("project.vlmpj"));
}
QString stepLog(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("steps.log"));
}

QImage drawPage(int n)
{
    QImage image(850 + 10 * n, 1100, QImage::Format_RGB32);
    image.fill(qRgb(246, 244, 238));
    QPainter painter(&image);
    painter.fillRect(QRect(60, 80, image.width() - 120, 90),
                     QColor::fromHsv(n * 53 % 360, 160, 200));
    for (int y = 240; y < 1020; y += 28)
        painter.fillRect(QRect(60, y, 300 + (y * n) % 420, 12), QColor(30, 30, 40));
    image.setDotsPerMeterX(3937);
    image.setDotsPerMeterY(3937);
    return image;
}

int prepare(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return 1;
    for (int n = 1; n <= FilePages; ++n) {
        if (!drawPage(n).save(filePage(folder, n), "JPEG", 85))
            return 1;
    }
    const QString pages = QDir(folder).filePath(QStringLiteral("earlier-pages"));
    QDir(pages).removeRecursively();
    QDir().mkpath(pages);
    PageStore store(pages);
    for (int n = 1; n <= EarlierPages; ++n) {
        if (!store.addImage(drawPage(10 + n), false, nullptr)) {
            qWarning("can't make a page: %s", qPrintable(store.errorString()));
            return 1;
        }
    }
    ProjectArchive archive;
    if (!archive.writeProject(earlierProject(folder), store.workingPaths())) {
        qWarning("can't write the earlier project: %s", qPrintable(archive.errorString()));
        return 1;
    }
    return 0;
}

// Appends a line and waits until it is on the disk.
void logLine(const QString &folder, const QString &line)
{
    QFile file(stepLog(folder));
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    file.write(line.toUtf8() + '\n');
    file.flush();
    ::fsync(file.handle());
}

// Every question (save changes? recover the pages?) is answered Yes, so that no run stops.
void answerEveryQuestionYes(QObject *owner)
{
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        for (QAbstractButton *button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::YesRole) {
                button->click();
                return;
            }
        }
    });
    timer->start(20);
}

// Shows the window, every question answered Yes, and waits until it has started.
void start(MainWindow &window)
{
    answerEveryQuestionYes(&window);
    window.show();
    QElapsedTimer clock;
    clock.start();
    while (!window.isStartUpFinished() && clock.elapsed() < WaitMs)
        QTest::qWait(20);
}

bool prepareScanner(MainWindow &window)
{
    QElapsedTimer clock;
    clock.start();
    while (!window.isScannerListReady() && clock.elapsed() < WaitMs)
        QTest::qWait(20);
    auto *scanner = qobject_cast<SaneScannerLibrary *>(window.scannerLibrary());
    return scanner && scanner->chooseSourceNamed(QStringLiteral("test:0")) &&
           scanner->openSource() && scanner->setDeviceOption("br-x", 120.0) &&
           scanner->setDeviceOption("br-y", 160.0) &&
           scanner->setDeviceOption("test-picture", QStringLiteral("Color pattern"));
}

int drive(const QString &folder, quint32 seed)
{
    QSettings().setValue(QStringLiteral("QualityIndex"), 0);
    QSettings().setValue(QStringLiteral("AutoCrop"), false);
    MainWindow window(true);
    start(window);
    const bool canScan = prepareScanner(window);
    QRandomGenerator random(seed);
    PageListWidget *list = window.pageList();
    logLine(folder, QStringLiteral("done start %1").arg(list->count()));
    for (int round = 0; round < 400; ++round) {
        const int pick = list->count() == 0 ? 0 : int(random.bounded(7));
        const char *names[] = {"add", "scan", "turn", "crop", "move", "save", "open"};
        const QString name = QString::fromLatin1(names[pick]);
        logLine(folder, QStringLiteral("step %1 %2").arg(name).arg(list->count()));
        switch (pick) {
        case 0: {
            QStringList files;
            const int count = 1 + int(random.bounded(3));
            for (int i = 0; i < count; ++i)
                files << filePage(folder, 1 + int(random.bounded(FilePages)));
            window.processDroppedFiles(files);
            break;
        }
        case 1:
            if (canScan) {
                window.scanPage();
            }
            break;
        case 2:
            window.rotateRight();
            break;
        case 3:
            window.commands().crop->trigger();
            window.cropAccepted();
            break;
        case 4:
            if (random.bounded(2))
                window.moveUp();
            else
                window.moveDown();
            break;
        case 5:
            window.setProjectPath(project(folder));
            window.saveProject();
            break;
        case 6:
            window.openProjectFile(project(folder), false);
            break;
        }
        // Scans, imports, saves and opens run as jobs: the step is done once its job is over.
        QElapsedTimer clock;
        clock.start();
        while (window.isBusy() && clock.elapsed() < WaitMs)
            QTest::qWait(10);
        QCoreApplication::processEvents();
        logLine(folder, QStringLiteral("done %1 %2").arg(name).arg(list->count()));
    }
    return 0;
}

QByteArray digest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

// "intact" when the file is the earlier project byte for byte, "complete" when it is another
// project whose every entry extracts, "broken" otherwise.
QString earlierState(const QString &folder)
{
    if (digest(project(folder)) == digest(earlierProject(folder)))
        return QStringLiteral("intact");
    QTemporaryDir out;
    ProjectArchive archive;
    const QStringList names = archive.extract(project(folder), out.path());
    const bool complete = !names.isEmpty() && archive.skipped().isEmpty() &&
                          names.size() == ProjectArchive::entryNames(project(folder)).size();
    return complete ? QStringLiteral("complete") : QStringLiteral("broken");
}

int check(const QString &folder)
{
    // The last line of the log: what was complete when the kill came.
    QString step = QStringLiteral("start");
    int before = 0;
    QFile log(stepLog(folder));
    if (log.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
        if (!lines.isEmpty()) {
            const QStringList words = lines.last().split(u' ');
            if (words.size() == 3) {
                step = words[0] + u'-' + words[1];
                before = words[2].toInt();
            }
        }
    }
    // Opening a project replaces the document on purpose: its pages are in the project file.
    if (step == QStringLiteral("step-open"))
        before = 0;

    int damaged = 0;
    const QString working = AppPaths::workingFolder();
    const QStringList names = QDir(working).entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (PageFiles::isPageFileName(name) &&
            QImageReader(QDir(working).filePath(name)).read().isNull()) {
            qWarning("damaged: %s", qPrintable(name));
            ++damaged;
        }
    }

    MainWindow window(true);
    start(window);
    PageListWidget *list = window.pageList();
    const int recovered = list->count();
    for (int i = 0; i < recovered; ++i) {
        if (QImageReader(list->store().sourcePath(i)).read().isNull()) {
            qWarning("no readable source: page %d", i + 1);
            ++damaged;
        }
    }
    int unsaveable = 0;
    if (recovered > 0) {
        window.setProjectPath(QDir(folder).filePath(QStringLiteral("recovered.vlmpj")));
        window.saveProject();
        unsaveable = window.isModified() ? 1 : 0;
    }
    window.setModified(false);
    QTextStream(stdout) << "lost=" << qMax(0, before - recovered) << " damaged=" << damaged
                        << " unsaveable=" << unsaveable << " earlier=" << earlierState(folder)
                        << " recovered=" << recovered << " step=" << step << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindowFixture::nameApplication();
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QStringLiteral("prepare"))
        return prepare(args[2]);
    if (args.size() >= 4 && args[1] == QStringLiteral("drive"))
        return drive(args[2], args[3].toUInt());
    if (args.size() >= 3 && args[1] == QStringLiteral("check"))
        return check(args[2]);
    QTextStream(stderr) << "usage: crash_trial prepare|drive|check FOLDER [SEED]\n";
    return 2;
}
