#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

#include "app/PopupMessage.h"
#include "ribbon/RibbonStyle.h"

// A pop-up message must show all of its text: wrapped at a readable width and as tall as the
// wrapped text needs, in either writing direction.
class tst_PopupMessage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new RibbonStyle); }
    void textFitsItsLabel_data();
    void textFitsItsLabel();
};

void tst_PopupMessage::textFitsItsLabel_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("short") << QStringLiteral("New project has been begun.") << false;
    QTest::newRow("lines") << QStringLiteral("ERROR!<br>Can't connect to the update server. Please "
                                             "check network settings.")
                           << false;
    QTest::newRow("long")
        << QStringLiteral(
               "The page processing tool vellumo-pagetool is not available in "
               "/usr/lib/x86_64-linux-gnu/vellumo/libexec; install the package again or choose "
               "another folder in the options. Until then automatic cropping, splitting and "
               "deskewing are off.")
        << false;
    QTest::newRow("arabic")
        << QStringLiteral(
               "تعذّر العثور على أداة معالجة الصفحات في المجلد المحدد. أعد تثبيت الحزمة أو اختر "
               "مجلدًا آخر من الإعدادات، وإلى ذلك الحين يبقى القص التلقائي وتقسيم الصفحات متوقفًا.")
        << true;
}

void tst_PopupMessage::textFitsItsLabel()
{
    QFETCH(QString, message);
    QFETCH(bool, rightToLeft);
    QMainWindow window;
    window.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    window.resize(1024, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Below two others, as when messages come in quick succession.
    PopupMessage::show(QStringLiteral("Scanners not found.<br>Please plug a scanner."), &window);
    PopupMessage::show(QStringLiteral("Checking for update"), &window);
    PopupMessage *popup = PopupMessage::show(message, &window);
    QTRY_VERIFY(popup->isVisible());
    QTest::qWait(400); // the slide ends

    QLabel *text = nullptr;
    for (QLabel *label : popup->findChildren<QLabel *>()) {
        if (label->text().contains(message))
            text = label;
    }
    QVERIFY(text);
    // Wide enough for its longest word, tall enough for every wrapped line.
    QVERIFY2(
        text->minimumSizeHint().width() <= text->width(),
        qPrintable(
            QStringLiteral("%1 < %2").arg(text->width()).arg(text->minimumSizeHint().width())));
    QVERIFY2(text->heightForWidth(text->width()) <= text->height(),
             qPrintable(QStringLiteral("%1 < %2")
                            .arg(text->height())
                            .arg(text->heightForWidth(text->width()))));
    // Wrapped at a readable width rather than stretched across the window.
    QVERIFY(popup->width() <= 480);
    // Inside the window, its text within the pop-up.
    QVERIFY(QRect(QPoint(0, 0), window.size())
                .contains(
                    QRect(window.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->size())));
    QVERIFY(popup->rect().contains(QRect(text->mapTo(popup, QPoint(0, 0)), text->size())));
    popup->close();
}

QTEST_MAIN(tst_PopupMessage)
#include "tst_PopupMessage.moc"
