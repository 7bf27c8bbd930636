#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "pages/KGraphicsView.h"
#include "pages/KSlabWidget.h"

namespace {

// Translates "Page" in the slab's context, enough to watch a language change re-caption.
class PageTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const bool page = qstrcmp(context, "KSlabWidget") == 0 && qstrcmp(sourceText, "Page") == 0;
        return page ? QStringLiteral("Seite") : QString();
    }
};

const QString LongNumber = QStringLiteral("1234567890123456789012345678901234567890");

} // namespace

class tst_KSlabWidget : public QObject
{
    Q_OBJECT

private slots:
    void resizeAcceptsSidesFrom100To1001_data();
    void resizeAcceptsSidesFrom100To1001();
    void checkSignalsFollowDefiniteStates();
    void captionIsElidedToolTipsAreWholeAndLanguageChangeRecaptions();
    void thumbnailIsFittedWholeAndCentred_data();
    void thumbnailIsFittedWholeAndCentred();
    void clearingBeforeTheFitStillResumesPainting();

private:
    static KGraphicsView *view(KSlabWidget &slab) { return slab.findChild<KGraphicsView *>(); }
};

void tst_KSlabWidget::resizeAcceptsSidesFrom100To1001_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("lower bound") << QSize(100, 100) << true << true;
    QTest::newRow("upper bound is 1001") << QSize(1001, 1001) << true << true;
    QTest::newRow("width 1002") << QSize(1002, 500) << true << false;
    QTest::newRow("height 99") << QSize(500, 99) << true << false;
    QTest::newRow("not resizable") << QSize(300, 300) << false << false;
}

void tst_KSlabWidget::resizeAcceptsSidesFrom100To1001()
{
    QFETCH(QSize, requested);
    QFETCH(bool, resizable);
    QFETCH(bool, accepted);

    KSlabWidget slab(200, 240, QStringLiteral("1"));
    slab.setResizable(resizable);
    slab.resizeSlab(requested.width(), requested.height());
    const QSize expected = accepted ? requested : QSize(200, 240);
    QCOMPARE(slab.size(), expected);
    QCOMPARE(slab.maximumSize(), expected);
}

void tst_KSlabWidget::checkSignalsFollowDefiniteStates()
{
    KSlabWidget slab(200, 240, QStringLiteral("1"));
    QSignalSpy spy(&slab, &KSlabWidget::checked);
    QSignalSpy focused(&slab, &KSlabWidget::focused);

    slab.wasChecked(Qt::PartiallyChecked);
    QCOMPARE(spy.count(), 0);
    slab.wasChecked(Qt::Checked);
    slab.wasChecked(Qt::Unchecked);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);

    // Marking emits once even without a change; setting emits only for a change.
    spy.clear();
    slab.markChecked();
    slab.markChecked();
    slab.setChecked(true);
    QCOMPARE(spy.count(), 2);
    slab.setChecked(false);
    QCOMPARE(spy.count(), 3);

    // A click on the box checks it and focuses the slab.
    slab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slab));
    auto *box = slab.findChild<QCheckBox *>();
    QCOMPARE(box->parentWidget(), view(slab));
    focused.clear();
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QCOMPARE(spy.count(), 4);
    QVERIFY(slab.isChecked());
    QVERIFY(focused.count() >= 1);
    QVERIFY(slab.isFocusedStyle());

    KSlabWidget plain(200, 240, QStringLiteral("2"), nullptr, false);
    QSignalSpy plainSpy(&plain, &KSlabWidget::checked);
    plain.markChecked();
    QCOMPARE(plainSpy.count(), 0);
    QCOMPARE(plain.findChild<QCheckBox *>(), nullptr);
}

void tst_KSlabWidget::captionIsElidedToolTipsAreWholeAndLanguageChangeRecaptions()
{
    KSlabWidget slab(120, 160, LongNumber);
    slab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slab));
    auto *label = slab.findChild<QLabel *>();
    const QString whole = QStringLiteral("Page ") + LongNumber;
    QVERIFY(slab.labelText().startsWith(QStringLiteral("Pa")));
    QVERIFY(slab.labelText().contains(QChar(0x2026)));
    // Fits inside the borders and margins instead of being clipped at both ends.
    QVERIFY(label->fontMetrics().horizontalAdvance(slab.labelText()) <=
            label->contentsRect().width());
    QCOMPARE(label->toolTip(), whole);
    QCOMPARE(view(slab)->toolTip(), whole);

    PageTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    // Re-captioned whole, not elided.
    QTRY_COMPARE(slab.labelText(), QStringLiteral("Seite ") + LongNumber);
    QCOMPARE(view(slab)->toolTip(), QStringLiteral("Seite ") + LongNumber);
    slab.setNumber(QStringLiteral("7"));
    QCOMPARE(slab.labelText(), QStringLiteral("Seite 7"));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(slab.labelText(), QStringLiteral("Page 7"));
}

void tst_KSlabWidget::thumbnailIsFittedWholeAndCentred_data()
{
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<bool>("shown");

    QTest::newRow("portrait, shown") << QSize(850, 1100) << true;
    QTest::newRow("landscape, never shown") << QSize(1100, 600) << false;
    QTest::newRow("smaller than the view") << QSize(40, 30) << true;
}

void tst_KSlabWidget::thumbnailIsFittedWholeAndCentred()
{
    QFETCH(QSize, imageSize);
    QFETCH(bool, shown);

    KSlabWidget slab(200, 260, QStringLiteral("1"));
    if (shown) {
        slab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slab));
    }
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    slab.setImage(image);
    QVERIFY(!slab.updatesEnabled());
    QTRY_VERIFY(slab.updatesEnabled());

    KGraphicsView *thumbnail = view(slab);
    // The view has the slab's width less its borders, and the height the caption leaves.
    QVERIFY(thumbnail->width() > 190 && thumbnail->height() > 150 && thumbnail->height() < 250);
    QCOMPARE(slab.viewScale(), qMin(thumbnail->width(), thumbnail->height()) /
                                   qreal(qMax(imageSize.width(), imageSize.height())));

    const QRect mapped = thumbnail->mapFromScene(QRectF(image.rect())).boundingRect();
    // The view's inside, not viewport()->rect(): a viewport that was never shown may not have
    // been laid out yet, while the fit already uses the view's size.
    const QRect viewport(QPoint(0, 0), thumbnail->contentsRect().size());
    QVERIFY2(viewport.adjusted(-1, -1, 1, 1).contains(mapped),
             qPrintable(QStringLiteral("picture %1,%2 %3x%4 in view %5x%6")
                            .arg(mapped.x())
                            .arg(mapped.y())
                            .arg(mapped.width())
                            .arg(mapped.height())
                            .arg(viewport.width())
                            .arg(viewport.height())));
    QVERIFY(qAbs(mapped.left() - (viewport.right() - mapped.right())) <= 2);
    QVERIFY(qAbs(mapped.top() - (viewport.bottom() - mapped.bottom())) <= 2);

    // Resizing refits at once.
    slab.resizeSlab(400, 460);
    QCOMPARE(slab.viewScale(), qMin(thumbnail->width(), thumbnail->height()) /
                                   qreal(qMax(imageSize.width(), imageSize.height())));
    QVERIFY(thumbnail->width() > 390);
}

void tst_KSlabWidget::clearingBeforeTheFitStillResumesPainting()
{
    KSlabWidget slab(200, 260, QStringLiteral("1"));
    slab.setImage(QImage(300, 400, QImage::Format_RGB32));
    slab.clearImage();
    QVERIFY(!slab.hasImage());
    QVERIFY(slab.image().isNull());
    QTRY_VERIFY(slab.updatesEnabled());
    QCOMPARE(slab.viewScale(), 1.0);
    QVERIFY(view(slab)->transform().isIdentity());
}

QTEST_MAIN(tst_KSlabWidget)
#include "tst_KSlabWidget.moc"
