#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTreeView>

#include "core/ProgramInfo.h"
#include "options/OptionsDlg.h"
#include "options/PropertyModel.h"
#include "options/PropertyPage.h"

// The options dialog as a user meets it: what a first opening shows, that only OK stores,
// that the page chosen last opens again, and that "Default" touches the controls alone.
class tst_OptionsDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void firstOpeningShowsTheDefaults();
    void okStoresTheControlsAndThePage();
    void defaultThenCancelStoresNothing();
    void restoredWindowKeepsTheEdits();
    void unknownLanguageLeavesTheList();

private:
    // Shows the dialog (loading every page) and waits for it.
    static bool show(OptionsDlg &dialog);
    static PropertyPage *page(OptionsDlg &dialog, const char *name);
    static void press(OptionsDlg &dialog, QDialogButtonBox::StandardButton which);
    // The controls of a page, in the order they were made.
    template <typename T> static QList<T *> controls(OptionsDlg &dialog, const char *name)
    {
        return page(dialog, name)->findChildren<T *>();
    }
};

void tst_OptionsDlg::initTestCase()
{
    QCoreApplication::setOrganizationName(QString(ProgramInfo::OrganizationName));
    QCoreApplication::setApplicationName(QStringLiteral("VellumoOptionsTest"));
    QSettings().clear();
}

void tst_OptionsDlg::cleanup()
{
    QSettings().clear();
}

bool tst_OptionsDlg::show(OptionsDlg &dialog)
{
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
}

PropertyPage *tst_OptionsDlg::page(OptionsDlg &dialog, const char *name)
{
    for (PropertyPage *page : dialog.pages()) {
        if (page->pageName() == QLatin1StringView(name))
            return page;
    }
    return nullptr;
}

void tst_OptionsDlg::press(OptionsDlg &dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(which), Qt::LeftButton);
}

void tst_OptionsDlg::firstOpeningShowsTheDefaults()
{
    OptionsDlg dialog;
    QVERIFY(show(dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(dialog.currentPage()->pageName(), QStringLiteral("CommonPage"));
    QVERIFY(!dialog.tree()->currentIndex().isValid());
    QCOMPARE(dialog.model()->rowCount(), 4);

    QCOMPARE(controls<QComboBox>(dialog, "CommonPage").first()->currentData(),
             QVariant(QStringLiteral("en")));
    QCOMPARE(controls<QComboBox>(dialog, "CommonPage").first()->count(), 12);
    QList<int> lists;
    for (QComboBox *list :
         controls<QComboBox>(dialog, "ScannerPage") + controls<QComboBox>(dialog, "ScanResPage"))
        lists << list->currentData().toInt();
    QCOMPARE(lists, QList<int>({0, 0, 200, 300, 600}));
    QList<bool> boxes;
    for (QCheckBox *box : controls<QCheckBox>(dialog, "ScannerPage"))
        boxes << box->isChecked();
    // Deskew, crop, contrast on; preview and turning pages upright off.
    QCOMPARE(boxes, QList<bool>({true, true, true, false, false}));
    QVERIFY(controls<QGroupBox>(dialog, "CroppingPage").first()->isChecked());
    for (QDoubleSpinBox *margin : controls<QDoubleSpinBox>(dialog, "CroppingPage"))
        QCOMPARE(margin->value(), 0.2);
}

void tst_OptionsDlg::okStoresTheControlsAndThePage()
{
    {
        OptionsDlg dialog;
        QVERIFY(show(dialog));
        dialog.tree()->setCurrentIndex(dialog.model()->findItem(QStringLiteral("PT_Scanner")));
        QCOMPARE(dialog.currentPage()->pageName(), QStringLiteral("ScannerPage"));
        controls<QComboBox>(dialog, "ScannerPage").at(0)->setCurrentIndex(1);
        controls<QCheckBox>(dialog, "ScannerPage").at(3)->setChecked(true);
        controls<QComboBox>(dialog, "ScanResPage").at(2)->setCurrentText(QStringLiteral("1200"));
        controls<QDoubleSpinBox>(dialog, "CroppingPage").at(0)->setValue(1.4);
        press(dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("LastOptionsPage")).toString(),
             QStringLiteral("PT_Scanner"));
    QCOMPARE(settings.value(QStringLiteral("PaperSource")).toInt(), 1);
    QCOMPARE(settings.value(QStringLiteral("Preview")).toBool(), true);
    QCOMPARE(settings.value(QStringLiteral("HighQuality")).toInt(), 1200);
    QCOMPARE(settings.value(QStringLiteral("AutoMarginLeft")).toDouble(), 1.4);
    QCOMPARE(settings.value(QStringLiteral("AutoMarginTop")).toDouble(), 0.2);

    OptionsDlg again;
    QVERIFY(show(again));
    QCOMPARE(again.currentPage()->pageName(), QStringLiteral("ScannerPage"));
    QCOMPARE(controls<QComboBox>(again, "ScanResPage").at(2)->currentData().toInt(), 1200);
}

void tst_OptionsDlg::defaultThenCancelStoresNothing()
{
    QSettings settings;
    settings.setValue(QStringLiteral("AutoCrop"), false);
    settings.setValue(QStringLiteral("MiddleQuality"), 75);
    settings.setValue(QStringLiteral("InsertAutoMargins"), false);
    settings.setValue(QStringLiteral("AutoMarginBottom"), 1.0);
    OptionsDlg dialog;
    QVERIFY(show(dialog));
    for (PropertyPage *page : dialog.pages())
        page->byDefault();
    QVERIFY(controls<QCheckBox>(dialog, "ScannerPage").at(1)->isChecked());
    QCOMPARE(controls<QComboBox>(dialog, "ScanResPage").at(0)->currentData().toInt(), 200);
    QCOMPARE(controls<QDoubleSpinBox>(dialog, "CroppingPage").at(3)->value(), 0.2);
    press(dialog, QDialogButtonBox::Cancel);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(settings.value(QStringLiteral("AutoCrop")).toBool(), false);
    QCOMPARE(settings.value(QStringLiteral("MiddleQuality")).toInt(), 75);
    QCOMPARE(settings.value(QStringLiteral("InsertAutoMargins")).toBool(), false);
    QCOMPARE(settings.value(QStringLiteral("AutoMarginBottom")).toDouble(), 1.0);
    QVERIFY(!settings.contains(QStringLiteral("LastOptionsPage")));
}

void tst_OptionsDlg::restoredWindowKeepsTheEdits()
{
    OptionsDlg dialog;
    QVERIFY(show(dialog));
    QCheckBox *autoCrop = controls<QCheckBox>(dialog, "ScannerPage").at(1);
    QVERIFY(autoCrop->isChecked());
    autoCrop->setChecked(false);
    // The window system shows the dialog again, as after the main window was minimised and
    // restored: the edits are still there, and OK stores them.
    QShowEvent again;
    QSpontaneKeyEvent::setSpontaneous(&again);
    // Straight to notify(): sendEvent() would clear the spontaneous mark.
    QCoreApplication::instance()->notify(&dialog, &again);
    QVERIFY(!autoCrop->isChecked());
    press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(QSettings().value(QStringLiteral("AutoCrop")).toBool(), false);
}

void tst_OptionsDlg::unknownLanguageLeavesTheList()
{
    QSettings().setValue(QStringLiteral("Language"), QStringLiteral("xx"));
    OptionsDlg dialog;
    QVERIFY(show(dialog));
    QComboBox *languages = controls<QComboBox>(dialog, "CommonPage").first();
    QCOMPARE(languages->currentData(), QVariant(QStringLiteral("en")));
    // Loading did not switch the language: the stored code is as it was.
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("xx"));
}

QTEST_MAIN(tst_OptionsDlg)
#include "tst_OptionsDlg.moc"
