#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "core/LaneQueue.h"
#include "core/PageImages.h"
#include "export/PdfWriter.h"
#include "ocr/OcrLanguages.h"
#include "ocr/OcrPageText.h"
#include "ocr/OcrRunner.h"
#include "support/TestPaths.h"

namespace {

constexpr int dpi = 300;

struct DrawnWord
{
    QString text;
    QRect box; // pixels: from the font's ascent to its descent, across the word's advance
};

// A page drawn here, so where every word lies is known.
struct TextPage
{
    QImage image;
    QList<DrawnWord> words;
};

struct Block
{
    QString family;
    double points;
    QPoint origin; // top left of the block, pixels
    int width;     // pixels; lines wrap inside it
    QString text;
};

TextPage drawPage(QSize size, const QList<Block> &blocks)
{
    TextPage page;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (const Block &block : blocks) {
        QFont font(block.family);
        font.setPixelSize(int(block.points * dpi / 72.0 + 0.5));
        painter.setFont(font);
        const QFontMetrics metrics(font);
        int x = block.origin.x();
        int baseline = block.origin.y() + metrics.ascent();
        for (const QString &word : block.text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const int advance = metrics.horizontalAdvance(word);
            if (x + advance > block.origin.x() + block.width) {
                x = block.origin.x();
                baseline += metrics.lineSpacing() * 3 / 2;
            }
            painter.drawText(x, baseline, word);
            page.words.append({word, QRect(x, baseline - metrics.ascent(), advance,
                                           metrics.ascent() + metrics.descent())});
            x += advance + metrics.horizontalAdvance(QLatin1Char(' '));
        }
    }
    painter.end();
    page.image = image.convertToFormat(QImage::Format_Grayscale8);
    page.image.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    page.image.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    return page;
}

const QString english = QStringLiteral(
    "Scanning turns paper into documents that can be searched and shared with others "
    "The quick brown fox jumps over the lazy dog while seven wizards quietly judge boxing "
    "Every invoice receipt and letter finds its place in a folder that never gets lost");

struct FoundWord
{
    QString text;
    QRectF box; // points, origin top left
};

// pdftotext's words of each page, with their boxes.
QList<QList<FoundWord>> wordsOf(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    QList<QList<FoundWord>> pages;
    static const QRegularExpression pattern(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = pattern.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            pages.append(QList<FoundWord>());
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""));
        pages.last().append(
            {text, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return pages;
}

} // namespace

class tst_Ocr : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void searchablePdfFindsAndPlacesTheWords();
    void missingLanguageDataStopsBeforeWritingAndNamesThePackage();
    void orientationOfTurnedPages();
    void wordsFileRecordsAreChecked_data();
    void wordsFileRecordsAreChecked();

private:
    QTemporaryDir m_dir;
};

void tst_Ocr::initTestCase()
{
    qputenv("PATH", TestPaths::binDir().toLocal8Bit() + ':' + qgetenv("PATH"));
    QVERIFY(!OcrRunner::toolPath().isEmpty());
    const QStringList installed = OcrLanguages::installed();
    for (const char *code : {"eng", "deu", "rus"})
        QVERIFY2(installed.contains(QLatin1String(code)), code);
    QVERIFY(OcrLanguages::hasOrientationData());
}

void tst_Ocr::searchablePdfFindsAndPlacesTheWords()
{
    const QSize size(2000, 2800);
    QList<TextPage> pages;
    pages << drawPage(size, {{QStringLiteral("DejaVu Serif"),
                              20,
                              {150, 150},
                              1700,
                              QStringLiteral("Annual Report of the Archive")},
                             {QStringLiteral("DejaVu Sans"), 11, {150, 400}, 1700, english},
                             {QStringLiteral("DejaVu Sans Mono"),
                              10,
                              {150, 1400},
                              1700,
                              QStringLiteral("Reference number 2026 batch seventeen")}});
    // Two columns: the reading order of the text layer must not mix them up.
    pages << drawPage(size, {{QStringLiteral("DejaVu Serif"), 12, {120, 200}, 820, english},
                             {QStringLiteral("DejaVu Sans"),
                              12,
                              {1060, 200},
                              820,
                              QStringLiteral("Second column holds different words about "
                                             "harbours lighthouses and northern islands")}});
    pages << drawPage(size, {{QStringLiteral("DejaVu Sans"),
                              14,
                              {150, 300},
                              1700,
                              QStringLiteral("Größere Übungen für Straßenbahn Fahrer müssen "
                                             "Äpfel schälen während Öfen brennen")}});
    pages << drawPage(size, {{QStringLiteral("DejaVu Sans"),
                              13,
                              {150, 300},
                              1700,
                              QStringLiteral("Съешь же ещё этих мягких французских булок "
                                             "да выпей чаю Широкая электрификация южных "
                                             "губерний даст мощный толчок")}});
    // The window's page files: JPEG, and black-and-white as Group 4 TIFF.
    QStringList files;
    for (int i = 0; i < pages.size(); ++i) {
        const bool mono = i == 2;
        const QString file =
            m_dir.filePath(QStringLiteral("page%1.%2")
                               .arg(i)
                               .arg(mono ? QStringLiteral("tiff") : QStringLiteral("jpg")));
        QString error;
        QVERIFY2(PageImages::writeWorkingImage(pages[i].image, file, mono, 90, &error),
                 qPrintable(error));
        files << file;
    }

    PdfExportSettings settings;
    settings.docFolder = m_dir.path();
    settings.docName = QStringLiteral("searchable.pdf");
    settings.ocr = true;
    settings.ocrLanguages = QStringLiteral("eng+deu+rus");
    PdfWriter writer;
    QCOMPARE(writer.write(settings, files, false, nullptr), PdfWriter::Result::Finished);
    QCOMPARE(writer.pagesWithoutText(), 0);
    const QString pdf = m_dir.filePath(QStringLiteral("searchable.pdf"));

    const QList<QList<FoundWord>> found = wordsOf(pdf);
    QCOMPARE(found.size(), pages.size());
    // Where the writer put each image, to map drawn pixels to points.
    const QSizeF a4(595, 842);
    const PagePlacement p = PdfWriter::place(settings, a4, size, dpi, dpi);
    const double sx = p.scaleX, sy = p.scaleY;
    const double imageTop = a4.height() - p.position.y() - size.height() * sy;
    int drawn = 0, matched = 0;
    for (int i = 0; i < pages.size(); ++i) {
        QList<FoundWord> candidates = found[i];
        for (const DrawnWord &word : pages[i].words) {
            ++drawn;
            const QRectF expected(p.position.x() + word.box.x() * sx, imageTop + word.box.y() * sy,
                                  word.box.width() * sx, word.box.height() * sy);
            // The same word may occur more than once: the nearest of that text is the one.
            auto it = candidates.end();
            double nearest = 0;
            for (auto c = candidates.begin(); c != candidates.end(); ++c) {
                const QPointF d = c->box.center() - expected.center();
                const double distance = d.x() * d.x() + d.y() * d.y();
                if (c->text == word.text && (it == candidates.end() || distance < nearest)) {
                    it = c;
                    nearest = distance;
                }
            }
            if (it == candidates.end())
                continue;
            ++matched;
            // Within 1% of the page's width and height on every edge.
            const QString where = QStringLiteral("%1 on page %2").arg(word.text).arg(i + 1);
            QVERIFY2(qAbs(it->box.left() - expected.left()) <= a4.width() / 100, qPrintable(where));
            QVERIFY2(qAbs(it->box.right() - expected.right()) <= a4.width() / 100,
                     qPrintable(where));
            QVERIFY2(qAbs(it->box.top() - expected.top()) <= a4.height() / 100, qPrintable(where));
            QVERIFY2(qAbs(it->box.bottom() - expected.bottom()) <= a4.height() / 100,
                     qPrintable(where));
            candidates.erase(it);
        }
    }
    QVERIFY2(matched * 100 >= drawn * 95,
             qPrintable(QStringLiteral("%1 of %2 words found").arg(matched).arg(drawn)));

    // The page images are what they were: the JPEG bytes themselves, and the same fax data as in
    // a file without text.
    QTemporaryDir images;
    QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"),
                               {QStringLiteral("-all"), pdf, images.filePath(QStringLiteral("i"))}),
             0);
    QCOMPARE(TestPaths::readFile(images.filePath(QStringLiteral("i-000.jpg"))),
             TestPaths::readFile(files[0]));
    QCOMPARE(TestPaths::readFile(images.filePath(QStringLiteral("i-003.jpg"))),
             TestPaths::readFile(files[3]));
    settings.ocr = false;
    settings.docName = QStringLiteral("plain.pdf");
    QCOMPARE(writer.write(settings, files, false, nullptr), PdfWriter::Result::Finished);
    QTemporaryDir plainImages;
    QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"),
                               {QStringLiteral("-all"), m_dir.filePath(QStringLiteral("plain.pdf")),
                                plainImages.filePath(QStringLiteral("i"))}),
             0);
    const QStringList fax = QDir(images.path()).entryList({QStringLiteral("i-002.*")});
    QVERIFY(!fax.isEmpty());
    for (const QString &name : fax)
        QCOMPARE(TestPaths::readFile(images.filePath(name)),
                 TestPaths::readFile(plainImages.filePath(name)));
    // The invisible font is embedded and the file is sound.
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    QVERIFY(fonts.waitForFinished(30000));
    // Embedded ("emb") and with a Unicode map ("uni").
    QVERIFY(QString::fromLatin1(fonts.readAllStandardOutput())
                .contains(
                    QRegularExpression(QStringLiteral("CID TrueType +Identity-H +yes +no +yes"))));
    QCOMPARE(QProcess::execute(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}), 0);

    // A page with its text layer appended to a file: its font and words come along whole.
    settings.ocr = true;
    settings.appendFolder = m_dir.filePath(QStringLiteral("plain.pdf"));
    QCOMPARE(writer.write(settings, {files[1]}, true, nullptr), PdfWriter::Result::Finished);
    const QList<QList<FoundWord>> appended = wordsOf(settings.appendFolder);
    QCOMPARE(appended.size(), pages.size() + 1);
    QStringList before;
    QStringList after;
    for (const FoundWord &word : found[1])
        before << word.text;
    for (const FoundWord &word : appended.last())
        after << word.text;
    QCOMPARE(after, before);
    QCOMPARE(QProcess::execute(QStringLiteral("qpdf"),
                               {QStringLiteral("--check"), settings.appendFolder}),
             0);
}

void tst_Ocr::missingLanguageDataStopsBeforeWritingAndNamesThePackage()
{
    const QString file = m_dir.filePath(QStringLiteral("blank.jpg"));
    QImage blank(400, 400, QImage::Format_Grayscale8);
    blank.fill(255);
    QVERIFY(blank.save(file));
    PdfExportSettings settings;
    settings.docFolder = m_dir.path();
    settings.docName = QStringLiteral("never.pdf");
    settings.ocr = true;
    settings.ocrLanguages = QStringLiteral("eng+chi_sim");
    PdfWriter writer;
    QCOMPARE(writer.write(settings, {file}, false, nullptr), PdfWriter::Result::OcrUnavailable);
    QVERIFY2(writer.userMessage().contains(QStringLiteral("tesseract-ocr-chi-sim")),
             qPrintable(writer.userMessage()));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.pdf"))));
    // The tool says the same when asked directly.
    const OcrRunner::Result direct =
        OcrRunner::recognize(OcrRunner::toolPath(), QStringLiteral("chi_sim"), file,
                             m_dir.filePath(QStringLiteral("w")));
    QCOMPARE(direct.status, OcrRunner::Status::MissingLanguage);
    QCOMPARE(direct.detail, QStringLiteral("chi_sim"));
}

void tst_Ocr::orientationOfTurnedPages()
{
    // Ten pages of text in different fonts and sizes, each upright and turned three ways.
    const QStringList families = {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
                                  QStringLiteral("DejaVu Sans Mono")};
    QStringList files;
    QList<int> expected;
    for (int page = 0; page < 10; ++page) {
        const TextPage text = drawPage(QSize(1240, 1754), {{families[page % 3],
                                                            10.0 + page % 4 * 2,
                                                            {100, 120},
                                                            1040,
                                                            english + QLatin1Char(' ') + english}});
        for (int turns = 0; turns < 4; ++turns) {
            const QImage turned = text.image.transformed(QTransform().rotate(90 * turns));
            const QString file = m_dir.filePath(QStringLiteral("o%1_%2.jpg").arg(page).arg(turns));
            QVERIFY(turned.save(file, "JPEG", 85));
            files << file;
            expected << (4 - turns) % 4;
        }
    }
    // Pages without text are left alone.
    QImage blank(1240, 1754, QImage::Format_Grayscale8);
    blank.fill(250);
    QImage gradient(1240, 1754, QImage::Format_Grayscale8);
    for (int y = 0; y < gradient.height(); ++y)
        memset(gradient.scanLine(y), 60 + y * 150 / gradient.height(), gradient.width());
    for (const QImage &image : {blank, gradient}) {
        files << m_dir.filePath(QStringLiteral("plain%1.jpg").arg(files.size()));
        QVERIFY(image.save(files.last(), "JPEG", 85));
        expected << -1;
    }

    const QString tool = OcrRunner::toolPath();
    LaneQueue<OcrRunner::Orientation> queue(int(files.size()), 2, [&files, tool](int i) {
        return OcrRunner::orientation(tool, files.at(i));
    });
    int right = 0;
    QStringList wrong;
    for (int i = 0; i < files.size(); ++i) {
        const OcrRunner::Orientation result = queue.takeNext();
        QCOMPARE(result.status, OcrRunner::Status::Done);
        if (expected[i] < 0) {
            QVERIFY2(!result.quarterTurns, qPrintable(files[i]));
            continue;
        }
        // An upright page left alone is right too.
        if (result.quarterTurns.value_or(0) == expected[i])
            ++right;
        else
            wrong << QFileInfo(files[i]).fileName();
    }
    QVERIFY2(right * 100 >= 40 * 95, qPrintable(wrong.join(QLatin1Char(' '))));
}

void tst_Ocr::wordsFileRecordsAreChecked_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("words"); // -1: refused
    QTest::newRow("good") << QByteArray("page\t100\t50\t300\nline\t1\t2\t90\t20\n"
                                        "word\t1\t2\t40\t20\t91\tGrüße\n")
                          << 1;
    QTest::newRow("no page first") << QByteArray("line\t1\t2\t90\t20\n") << -1;
    QTest::newRow("box outside the image")
        << QByteArray("page\t100\t50\t300\nline\t1\t2\t101\t20\n") << -1;
    QTest::newRow("word before any line")
        << QByteArray("page\t100\t50\t300\nword\t1\t2\t40\t20\t91\tHi\n") << -1;
    QTest::newRow("not a number") << QByteArray("page\t100\tx\t300\n") << -1;
    QTest::newRow("empty box") << QByteArray("page\t100\t50\t300\nline\t5\t5\t5\t9\n") << -1;
}

void tst_Ocr::wordsFileRecordsAreChecked()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, words);
    const std::optional<OcrPageText> page = OcrPageText::parse(bytes);
    QCOMPARE(page.has_value(), words >= 0);
    if (page) {
        QCOMPARE(page->wordCount(), words);
        QCOMPARE(page->lines.first().words.first().text, QStringLiteral("Grüße"));
    }
}

QTEST_MAIN(tst_Ocr)
#include "tst_Ocr.moc"
