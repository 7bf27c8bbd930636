#include <QTest>

#include "import/PdfImportJob.h"
#include "import/PdfImportSession.h"

using Outcome = PdfImport::Outcome;
using Next = PdfImportSession::Next;

Q_DECLARE_METATYPE(PdfImport::Outcome)

// What follows each extraction of a PDF import: a password asked again after a wrong one, the
// offer to draw the pages made once and only when nothing came, and the next job carrying what
// the user gave.
class tst_PdfImportSession : public QObject
{
    Q_OBJECT

private slots:
    void stepsFollowTheOutcomes()
    {
        PdfImportSession session(QStringLiteral("/docs/letter.pdf"), QSize(220, 220), 150);
        QVERIFY(session.isValid());

        // A locked file: the first prompt says nothing of a wrong password.
        QCOMPARE(session.jobEnded(Outcome::PasswordNeeded, 0), Next::AskPassword);
        QCOMPARE(session.passwordPrompt(),
                 QStringLiteral("The PDF file letter.pdf is protected by a password."));
        session.setPassword(QStringLiteral("secret"));
        QCOMPARE(session.nextJob()->renderDpi(), 0);
        // The password given was wrong: asked again, saying so.
        QCOMPARE(session.jobEnded(Outcome::PasswordNeeded, 0), Next::AskPassword);
        QVERIFY(
            session.passwordPrompt().startsWith(QStringLiteral("The password is not right.\n")));

        // No images: drawing is offered; once agreed, the next job draws at the given dpi.
        QCOMPARE(session.jobEnded(Outcome::NoImages, 0), Next::OfferDrawing);
        session.drawPages();
        QCOMPARE(session.nextJob()->renderDpi(), 150);
        // Drawing gave nothing either: no second offer.
        QCOMPARE(session.jobEnded(Outcome::NoImages, 0), Next::Done);
    }

    void pagesOrFailuresEndTheSession_data()
    {
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("pagesSoFar");
        QTest::newRow("images") << Outcome::Images << 3;
        QTest::newRow("cannot open") << Outcome::CannotOpen << 0;
        QTest::newRow("cancelled") << Outcome::Cancelled << 1;
        // Some pages came before the images ran out: nothing to draw.
        QTest::newRow("no more images after some pages") << Outcome::NoImages << 2;
    }
    void pagesOrFailuresEndTheSession()
    {
        QFETCH(Outcome, outcome);
        QFETCH(int, pagesSoFar);
        PdfImportSession session(QStringLiteral("/docs/a.pdf"), QSize(220, 220), 300);
        QCOMPARE(session.jobEnded(outcome, pagesSoFar), Next::Done);
    }
};

QTEST_GUILESS_MAIN(tst_PdfImportSession)
#include "tst_PdfImportSession.moc"
