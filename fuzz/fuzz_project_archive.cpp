// libFuzzer entry point for the project-archive reader (ProjectArchive::extract). Each input is
// opened as a project file and extracted into a fresh folder; the sanitizers catch memory
// faults, and the checks below catch an extraction that broke its promises: a file outside the
// folder, a file under a name that is not a page name, an entry both extracted and skipped.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "pages/PageFiles.h"
#include "pages/ProjectArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_project_archive";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    QTemporaryDir scratch;
    if (!scratch.isValid())
        std::abort();
    const QString archivePath = scratch.filePath(QStringLiteral("input.vlmpj"));
    {
        QFile file(archivePath);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QString folder = scratch.filePath(QStringLiteral("pages"));
    QDir().mkpath(folder);

    ProjectArchive archive;
    const QStringList extracted = archive.extract(archivePath, folder);
    for (const QString &page : extracted) {
        if (!PageFiles::isPageFileName(page) || archive.skipped().contains(page) ||
            !QFile::exists(folder + QLatin1Char('/') + page))
            std::abort();
    }
    // Nothing but page files, directly in the folder; nothing beside the input in scratch.
    QDirIterator inside(folder,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
    while (inside.hasNext()) {
        const QFileInfo info(inside.next());
        if (!info.isFile() || info.absolutePath() != QDir(folder).absolutePath() ||
            !PageFiles::isPageFileName(info.fileName()))
            std::abort();
    }
    const QStringList top =
        QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (top.size() != 2)
        std::abort();
    return 0;
}
