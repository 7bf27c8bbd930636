#include <QApplication>
#include <QComboBox>
#include <QTest>

#include "ribbon/RibbonStyle.h"

using namespace Qt::StringLiterals;

class tst_RibbonStyle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void themeRestylesWidgetsThatAlreadyExist();
};

void tst_RibbonStyle::initTestCase()
{
    QApplication::setStyle(new RibbonStyle);
}

void tst_RibbonStyle::themeRestylesWidgetsThatAlreadyExist()
{
    QComboBox existing;
    auto *style = qobject_cast<OfficeStyle *>(QApplication::style());
    QVERIFY(style);
    QVERIFY(style->baseStyle()->name().compare(u"fusion"_s, Qt::CaseInsensitive) == 0);

    // Widgets pick up an application palette from the event loop.
    style->setTheme(OfficeStyle::ClassicTheme);
    QTRY_COMPARE(existing.palette(), QApplication::palette());
    const QPalette classic = existing.palette();
    style->setTheme(OfficeStyle::LightTheme);
    QCOMPARE(style->theme(), 4);
    QTRY_COMPARE(existing.palette(), QApplication::palette());
    const QPalette light = existing.palette();
    QCOMPARE(light.color(QPalette::Base), QColor(Qt::white));
    QVERIFY(light.color(QPalette::Window) != light.color(QPalette::Base));
    QVERIFY(light.color(QPalette::Window).lightness() > 200);
    const QColor accent = light.color(QPalette::Highlight);
    QVERIFY(accent.blue() > accent.red() + 60 && accent.blue() > accent.green() + 40);
    QVERIFY(light != classic);

    // A theme number without a palette of its own falls back to the light one.
    style->setTheme(7);
    QTRY_COMPARE(existing.palette(), QApplication::palette());
    QCOMPARE(existing.palette().color(QPalette::Highlight), accent);
}

QTEST_MAIN(tst_RibbonStyle)
#include "tst_RibbonStyle.moc"
