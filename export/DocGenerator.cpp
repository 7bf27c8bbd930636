#include "export/DocGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>

DocGenerator::DocGenerator(ExportProgress *progress)
    : m_progress(progress)
{
}

DocGenerator::~DocGenerator() = default;

void DocGenerator::setFiles(const QStringList &files)
{
    m_files.clear();
    m_files.append(files);
}

bool DocGenerator::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool DocGenerator::allPagesPresent()
{
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        if (!QFileInfo(m_files.at(i)).isFile())
            return fail(tr("Page %1 is missing: %2")
                            .arg(i + 1)
                            .arg(QDir::toNativeSeparators(m_files.at(i))));
    }
    return true;
}

void DocGenerator::resetOutcome()
{
    m_cancelled = false;
    m_error.clear();
}

QString DocGenerator::targetPath(const QString &folder, const QString &name, const QString &suffix)
{
    const QString dotted = QLatin1Char('.') + suffix;
    QString bare = name;
    bare.remove(dotted);
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + bare + dotted);
}

bool DocGenerator::placeDocument(const QString &written, const QString &target,
                                 QTemporaryDir &scratch)
{
    const QString shownTarget = QDir::toNativeSeparators(target);
    if (QFileInfo::exists(target))
        QFile::setPermissions(written, QFile::permissions(target));
    // rename() replaces an existing target in one step.
    if (std::rename(QFile::encodeName(written).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        return fail(tr("Can't write %1: %2")
                        .arg(shownTarget, QString::fromLocal8Bit(std::strerror(errno))));
    }
    if (!scratch.remove()) {
        return fail(tr("The document %1 was written, but the temporary folder %2 could not be "
                       "removed.")
                        .arg(shownTarget, QDir::toNativeSeparators(scratch.path())));
    }
    return true;
}
