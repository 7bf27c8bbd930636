#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "import/PdfImport.h"
#include "support/TestPaths.h"

// The child-process contract of the PDF import, with small scripts in the extracting program's
// place: what each way of ending gives, and that images are handed on as they come.
class tst_PdfImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void outcomes_data();
    void outcomes();

private:
    QTemporaryDir m_dir;
};

void tst_PdfImport::outcomes_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("images");
    // Writes image $1 (of two) as a small PNG and names it.
    const QByteArray two = "echo 'images 2' >&2\n"
                           "for i in 1 2; do convert -size 8x6 xc:gray \"$out/000$i.png\"; "
                           "echo \"image $i of 2: 000$i.png\" >&2; done\n";
    QTest::newRow("two images") << two + "exit 0" << int(PdfImport::Outcome::Images) << 2;
    QTest::newRow("one skipped") << two + "echo 'skipped 3 of 3: JPX' >&2; exit 0"
                                 << int(PdfImport::Outcome::Images) << 2;
    QTest::newRow("no images") << QByteArray("echo 'no images' >&2; exit 2")
                               << int(PdfImport::Outcome::NoImages) << 0;
    QTest::newRow("cannot open") << QByteArray("echo 'cannot open: not a PDF' >&2; exit 1")
                                 << int(PdfImport::Outcome::CannotOpen) << 0;
    // The images before a crash are kept by the caller.
    QTest::newRow("crash after two")
        << two + "kill -SEGV $$" << int(PdfImport::Outcome::CannotOpen) << 2;
    QTest::newRow("hangs") << QByteArray("exec sleep 60") << int(PdfImport::Outcome::CannotOpen)
                           << 0;
    QTest::newRow("password")
        << QByteArray("[ \"$pw\" = secret ] || { echo 'password required' >&2; exit 3; }\n") + two +
               "exit 0"
        << int(PdfImport::Outcome::PasswordNeeded) << 0;
    // A name that leaves the folder is not taken.
    QTest::newRow("name outside the folder")
        << QByteArray("echo 'image 1 of 1: ../x.png' >&2; exit 0")
        << int(PdfImport::Outcome::CannotOpen) << 0;
}

void tst_PdfImport::outcomes()
{
    QFETCH(QByteArray, body);
    QFETCH(int, outcome);
    QFETCH(int, images);
    const QString tool =
        m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".sh"));
    // The arguments are "extract [--password-stdin] -o DIR FILE"; the password comes on the
    // first line of standard input, never in the arguments.
    const QByteArray script = "#!/bin/bash\npw=\nwhile [ $# -gt 1 ]; do case \"$1\" in "
                              "--password-stdin) read -r pw; shift;; -o) out=\"$2\"; shift 2;; "
                              "*) shift;; esac; done\n" +
                              body + "\n";
    QVERIFY(TestPaths::writeFile(tool, script));
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(folder));

    PdfImport import(tool);
    import.setTimeout(1500);
    int total = -1;
    QStringList handed;
    PdfImport::Callbacks callbacks;
    callbacks.total = [&total](int n) {
        total = n;
    };
    callbacks.image = [&handed](int, const QString &path) {
        // Complete when named: it reads as an image at once.
        if (!QImage(path).isNull())
            handed << path;
        return true;
    };
    QCOMPARE(int(import.run(QStringLiteral("in.pdf"), QString(), folder, callbacks)), outcome);
    QCOMPARE(handed.size(), images);
    if (images > 0)
        QCOMPARE(total, 2);
    if (QByteArray(QTest::currentDataTag()) == "password") {
        handed.clear();
        QCOMPARE(import.run(QStringLiteral("in.pdf"), QStringLiteral("secret"), folder, callbacks),
                 PdfImport::Outcome::Images);
        QCOMPARE(handed.size(), 2);
    }
    if (QByteArray(QTest::currentDataTag()) == "one skipped")
        QCOMPARE(import.skipped(), QStringList{QStringLiteral("image 3: JPX")});
    if (QByteArray(QTest::currentDataTag()) == "cannot open")
        QCOMPARE(import.reason(), QStringLiteral("not a PDF"));

    // Cancelled from an image: the child is ended and the run says so.
    if (QByteArray(QTest::currentDataTag()) == "two images") {
        callbacks.image = [](int, const QString &) {
            return false;
        };
        QCOMPARE(import.run(QStringLiteral("in.pdf"), QString(), folder, callbacks),
                 PdfImport::Outcome::Cancelled);
    }
}

QTEST_GUILESS_MAIN(tst_PdfImport)
#include "tst_PdfImport.moc"
