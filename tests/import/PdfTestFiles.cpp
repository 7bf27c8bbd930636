#include "PdfTestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtEndian>

namespace PdfTestFiles {

int Builder::add(const QByteArray &body)
{
    m_bodies.append(body);
    return int(m_bodies.size()) + 2;
}

int Builder::addStream(const QByteArray &dictionaryEntries, const QByteArray &data,
                       const QByteArray &lengthOverride)
{
    const QByteArray length =
        lengthOverride.isEmpty() ? QByteArray::number(data.size()) : lengthOverride;
    return add("<< " + dictionaryEntries + " /Length " + length + " >>\nstream\n" + data +
               "\nendstream");
}

int Builder::addImage(const QByteArray &entries, const QByteArray &data)
{
    return addStream("/Type /XObject /Subtype /Image " + entries, data);
}

int Builder::addPage(const QByteArray &content, const QList<int> &xobjects, double width,
                     double height)
{
    const int contents = addStream({}, content);
    QByteArray names;
    for (const int object : xobjects)
        names += "/Im" + QByteArray::number(object) + ' ' + QByteArray::number(object) + " 0 R ";
    const int page =
        add("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + QByteArray::number(width) + ' ' +
            QByteArray::number(height) + "] /Resources << /XObject << " + names +
            ">> >> /Contents " + QByteArray::number(contents) + " 0 R >>");
    m_pages.append(page);
    return page;
}

QByteArray Builder::pdf() const
{
    QList<QByteArray> bodies{"<< /Type /Catalog /Pages 2 0 R >>"};
    QByteArray kids;
    for (const int page : m_pages)
        kids += QByteArray::number(page) + " 0 R ";
    bodies.append("<< /Type /Pages /Kids [" + kids + "] /Count " +
                  QByteArray::number(m_pages.size()) + " >>");
    bodies.append(m_bodies);
    QByteArray out = "%PDF-1.5\n%\xe2\xe3\xcf\xd3\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < bodies.size(); ++i) {
        offsets.append(out.size());
        out += QByteArray::number(i + 1) + " 0 obj\n" + bodies.at(i) + "\nendobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(bodies.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<< /Size " + QByteArray::number(bodies.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

QByteArray drawing(int object, double width, double height)
{
    return "q " + QByteArray::number(width) + " 0 0 " + QByteArray::number(height) + " 0 0 cm /Im" +
           QByteArray::number(object) + " Do Q\n";
}

QByteArray flate(const QByteArray &bytes)
{
    return qCompress(bytes).mid(4); // without Qt's length prefix
}

QByteArray samples(const QImage &image)
{
    QByteArray out;
    for (int y = 0; y < image.height(); ++y) {
        if (image.depth() == 1) {
            QByteArray row((image.width() + 7) / 8, '\0');
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) > 127)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
            out += row;
        } else if (image.format() == QImage::Format_Grayscale8) {
            out.append(reinterpret_cast<const char *>(image.constScanLine(y)), image.width());
        } else {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                out += char(qRed(pixel));
                out += char(qGreen(pixel));
                out += char(qBlue(pixel));
            }
        }
    }
    return out;
}

QImage pattern(int width, int height, QImage::Format format, int seed)
{
    QRandomGenerator random{quint32(seed)};
    QImage image(width, height, format);
    if (format == QImage::Format_Mono)
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Blocks of ink with some speckle, like a page of print.
            const bool ink = ((x / 7 + y / 5) % 3 == 0) != (random.bounded(9) == 0);
            if (format == QImage::Format_Mono)
                image.setPixel(x, y, ink ? 1 : 0);
            else if (format == QImage::Format_Grayscale8)
                image.setPixel(x, y, qRgb(x * 255 / width, x * 255 / width, x * 255 / width));
            else
                image.setPixel(x, y,
                               qRgb(x * 255 / width, y * 255 / height, int(random.bounded(256))));
        }
    }
    return image;
}

QByteArray tiffStrip(const QByteArray &tiff)
{
    const auto *d = reinterpret_cast<const uchar *>(tiff.constData());
    if (tiff.size() < 8 || !tiff.startsWith("II"))
        return {};
    const quint32 ifd = qFromLittleEndian<quint32>(d + 4);
    if (ifd + 2 > quint32(tiff.size()))
        return {};
    const int count = qFromLittleEndian<quint16>(d + ifd);
    quint32 offset = 0;
    quint32 length = 0;
    for (int i = 0; i < count && ifd + 2 + 12 * (i + 1) <= quint32(tiff.size()); ++i) {
        const uchar *entry = d + ifd + 2 + 12 * i;
        const quint16 tag = qFromLittleEndian<quint16>(entry);
        const quint16 type = qFromLittleEndian<quint16>(entry + 2);
        const quint32 value = type == 3 ? qFromLittleEndian<quint16>(entry + 8)
                                        : qFromLittleEndian<quint32>(entry + 8);
        if (tag == 273)
            offset = value;
        else if (tag == 279)
            length = value;
    }
    if (offset == 0 || qint64(offset) + length > tiff.size())
        return {};
    return tiff.mid(offset, length);
}

QByteArray faxData(const QImage &mono, const QString &compression, const QString &folder)
{
    const QString plain = QDir(folder).filePath(QStringLiteral("plain.tiff"));
    const QString coded = QDir(folder).filePath(QStringLiteral("coded.tiff"));
    if (!mono.save(plain, "TIFF"))
        return {};
    if (run(QStringLiteral("tiffcp"), {QStringLiteral("-c"), compression, QStringLiteral("-r"),
                                       QString::number(mono.height()), plain, coded}) != 0)
        return {};
    QFile file(coded);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return tiffStrip(file.readAll());
}

int run(const QString &program, const QStringList &arguments, QByteArray *errorOutput)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120 * 1000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errorOutput)
        *errorOutput = process.readAllStandardError();
    return process.exitCode();
}

QByteArray jpegOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

} // namespace PdfTestFiles
