#include "export/DocGenerator.h"

#include <QDir>

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
