#pragma once

#include <QByteArray>
#include <QString>

// Small file helpers shared by the tests.
namespace TestPaths {

// Writes bytes to a file, creating its folder; false when the folder or file cannot be written.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes = QByteArrayLiteral("x"));
// The bytes of a file; empty when it cannot be read.
QByteArray readFile(const QString &path);

// Folder of the built program and its tools (the build tree's bin folder).
QString binDir();

} // namespace TestPaths
