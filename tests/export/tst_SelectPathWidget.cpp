#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "export/SelectFileWidget.h"
#include "export/SelectFolderWidget.h"
#include "export/SelectSaveFileWidget.h"
#include "support/FileDialogAnswerer.h"
#include "support/TestPaths.h"

class TestSelectPathWidget : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void layoutAndLabel()
    {
        SelectFolderWidget withLabel(QStringLiteral("&Folder:"));
        withLabel.show();
        auto *label = withLabel.findChild<QLabel *>();
        QVERIFY(label->isVisible());
        QVERIFY(withLabel.lineEdit()->isReadOnly());
        QCOMPARE(withLabel.button()->text(), QStringLiteral("..."));
        QCOMPARE(withLabel.button()->width(), withLabel.button()->height());
        QCOMPARE(withLabel.button()->height(), withLabel.lineEdit()->sizeHint().height());

        SelectFileWidget withoutLabel{QString()};
        withoutLabel.show();
        QVERIFY(!withoutLabel.findChild<QLabel *>()->isVisible());
    }

    void saveFilePickerOffersEverythingWithoutAFilter()
    {
        QCOMPARE(SelectSaveFileWidget(QString(), QString()).filter(), QStringLiteral("*.*"));
        QCOMPARE(SelectSaveFileWidget(QString(), QStringLiteral("PDF File (*.pdf)")).filter(),
                 QStringLiteral("PDF File (*.pdf)"));
    }

    void saveFilePickerStartsInItsFolderAndShowsTheChoice()
    {
        SelectSaveFileWidget picker(QStringLiteral("&Save to file:"),
                                    QStringLiteral("PDF File (*.pdf)"));
        picker.setStartFolder(m_dir.path());
        const QString chosen = m_dir.filePath(QStringLiteral("report.pdf"));
        FileDialogAnswerer answer(chosen);
        QSignalSpy picked(&picker, &SelectPathWidget::chosen);
        picker.browseFile();
        QTRY_COMPARE(picked.size(), 1);
        QVERIFY(answer.hasAnswered());
        QCOMPARE(answer.title(), QStringLiteral("Save file"));
        QCOMPARE(answer.directory(), QDir(m_dir.path()).absolutePath());
        QCOMPARE(answer.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(answer.nameFilters(), QStringList{QStringLiteral("PDF File (*.pdf)")});
        QCOMPARE(picker.text(), QDir::toNativeSeparators(chosen));
    }

    void cancellingChangesNothing()
    {
        SelectFileWidget picker{QString()};
        picker.setText(QStringLiteral("/kept/old.pdf"));
        FileDialogAnswerer answer{QString()};
        QSignalSpy picked(&picker, &SelectPathWidget::chosen);
        picker.browseFile();
        QTRY_VERIFY(answer.hasAnswered());
        QCOMPARE(picked.size(), 0);
        QCOMPARE(picker.text(), QStringLiteral("/kept/old.pdf"));
    }

    void filePickerOpensExistingPdfs()
    {
        const QString existing = m_dir.filePath(QStringLiteral("old.pdf"));
        QVERIFY(TestPaths::writeFile(existing, "%PDF-1.4\n"));
        SelectFileWidget picker{QString()};
        FileDialogAnswerer answer(existing);
        // The button runs the browse slot.
        QTest::mouseClick(picker.button(), Qt::LeftButton);
        QTRY_VERIFY(answer.hasAnswered());
        QCOMPARE(answer.title(), QStringLiteral("Open existing PDF"));
        QCOMPARE(answer.fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(answer.nameFilters(), QStringList{QStringLiteral("PDF File (*.pdf)")});
        QCOMPARE(picker.text(), existing);
    }

    void folderPickerTakesFoldersOnlyWithoutResolvingLinks()
    {
        const QString folder = m_dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(folder));
        SelectFolderWidget picker(QStringLiteral("Folder"));
        picker.setText(m_dir.path());
        FileDialogAnswerer answer(folder);
        picker.browseDir();
        QTRY_VERIFY(answer.hasAnswered());
        QCOMPARE(answer.title(), QStringLiteral("Select a folder"));
        QCOMPARE(answer.directory(), QDir(m_dir.path()).absolutePath());
        QCOMPARE(answer.fileMode(), QFileDialog::Directory);
        QVERIFY(answer.options().testFlag(QFileDialog::ShowDirsOnly));
        QVERIFY(answer.options().testFlag(QFileDialog::DontResolveSymlinks));
        QCOMPARE(picker.text(), folder);
    }
};

QTEST_MAIN(TestSelectPathWidget)
#include "tst_SelectPathWidget.moc"
