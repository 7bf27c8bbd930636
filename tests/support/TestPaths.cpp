#include "TestPaths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

namespace TestPaths {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool mountSmallDisk(const QString &folder, int kibibytes)
{
    QDir().mkpath(folder);
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                              QStringLiteral("size=%1k").arg(kibibytes), QStringLiteral("tmpfs"),
                              folder}) == 0;
}

void unmountDisk(const QString &folder)
{
    QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), folder});
}

QByteArray noiseJpeg(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < side; ++x) {
            state = state * 1664525u + 1013904223u;
            line[x] = state >> 8;
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    return bytes;
}

QString binDir()
{
    return qEnvironmentVariable("VELLUMO_BIN_DIR");
}

} // namespace TestPaths
