#include <QAction>
#include <QDial>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "core/AppPaths.h"
#include "imaging/BrightnessContrast.h"
#include "imaging/BrightnessDlg.h"
#include "imaging/CropBoxItem.h"
#include "imaging/ImageEditor.h"
#include "imaging/RotatePreview.h"
#include "pages/KSlabWidget.h"
#include "pages/PageListWidget.h"
#include "support/MainWindowFixture.h"
#include "support/TestPages.h"

// The main window's picture commands: what each leaves in the editor, the page's files, the
// thumbnail, the status bar and the changed flag, and how the two modes switch the panels.
class tst_MainWindowEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void quarterTurnUpdatesFileThumbnailAndFlag();
    void rotateModePreviewsAndAcceptsAnAngle();
    void rotateModeAngleZeroChangesNothing();
    void cropModeCutsTheWorkingImage();
    void cancellingCropStillMarksChanged();
    void restoreBringsBackTheSourceWithoutMarking();
    void enteringRotateModeLeavesCropMode();
    void failedSaveIsToldAndChangesNothing();
    void brightnessPreviewsThenChangesPageAndThumbnail();

private:
    QDial *dial() const { return m_window->findChild<QDial *>(); }

    QTemporaryDir m_files;
    MainWindowFixture m_window;
};

void tst_MainWindowEditing::initTestCase()
{
    MainWindowFixture::nameApplication();
}

void tst_MainWindowEditing::init()
{
    QVERIFY(m_window.open());
    m_window->resize(1100, 800);
    // Loaded as the user would, so the page commands are on.
    const QString file = m_files.filePath(QStringLiteral("page.png"));
    QVERIFY(TestPages::pageImage(50, QImage::Format_RGB32, 600).save(file));
    m_window->processDroppedFiles({file});
    QTRY_VERIFY(m_window->editor()->hasImage());
    m_window->setModified(false);
}

void tst_MainWindowEditing::cleanup()
{
    m_window.close();
}

void tst_MainWindowEditing::quarterTurnUpdatesFileThumbnailAndFlag()
{
    const QString working = m_window->pageList()->currentWorkingPath();
    QCOMPARE(QImageReader(working).size(), QSize(800, 600));
    m_window->rotateLeft();
    QCOMPARE(m_window->editor()->image().size(), QSize(600, 800));
    QCOMPARE(QImageReader(working).size(), QSize(600, 800));
    QCOMPARE(m_window->pageList()->slabAt(0)->image().size(), QSize(165, 220));
    QVERIFY(m_window->isModified());
    m_window->rotateFlip();
    m_window->rotateRight();
    QCOMPARE(QImageReader(working).size(), QSize(800, 600));
}

void tst_MainWindowEditing::rotateModePreviewsAndAcceptsAnAngle()
{
    const RibbonCommands &commands = m_window->commands();
    commands.rotateAngle->trigger();
    QVERIFY(commands.rotateAngle->isChecked());
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::RotatePage));
    QCOMPARE(m_window->sidePanelIndex(), int(MainWindow::RotatePanel));
    auto *preview = m_window->findChild<RotatePreview *>();
    QVERIFY(preview->previewItem());

    dial()->setValue(10);
    // The preview turns; the page does not, until Accept.
    QCOMPARE(preview->previewItem()->transform(), QTransform().rotate(10));
    QCOMPARE(m_window->editor()->image().size(), QSize(800, 600));
    QVERIFY(!m_window->isModified());

    m_window->rotateAccepted();
    QTRY_VERIFY(!m_window->isBusy());
    QVERIFY(!commands.rotateAngle->isChecked());
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::EditorPage));
    QCOMPARE(m_window->sidePanelIndex(), int(MainWindow::PageListPanel));
    const QSize turned = m_window->editor()->image().size();
    QVERIFY(turned.width() > 800 && turned.height() > 600);
    QCOMPARE(QImageReader(m_window->pageList()->currentWorkingPath()).size(), turned);
    QVERIFY(m_window->isModified());
}

void tst_MainWindowEditing::rotateModeAngleZeroChangesNothing()
{
    const QByteArray before = [this] {
        QFile file(m_window->pageList()->currentWorkingPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    m_window->commands().rotateAngle->trigger();
    m_window->rotateAccepted();
    QVERIFY(!m_window->isModified());
    QFile file(m_window->pageList()->currentWorkingPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::EditorPage));
}

void tst_MainWindowEditing::cropModeCutsTheWorkingImage()
{
    m_window->commands().crop->trigger();
    QCOMPARE(m_window->sidePanelIndex(), int(MainWindow::CropPanel));
    QVERIFY(m_window->editor()->cropBox()->isVisible());
    m_window->setModified(false);
    // The first crop box covers the centred half of the page.
    m_window->cropAccepted();
    QCOMPARE(m_window->editor()->image().size(), QSize(400, 300));
    QCOMPARE(QImageReader(m_window->pageList()->currentWorkingPath()).size(), QSize(400, 300));
    QVERIFY(!m_window->commands().crop->isChecked());
    QVERIFY(!m_window->editor()->cropBox()->isVisible());
    QCOMPARE(m_window->sidePanelIndex(), int(MainWindow::PageListPanel));
    QVERIFY(m_window->isModified());
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("CropLeft")).toDouble(), -200.0);
    QCOMPARE(settings.value(QStringLiteral("CropWidth")).toDouble(), 400.0);
}

void tst_MainWindowEditing::cancellingCropStillMarksChanged()
{
    m_window->crop(true);
    m_window->setModified(false);
    m_window->cropCancelled();
    QVERIFY(m_window->isModified());
    QCOMPARE(m_window->editor()->image().size(), QSize(800, 600));
    QVERIFY(!m_window->commands().crop->isChecked());
}

void tst_MainWindowEditing::restoreBringsBackTheSourceWithoutMarking()
{
    m_window->rotateLeft();
    m_window->setModified(false);
    m_window->undoPage();
    QCOMPARE(m_window->editor()->image().size(), QSize(800, 600));
    QCOMPARE(QImageReader(m_window->pageList()->currentWorkingPath()).size(), QSize(800, 600));
    QVERIFY(!m_window->isModified());
}

void tst_MainWindowEditing::enteringRotateModeLeavesCropMode()
{
    m_window->commands().crop->trigger();
    QVERIFY(m_window->editor()->cropBox()->isVisible());
    m_window->commands().rotateAngle->trigger();
    QVERIFY(!m_window->commands().crop->isChecked());
    QVERIFY(!m_window->editor()->cropBox()->isVisible());
    QCOMPARE(m_window->sidePanelIndex(), int(MainWindow::RotatePanel));
    m_window->rotateCancelled();
    QCOMPARE(m_window->sidePanelIndex(), int(MainWindow::PageListPanel));
    QCOMPARE(m_window->workAreaIndex(), int(MainWindow::EditorPage));
}

void tst_MainWindowEditing::failedSaveIsToldAndChangesNothing()
{
    // A folder in the page file's place: no new file can be renamed over it, even for root.
    const QString working = m_window->pageList()->currentWorkingPath();
    QVERIFY(QFile::remove(working));
    QVERIFY(QDir().mkpath(working + QStringLiteral("/in-the-way")));
    const QImage thumbnail = m_window->pageList()->slabAt(0)->image();

    m_window->rotateLeft();
    // Screen, thumbnail and flag still show the page as it was.
    QCOMPARE(m_window->editor()->image().size(), QSize(800, 600));
    QCOMPARE(m_window->pageList()->slabAt(0)->image(), thumbnail);
    QVERIFY(!m_window->isModified());

    m_window->crop(true);
    m_window->cropAccepted();
    QCOMPARE(m_window->editor()->image().size(), QSize(800, 600));
    QCOMPARE(m_window->pageList()->slabAt(0)->image(), thumbnail);
    // The brightness change, likewise.
    const QRgb shown = m_window->editor()->image().pixel(400, 300);
    m_window->brightness();
    BrightnessDlg *dialog = m_window->editor()->brightnessDialog();
    QVERIFY(dialog);
    dialog->findChildren<QSlider *>().first()->setValue(40);
    dialog->apply();
    QCOMPARE(m_window->editor()->image().pixel(400, 300), shown);
    QCOMPARE(m_window->pageList()->slabAt(0)->image(), thumbnail);
    QCOMPARE(m_window.popupMessages().count(QStringLiteral("Can't save the page 1.")), 3);
    QVERIFY(QFileInfo(working).isDir());
}

void tst_MainWindowEditing::brightnessPreviewsThenChangesPageAndThumbnail()
{
    for (const auto &[value, text] :
         {std::pair{-5, "-05"}, {42, "042"}, {0, "000"}, {-100, "-100"}})
        QCOMPARE(BrightnessDlg::valueText(value), QString::fromLatin1(text));

    const QString working = m_window->pageList()->currentWorkingPath();
    const QRgb before = m_window->editor()->image().pixel(400, 300);
    const QRgb inFile = QImage(working).pixel(400, 300);
    const QImage thumbnail = m_window->pageList()->slabAt(0)->image();
    QAction *undo = m_window->commands().undo;
    const QString undoBefore = undo->text();
    // Cancelled: the page is as it was, and so is the project.
    m_window->brightness();
    BrightnessDlg *dialog = m_window->editor()->brightnessDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Brightness / Contrast"));
    const QList<QSlider *> sliders = dialog->findChildren<QSlider *>();
    QCOMPARE(sliders.size(), 2);
    sliders.at(0)->setValue(-50);
    const auto meanGray = [](const QImage &image) {
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                sum += qGray(image.pixel(x, y));
        }
        return sum / qMax<qint64>(1, qint64(image.width()) * image.height());
    };
    // The live preview: darker by about half the scale.
    QVERIFY(meanGray(dialog->preview()) < meanGray(m_window->editor()->image()) - 60);
    dialog->reject();
    QCOMPARE(QImage(working).pixel(400, 300), inFile);
    QCOMPARE(m_window->editor()->image().pixel(400, 300), before);
    QVERIFY(!m_window->isModified());
    QCOMPARE(undo->text(), undoBefore);

    // Applied: every colour byte through the table, on screen, in the file and the thumbnail.
    m_window->brightness();
    QCOMPARE(sliders.at(0)->value(), 0); // each opening starts afresh
    sliders.at(0)->setValue(-50);
    dialog->apply();
    QVERIFY(!dialog->isVisible());
    const QRgb after = m_window->editor()->image().pixel(400, 300);
    const BrightnessContrast::LookupTable table = BrightnessContrast::makeTable(-50, 0);
    QCOMPARE(qRed(after), int(table[qRed(before)]));
    QCOMPARE(qBlue(after), int(table[qBlue(before)]));
    // The file holds the adjusted page (JPEG: within a few levels).
    QVERIFY(meanGray(QImage(working)) <
            meanGray(QImage(m_window->pageList()->store().sourcePath(0))) - 60);
    QVERIFY(qAbs(meanGray(QImage(working)) - meanGray(m_window->editor()->image())) <= 3);
    QVERIFY(m_window->pageList()->slabAt(0)->image() != thumbnail);
    QVERIFY(m_window->isModified());

    // One step for undo, which brings back the page as it was before the change.
    QVERIFY(undo->text() != undoBefore);
    m_window->undo();
    QCOMPARE(QImage(working).pixel(400, 300), inFile);
    QCOMPARE(m_window->editor()->image().pixel(400, 300), inFile);
    QCOMPARE(undo->text(), undoBefore);
}

QTEST_MAIN(tst_MainWindowEditing)
#include "tst_MainWindowEditing.moc"
