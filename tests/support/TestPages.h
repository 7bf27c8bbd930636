#pragma once

#include <QImage>
#include <QString>

// Page images whose width tells which page they are, so a test can follow a page through
// renames and moves by reading only the size of its file.
namespace TestPages {

// 300 + 10 x id pixels wide, `height` high, a colour of its own (1-bit: a dot pattern), at
// 300 dots per inch.
QImage pageImage(int id, QImage::Format format = QImage::Format_RGB32, int height = 400);
// The id of the page image in the file, or -1 when it cannot be read.
int idOf(const QString &path);

} // namespace TestPages
