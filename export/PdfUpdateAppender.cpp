#include "export/PdfUpdateAppender.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cctype>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <unistd.h>
#include <vector>

// This code uses no PointerHolder, the old smart pointer of qpdf's interface.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

namespace {

using Outcome = PdfUpdateAppender::Outcome;
// How a reference to an indirect object is written in the update.
using RefWriter = std::function<QByteArray(QPDFObjectHandle &)>;

// Reading the existing file turned up something this way does not handle.
struct Unsuitable
{
};
// The output could not be written.
struct WriteFailed
{
    QString reason;
};

// The tail searched for the last "startxref"; the keyword sits within the file's last bytes.
constexpr qint64 TailBytes = 4096;
constexpr qint64 CopyBlock = 1 << 20;
// Offsets in the cross-reference stream take 8 bytes, generations 2.
constexpr int OffsetBytes = 8;
constexpr int GenerationBytes = 2;

// Trailer entries that describe a cross-reference section rather than the document; every
// other entry of the file's trailer goes into the new one unchanged.
const char *const SectionKeys[] = {"/Prev",  "/Size",   "/XRefStm", "/Type",        "/W",
                                   "/Index", "/Length", "/Filter",  "/DecodeParms", "/ID"};

std::string encoded(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QByteArray reference(int number, int generation)
{
    return QByteArray::number(number) + ' ' + QByteArray::number(generation) + " R";
}

QByteArray existingReference(QPDFObjectHandle &object)
{
    return reference(object.getObjectID(), object.getGeneration());
}

// PDF syntax of a value. Indirect objects inside it become references written by ref; the
// value itself is written out in full when it is the object being written (top). Keys found
// in replaced are written with the given text instead of their value (an empty text drops
// the key).
void unparse(QPDFObjectHandle value, const RefWriter &ref, QByteArray &out, bool top = false,
             const std::map<std::string, QByteArray> &replaced = {})
{
    if (!top && value.isIndirect()) {
        out += ref(value);
        return;
    }
    switch (value.getTypeCode()) {
    case ot_array:
        out += '[';
        for (QPDFObjectHandle &item : value.getArrayAsVector()) {
            unparse(item, ref, out);
            out += ' ';
        }
        out += ']';
        break;
    case ot_dictionary:
        out += "<<";
        for (auto &[key, item] : value.getDictAsMap()) {
            if (replaced.count(key) || item.isNull())
                continue;
            out += QByteArray::fromStdString(QPDFObjectHandle::newName(key).unparse()) + ' ';
            unparse(item, ref, out);
            out += ' ';
        }
        for (const auto &[key, text] : replaced) {
            if (!text.isEmpty())
                out += QByteArray::fromStdString(QPDFObjectHandle::newName(key).unparse()) + ' ' +
                       text + ' ';
        }
        out += ">>";
        break;
    case ot_stream:
        // Streams are always indirect; one met here as a value is a broken input.
        throw Unsuitable{};
    default:
        out += QByteArray::fromStdString(value.unparse());
        break;
    }
}

// Where the file's last cross-reference section starts, and whether it is a stream.
struct LastSection
{
    qint64 offset = -1;
    bool isStream = false;
};

LastSection lastSection(QFile &file)
{
    const qint64 size = file.size();
    const qint64 tail = std::min(size, TailBytes);
    if (!file.seek(size - tail))
        throw Unsuitable{};
    const QByteArray end = file.read(tail);
    const qsizetype keyword = end.lastIndexOf("startxref");
    if (keyword < 0)
        throw Unsuitable{};
    qsizetype from = keyword + qsizetype(sizeof("startxref") - 1);
    while (from < end.size() && std::isspace(uchar(end.at(from))))
        ++from;
    qsizetype to = from;
    while (to < end.size() && std::isdigit(uchar(end.at(to))))
        ++to;
    bool ok = false;
    LastSection section;
    section.offset = end.mid(from, to - from).toLongLong(&ok);
    if (!ok || section.offset <= 0 || section.offset >= size || !file.seek(section.offset))
        throw Unsuitable{};
    // A table starts with its keyword, a stream with "N G obj". Offsets that point anywhere
    // else are repaired by readers, which an update section cannot build on.
    const QByteArray head = file.read(40).simplified();
    if (head.startsWith("xref")) {
        section.isStream = false;
    } else {
        const QList<QByteArray> words = head.split(' ');
        bool number = false;
        bool generation = false;
        if (words.size() < 3)
            throw Unsuitable{};
        words.at(0).toInt(&number);
        words.at(1).toInt(&generation);
        if (!number || !generation || !words.at(2).startsWith("obj"))
            throw Unsuitable{};
        section.isStream = true;
    }
    return section;
}

class UpdateWriter
{
public:
    explicit UpdateWriter(QFile &out)
        : m_out(out)
    {
    }

    void write(const QByteArray &bytes)
    {
        if (m_out.write(bytes) != bytes.size())
            throw WriteFailed{m_out.errorString()};
    }

    void write(const unsigned char *data, size_t size)
    {
        if (m_out.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            throw WriteFailed{m_out.errorString()};
    }

    // The existing file's bytes, unchanged; in the kernel where it can copy between files.
    void copy(QFile &in)
    {
        if (!in.seek(0) || !m_out.flush())
            throw WriteFailed{m_out.errorString()};
        qint64 left = in.size();
        while (left > 0) {
            const ssize_t moved =
                ::copy_file_range(in.handle(), nullptr, m_out.handle(), nullptr, size_t(left), 0);
            if (moved <= 0)
                break;
            left -= moved;
        }
        // Where the kernel cannot, through a buffer, from wherever it stopped.
        const qint64 done = in.size() - left;
        if (!in.seek(done) || !m_out.seek(done))
            throw WriteFailed{m_out.errorString()};
        QByteArray block;
        while (left > 0) {
            block = in.read(std::min(left, CopyBlock));
            if (block.isEmpty())
                throw WriteFailed{in.errorString()};
            write(block);
            left -= block.size();
        }
        // A file whose last line has no end gets one, so the first object starts a line.
        if (in.size() > 0) {
            char last = 0;
            if (!in.seek(in.size() - 1) || !in.getChar(&last))
                throw WriteFailed{in.errorString()};
            if (last != '\n' && last != '\r')
                write(QByteArray("\n"));
        }
    }

    // Starts object number at the current position.
    void begin(int number, int generation)
    {
        m_offsets[number] = {m_out.pos(), generation};
        write(QByteArray::number(number) + ' ' + QByteArray::number(generation) + " obj\n");
    }

    void end() { write(QByteArray("\nendobj\n")); }

    qint64 position() const { return m_out.pos(); }

    // The offsets of the objects written, by number, for the cross-reference section.
    const std::map<int, std::pair<qint64, int>> &offsets() const { return m_offsets; }

private:
    QFile &m_out;
    std::map<int, std::pair<qint64, int>> m_offsets;
};

// The numbers of the objects that make up the update: contiguous runs of [first, count].
QList<std::pair<int, int>> runs(const std::map<int, std::pair<qint64, int>> &offsets)
{
    QList<std::pair<int, int>> result;
    for (const auto &entry : offsets) {
        if (!result.isEmpty() && result.last().first + result.last().second == entry.first)
            ++result.last().second;
        else
            result.append({entry.first, 1});
    }
    return result;
}

Outcome appendUpdate(const QString &pagesPath, const QString &existingPath, QFile &out)
{
    QFile existingFile(existingPath);
    if (!existingFile.open(QIODevice::ReadOnly))
        throw Unsuitable{};
    const LastSection last = lastSection(existingFile);

    QPDF existing;
    existing.setSuppressWarnings(true);
    existing.setAttemptRecovery(false);
    const std::string existingName = encoded(existingPath);
    existing.processFile(existingName.c_str());
    if (existing.isEncrypted() || existing.anyWarnings())
        throw Unsuitable{};
    QPDFObjectHandle trailer = existing.getTrailer();
    QPDFObjectHandle tree = existing.getRoot().getKey("/Pages");
    if (!tree.isIndirect() || !tree.isDictionary())
        throw Unsuitable{};
    // New pages carry their own box and resources; a turn or crop box on the root would be
    // inherited by them.
    for (const char *key : {"/Rotate", "/CropBox"}) {
        if (tree.hasKey(key))
            throw Unsuitable{};
    }
    QPDFObjectHandle kids = tree.getKey("/Kids");
    QPDFObjectHandle count = tree.getKey("/Count");
    if (!kids.isArray() || !count.isInteger())
        throw Unsuitable{};
    int size = trailer.getKey("/Size").isInteger() ? trailer.getKey("/Size").getIntValueAsInt() : 0;
    for (const auto &entry : existing.getXRefTable())
        size = std::max(size, entry.first.getObj() + 1);

    QPDF pages;
    pages.setSuppressWarnings(true);
    const std::string pagesName = encoded(pagesPath);
    pages.processFile(pagesName.c_str());
    std::vector<QPDFPageObjectHelper> newPages = QPDFPageDocumentHelper(pages).getAllPages();

    UpdateWriter writer(out);
    writer.copy(existingFile);

    // The new pages' objects get numbers from the file's size on, in the order they are met.
    std::map<QPDFObjGen, int> numbers;
    std::deque<QPDFObjectHandle> waiting;
    int next = size;
    const RefWriter newReference = [&](QPDFObjectHandle &object) {
        auto found = numbers.find(object.getObjGen());
        if (found == numbers.end()) {
            found = numbers.emplace(object.getObjGen(), next++).first;
            waiting.push_back(object);
        }
        return reference(found->second, 0);
    };
    const RefWriter oldReference = existingReference;
    const QByteArray parent = existingReference(tree);

    QByteArray newKids;
    for (QPDFObjectHandle &kid : kids.getArrayAsVector()) {
        unparse(kid, oldReference, newKids);
        newKids += ' ';
    }
    for (QPDFPageObjectHelper &page : newPages) {
        QPDFObjectHandle object = page.getObjectHandle();
        newKids += newReference(object) + ' ';
    }

    QByteArray body;
    while (!waiting.empty()) {
        QPDFObjectHandle object = waiting.front();
        waiting.pop_front();
        body.clear();
        writer.begin(numbers.at(object.getObjGen()), 0);
        if (object.isStream()) {
            const std::shared_ptr<Buffer> data = object.getRawStreamData();
            unparse(object.getDict(), newReference, body, true,
                    {{"/Length", QByteArray::number(qulonglong(data->getSize()))}});
            writer.write(body + "\nstream\n");
            writer.write(data->getBuffer(), data->getSize());
            writer.write(QByteArray("\nendstream"));
        } else if (object.isPageObject()) {
            unparse(object, newReference, body, true, {{"/Parent", parent}});
            writer.write(body);
        } else {
            unparse(object, newReference, body, true);
            writer.write(body);
        }
        writer.end();
    }

    // The tree's root again, under its own number: the old kids and the new pages.
    body.clear();
    writer.begin(tree.getObjectID(), tree.getGeneration());
    unparse(tree, oldReference, body, true,
            {{"/Kids", '[' + newKids + ']'},
             {"/Count", QByteArray::number(count.getIntValue() + qint64(newPages.size()))}});
    writer.write(body);
    writer.end();

    // Anything repaired while reading the root's kids makes the file unfit to build on.
    if (existing.anyWarnings())
        throw Unsuitable{};

    // The trailer: the file's own entries, a new second identifier, the way back.
    QByteArray id;
    for (int i = 0; i < 2; ++i) {
        const quint64 random = QRandomGenerator::system()->generate64();
        id += QByteArray::number(random, 16).rightJustified(16, '0');
    }
    QPDFObjectHandle ids = trailer.getKey("/ID");
    const QByteArray firstId =
        ids.isArray() && ids.getArrayNItems() == 2 && ids.getArrayItem(0).isString()
            ? QByteArray::fromStdString(ids.getArrayItem(0).unparse())
            : '<' + id + '>';
    QByteArray entries;
    std::map<std::string, QByteArray> replaced;
    for (const char *key : SectionKeys)
        replaced[key] = QByteArray();
    unparse(trailer, oldReference, entries, true, replaced);
    entries.chop(2); // the closing ">>": more entries follow
    entries += "/ID [" + firstId + " <" + id + ">] /Prev " + QByteArray::number(last.offset);

    if (!last.isStream) {
        const qint64 start = writer.position();
        QByteArray table = "xref\n";
        const auto &offsets = writer.offsets();
        for (const auto &[first, length] : runs(offsets)) {
            table += QByteArray::number(first) + ' ' + QByteArray::number(length) + '\n';
            for (int number = first; number < first + length; ++number) {
                const auto &[offset, generation] = offsets.at(number);
                table += QByteArray::number(offset).rightJustified(10, '0') + ' ' +
                         QByteArray::number(generation).rightJustified(5, '0') + " n \n";
            }
        }
        table += "trailer\n" + entries + " /Size " + QByteArray::number(next) + " >>\n";
        table += "startxref\n" + QByteArray::number(start) + "\n%%EOF\n";
        writer.write(table);
        return Outcome::Written;
    }

    // A file with a cross-reference stream gets one too, holding its own entry as well.
    const int streamNumber = next++;
    const qint64 start = writer.position();
    std::map<int, std::pair<qint64, int>> offsets = writer.offsets();
    offsets[streamNumber] = {start, 0};
    QByteArray index;
    QByteArray data;
    for (const auto &[first, length] : runs(offsets)) {
        index += QByteArray::number(first) + ' ' + QByteArray::number(length) + ' ';
        for (int number = first; number < first + length; ++number) {
            const auto &[offset, generation] = offsets.at(number);
            data += char(1);
            for (int shift = 8 * (OffsetBytes - 1); shift >= 0; shift -= 8)
                data += char((quint64(offset) >> shift) & 0xff);
            for (int shift = 8 * (GenerationBytes - 1); shift >= 0; shift -= 8)
                data += char((generation >> shift) & 0xff);
        }
    }
    writer.begin(streamNumber, 0);
    writer.write(entries + " /Type /XRef /Size " + QByteArray::number(next) + " /W [1 " +
                 QByteArray::number(OffsetBytes) + ' ' + QByteArray::number(GenerationBytes) +
                 "] /Index [" + index + "] /Length " + QByteArray::number(data.size()) +
                 " >>\nstream\n");
    writer.write(data);
    writer.write(QByteArray("\nendstream"));
    writer.end();
    writer.write("startxref\n" + QByteArray::number(start) + "\n%%EOF\n");
    return Outcome::Written;
}

} // namespace

PdfUpdateAppender::Outcome PdfUpdateAppender::append(const QString &pages, const QString &existing,
                                                     const QString &output, QString *error)
{
    QFile out(output);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = out.errorString();
        return Outcome::Failed;
    }
    try {
        const Outcome outcome = appendUpdate(pages, existing, out);
        if (!out.flush()) {
            if (error)
                *error = out.errorString();
            return Outcome::Failed;
        }
        return outcome;
    } catch (const WriteFailed &failed) {
        if (error)
            *error = failed.reason;
        return Outcome::Failed;
    } catch (const Unsuitable &) {
        return Outcome::Unsuitable;
    } catch (const std::exception &) {
        // qpdf could not read something; the whole rewrite may still manage, or say why not.
        return Outcome::Unsuitable;
    }
}
