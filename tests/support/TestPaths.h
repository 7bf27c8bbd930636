#pragma once

#include <QByteArray>
#include <QString>

// Small file helpers shared by the tests.
namespace TestPaths {

// Writes bytes to a file, creating its folder; false when the folder or file cannot be written.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes = QByteArrayLiteral("x"));
// The bytes of a file; empty when it cannot be read.
QByteArray readFile(const QString &path);

// Mounts a fresh tmpfs of the given size over the folder, for full-disk tests. Needs root (as
// in CI); false when it could not be mounted. unmountDisk() takes it away again.
[[nodiscard]] bool mountSmallDisk(const QString &folder, int kibibytes);
void unmountDisk(const QString &folder);
// A JPEG of side x side pixels of seeded noise at quality 95: it barely compresses.
QByteArray noiseJpeg(int side);

// Folder of the built program and its tools (the build tree's bin folder).
QString binDir();

} // namespace TestPaths
