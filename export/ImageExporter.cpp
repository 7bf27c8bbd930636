#include "export/ImageExporter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScopeGuard>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <fcntl.h>
#include <future>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "core/FileOperations.h"
#include "core/LogCategories.h"

namespace {

// How often one page looks for another free name when files keep appearing under the names it
// chose.
constexpr int nameAttempts = 16;

// Whether anything, a dangling symbolic link included, holds the name.
bool isTaken(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

enum class Move { Done, Taken, Failed };

// Gives the file at from the name to unless that name is taken, in one step where the file
// system allows it: rename without replacing, else a hard link. Only a file system with neither
// (FAT) leaves a moment between looking and renaming.
Move moveNoReplace(const QString &from, const QString &to, QString *reason)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const int renamed =
        ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
    if (renamed == 0)
        return Move::Done;
    int error = errno;
    if (error == EINVAL || error == ENOSYS) {
        if (::link(source.constData(), target.constData()) == 0) {
            ::unlink(source.constData());
            return Move::Done;
        }
        error = errno;
        if (error == EPERM || error == EOPNOTSUPP || error == ENOSYS) {
            if (isTaken(to))
                return Move::Taken;
            if (::rename(source.constData(), target.constData()) == 0)
                return Move::Done;
            error = errno;
        }
    }
    if (error == EEXIST)
        return Move::Taken;
    *reason = qt_error_string(error);
    return Move::Failed;
}

// Memory that preparing a page takes over from the page before it. Decoding an A4 page into
// fresh memory costs about half as much again as the decoding itself (the system hands over and
// clears tens of megabytes), so pixels and encoded file go into buffers kept for the whole run.
struct Scratch
{
    std::unique_ptr<uchar[]> pixels;
    qsizetype capacity = 0;
    QByteArray bytes;
};

// One page ready in the target folder under a temporary name, or why it is not.
struct EncodedPage
{
    QString partPath; // empty when the page failed
    QString reason;
    std::unique_ptr<Scratch> scratch; // for a later page
};

// Creates a new hidden file in folder (which ends in "/") and opens file on it. Unlike a
// QTemporaryFile it gets the permissions of any new file, the umask applied, which the image
// keeps under its final name.
bool createPartFile(const QString &folder, QFile &file, QString *path, QString *reason)
{
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        *path = folder + QStringLiteral(".vellumo-") +
                QString::number(QRandomGenerator::global()->generate64(), 16) +
                QStringLiteral(".part");
        const int fd = ::open(QFile::encodeName(*path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            continue;
        }
        if (file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
            return true;
        *reason = file.errorString();
        ::close(fd);
        QFile::remove(*path);
        return false;
    }
    *reason = qt_error_string(error);
    return false;
}

// The image in the format, in bytes (whose memory is reused), or false with the writer's reason.
// Encoded in memory and written in one piece, so that a failed write reports the system's
// reason: an encoder writing straight to the file only learns that the device failed.
bool encode(const QImage &image, const QByteArray &format, int quality, QByteArray *bytes,
            QString *reason)
{
    QBuffer buffer(bytes);
    // Truncate: the array still holds the previous page, and a shorter page must not keep its tail.
    buffer.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    *reason = writer.errorString();
    return false;
}

// The image the reader reads, decoded into the scratch pixels when the file's header gives its
// size and format beforehand; null when it cannot be read. Valid until the scratch is reused.
QImage readInto(QImageReader &reader, Scratch &scratch)
{
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    QImage image;
    if (size.isValid() && format != QImage::Format_Invalid) {
        const qsizetype bytesPerLine =
            (qsizetype(size.width()) * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
        const qsizetype needed = bytesPerLine * size.height();
        // Above the readers' allocation limit the reader itself decides, and refuses.
        const qsizetype limit = qsizetype(QImageReader::allocationLimit()) * 1024 * 1024;
        if (needed > scratch.capacity && (limit == 0 || needed <= limit)) {
            scratch.pixels.reset(new (std::nothrow) uchar[size_t(needed)]);
            scratch.capacity = scratch.pixels ? needed : 0;
        }
        if (needed <= scratch.capacity)
            image = QImage(scratch.pixels.get(), size.width(), size.height(), bytesPerLine, format);
    }
    // A reader that ends up with another size or format allocates the image itself.
    if (!reader.read(&image))
        return {};
    return image;
}

// Writes every byte. A write that stops short (a disk filling up) is tried again for the rest,
// so that the file's error names the system's reason.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// Reads one page file and writes it in the target format to a new part file in folder. Runs on
// a worker thread; gives up early once stop is set.
EncodedPage encodePage(const QString &pageFile, const QString &folder, const QByteArray &format,
                       int quality, const std::atomic<bool> &stop, std::unique_ptr<Scratch> scratch)
{
    EncodedPage page;
    page.scratch = scratch ? std::move(scratch) : std::make_unique<Scratch>();
    if (stop)
        return page;
    QImageReader reader(pageFile);
    const QImage image = readInto(reader, *page.scratch);
    if (image.isNull()) {
        page.reason = ImageExporter::tr("Can't read %1: %2").arg(pageFile, reader.errorString());
        return page;
    }
    QByteArray &bytes = page.scratch->bytes;
    if (!encode(image, format, quality, &bytes, &page.reason) || stop)
        return page;
    QFile file;
    QString partPath;
    if (!createPartFile(folder, file, &partPath, &page.reason))
        return page;
    const bool written = writeAll(file, bytes) && file.flush();
    const QString why = file.errorString();
    file.close(); // which can fail too, on a network file system
    if (!written || file.error() != QFileDevice::NoError) {
        page.reason = written ? file.errorString() : why;
        QFile::remove(partPath);
        return page;
    }
    page.partPath = partPath;
    return page;
}

} // namespace

QString ImageExporter::pageName(const QString &pattern, int counter, int pageCount,
                                const QDate &today)
{
    const int width = int(QString::number(pageCount).size());
    QString name = pattern;
    name.replace(QStringLiteral("[D]"), today.toString(Qt::ISODate));
    name.replace(QStringLiteral("[C]"),
                 QStringLiteral("%1").arg(counter, width, 10, QLatin1Char('0')));
    return name;
}

QString ImageExporter::freePath(const QString &folderWithSlash, const QString &name,
                                const QString &format)
{
    // Every part in one arg() call: a "%1" typed into the pattern stays as it is.
    QString path = QStringLiteral("%1%2.%3").arg(folderWithSlash, name, format);
    for (int i = 0; isTaken(path); ++i)
        path = QStringLiteral("%1%2(%3).%4").arg(folderWithSlash, name, QString::number(i), format);
    return path;
}

QStringList ImageExporter::failedPaths() const
{
    QStringList paths;
    for (const Failure &failure : m_failures)
        paths << failure.path;
    return paths;
}

ImageExporter::Outcome ImageExporter::run(const QStringList &files,
                                          const ImageExportSettings &settings,
                                          ExportProgress *progress)
{
    m_folder.clear();
    m_written.clear();
    m_failures.clear();
    m_error.clear();
    if (files.isEmpty())
        return Outcome::NothingToDo;
    // An empty folder would mean the working folder, and with its slash added the root.
    if (settings.folder.isEmpty() || !QFileInfo(settings.folder).isDir()) {
        m_error = tr("Folder %1 isn't exists.").arg(settings.folder);
        return Outcome::FolderMissing;
    }
    m_folder = settings.folder.endsWith(QLatin1Char('/')) ? settings.folder
                                                          : settings.folder + QLatin1Char('/');
    const QDate today = m_today.isValid() ? m_today : QDate::currentDate();
    const QByteArray format = settings.format.toLatin1();
    // Best quality for the other formats. PNG is lossless at any compression; for it the writer's
    // quality is a compression level (100 means none, pages of 26 MB), so it keeps its default.
    const int quality = settings.format == QLatin1String("jpg")   ? settings.quality
                        : settings.format == QLatin1String("png") ? -1
                                                                  : 100;
    const int count = int(files.size());
    if (progress)
        progress->setRange(0, count);

    // A page in preparation per core, and no more, so that memory stays at a few pages.
    const size_t ahead = size_t(std::clamp(QThread::idealThreadCount(), 2, 4));
    std::vector<std::unique_ptr<Scratch>> spare(ahead);
    std::atomic<bool> stop = false;
    std::deque<std::future<EncodedPage>> pending;
    int started = 0;
    const auto startMore = [&]() {
        while (started < count && pending.size() < ahead) {
            const QString &file = files.at(started++);
            std::unique_ptr<Scratch> scratch = std::move(spare.back());
            spare.pop_back();
            try {
                pending.push_back(std::async(std::launch::async, encodePage, file, m_folder, format,
                                             quality, std::cref(stop), std::move(scratch)));
            } catch (const std::system_error &) {
                // No thread to be had: the page is prepared when its turn comes.
                pending.push_back(std::async(std::launch::deferred, encodePage, file, m_folder,
                                             format, quality, std::cref(stop), nullptr));
            }
        }
    };
    // Pages prepared ahead of a cancel are dropped with their part files.
    const auto dropPending = qScopeGuard([&]() {
        stop = true;
        for (auto &job : pending) {
            const EncodedPage page = job.get();
            if (!page.partPath.isEmpty())
                QFile::remove(page.partPath);
        }
    });

    startMore();
    bool cancelled = false;
    for (int n = 1; n <= count; ++n) {
        if (progress) {
            progress->setValue(n);
            if (progress->wasCanceled()) {
                cancelled = true;
                break;
            }
        }
        EncodedPage page = pending.front().get();
        pending.pop_front();
        spare.push_back(std::move(page.scratch));
        startMore();

        // The name is chosen only now, so that it reflects the files written so far.
        const QString name = pageName(settings.namePattern, n, count, today);
        QString path = freePath(m_folder, name, settings.format);
        QString reason = page.reason;
        bool saved = false;
        if (!page.partPath.isEmpty()) {
            Move move = Move::Taken;
            for (int attempt = 0; attempt < nameAttempts && move == Move::Taken; ++attempt) {
                if (attempt > 0)
                    path = freePath(m_folder, name, settings.format);
                move = moveNoReplace(page.partPath, path, &reason);
            }
            saved = move == Move::Done;
            if (move == Move::Taken)
                reason = tr("Files keep appearing under the name.");
            if (!saved)
                QFile::remove(page.partPath);
        }
        if (saved) {
            m_written << path;
        } else {
            qCWarning(lcExport) << "image export failed:" << path << reason;
            m_failures.append({path, reason});
        }
    }
    if (cancelled)
        return Outcome::Cancelled;
    return m_failures.isEmpty() ? Outcome::AllSaved : Outcome::SomeFailed;
}

bool ImageExporter::saveImage(const QImage &image, const QString &path, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = tr("Can't save the image to %1: %2").arg(path, why);
        return false;
    };
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        return fail(tr("no image format for this file name"));
    QString why;
    QByteArray bytes;
    if (!encode(image, format, -1, &bytes, &why))
        return fail(why);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (!writeAll(file, bytes)) {
        why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!FileOperations::commit(file, &why))
        return fail(why);
    return true;
}
