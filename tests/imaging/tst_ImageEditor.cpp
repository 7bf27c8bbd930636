#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

#include "core/Settings.h"
#include "imaging/CropBoxItem.h"
#include "imaging/ImageEditor.h"
#include "imaging/PhotoGraphicsScene.h"
#include "imaging/PhotoGraphicsView.h"

namespace {

// Every pixel a colour of its own, so a crop can be checked pixel by pixel.
QImage numbered(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + 16 * (y / 256)) % 256));
    image = image.convertToFormat(format);
    image.setDotsPerMeterX(11811);
    image.setDotsPerMeterY(7874);
    return image;
}

QByteArray fileHead(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4) : QByteArray();
}

} // namespace

class tst_ImageEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoomStepsStayWithinLimits();
    void wheelZoomsAndNeverScrolls();
    void newPageScale_data();
    void newPageScale();
    void newPageCropBox_data();
    void newPageCropBox();
    void hitTestCountsScreenPixels_data();
    void hitTestCountsScreenPixels();
    void draggedEdgeLeavesMinimum_data();
    void draggedEdgeLeavesMinimum();
    void movedBoxStopsAtBorder();
    void edgeLineGrabbedBesideTheBox();
    void boxIsLeftAloneOutsideCropMode();
    void cropCutsPixelsAndRemembersTheBox();
    void cropBeyondTheImageGivesZeroPixels();
    void quarterTurnsComeBackAndAreSaved();
    void turnByAngleKeepsOneBitAndFitsTheBox();
    void drops_data();
    void drops();
    void panelButtonsAndMenu();
    void unreadableFileAndClearing();

private:
    QString writePage(const QImage &image, const QString &name = QStringLiteral("page.png"));
    QPoint viewportPoint(const QPointF &scenePoint) const;
    void mouse(QEvent::Type type, const QPointF &scenePoint, Qt::MouseButtons buttons);
    void drag(const QPointF &from, const QPointF &to);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ImageEditor> m_editor;
};

void tst_ImageEditor::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Leafkin"));
    QCoreApplication::setApplicationName(QStringLiteral("Vellumo"));
}

void tst_ImageEditor::init()
{
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_editor = std::make_unique<ImageEditor>();
    m_editor->resize(900, 700);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
}

void tst_ImageEditor::cleanup()
{
    m_editor.reset();
    m_dir.reset();
}

QString tst_ImageEditor::writePage(const QImage &image, const QString &name)
{
    const QString path = m_dir->filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

QPoint tst_ImageEditor::viewportPoint(const QPointF &scenePoint) const
{
    return m_editor->view()->mapFromScene(scenePoint);
}

void tst_ImageEditor::mouse(QEvent::Type type, const QPointF &scenePoint, Qt::MouseButtons buttons)
{
    QWidget *viewport = m_editor->view()->viewport();
    const QPointF at = viewportPoint(scenePoint);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void tst_ImageEditor::drag(const QPointF &from, const QPointF &to)
{
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    mouse(QEvent::MouseMove, to, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void tst_ImageEditor::zoomStepsStayWithinLimits()
{
    QVERIFY(m_editor->loadImage(writePage(numbered(400, 300))));
    QCOMPARE(m_editor->scale(), 1.0);
    QSignalSpy zoomed(m_editor.get(), &ImageEditor::zoomed);
    for (int i = 0; i < 2; ++i)
        m_editor->zoomIn();
    QCOMPARE(m_editor->scale(), 1.5);
    QCOMPARE(zoomed.size(), 2);
    QCOMPARE(qRound(zoomed.last().at(0).toReal() * 100), 150);
    QCOMPARE(m_editor->scene()->sceneRect(), QRectF(-300, -225, 600, 450));

    for (int i = 0; i < 20; ++i)
        m_editor->zoomIn();
    QCOMPARE(m_editor->scale(), 2.0);
    for (int i = 0; i < 60; ++i)
        m_editor->zoomOut();
    QCOMPARE(m_editor->scale(), 0.05);
    QCOMPARE(zoomed.last().at(0).toReal(), 0.05);
}

void tst_ImageEditor::wheelZoomsAndNeverScrolls()
{
    QVERIFY(m_editor->loadImage(writePage(numbered(1600, 1200))));
    m_editor->applyScale(2.0);
    QScrollBar *bar = m_editor->view()->verticalScrollBar();
    bar->setValue((bar->minimum() + bar->maximum()) / 2);
    const int position = bar->value();
    QWidget *viewport = m_editor->view()->viewport();
    const auto wheel = [viewport](int delta) {
        const QPointF at(50, 50);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        // As from the window system: only such wheel events travel on to the parent widgets.
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(viewport, &event);
    };
    // At the largest scale a turn forwards changes nothing, and scrolls nothing either.
    wheel(120);
    QCOMPARE(m_editor->scale(), 2.0);
    QCOMPARE(bar->value(), position);
    wheel(-120);
    wheel(-120);
    QCOMPARE(m_editor->scale(), 1.9);
    wheel(0); // no direction counts as forwards
    QCOMPARE(m_editor->scale(), 1.95);
}

void tst_ImageEditor::newPageScale_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("keepScale");
    QTest::addColumn<bool>("fits");
    QTest::newRow("large") << QSize(3000, 1000) << false << true;
    QTest::newRow("tall") << QSize(500, 2000) << false << true;
    QTest::newRow("small: 1:1") << QSize(300, 200) << false << false;
    QTest::newRow("large, kept") << QSize(3000, 1000) << true << false;
    QTest::newRow("small, kept") << QSize(300, 200) << true << false;
}

void tst_ImageEditor::newPageScale()
{
    QFETCH(QSize, size);
    QFETCH(bool, keepScale);
    QFETCH(bool, fits);
    QVERIFY(m_editor->loadImage(writePage(numbered(100, 100), QStringLiteral("first.png"))));
    m_editor->applyScale(0.3);
    Settings::write(SettingsKeys::KeepScale, keepScale);
    QSignalSpy zoomed(m_editor.get(), &ImageEditor::zoomed);

    QVERIFY(m_editor->loadImage(writePage(numbered(size.width(), size.height()))));
    const qreal scale = m_editor->scale();
    if (fits) {
        const QSizeF room = m_editor->view()->size() - QSize(10, 10);
        const QSizeF shown = QSizeF(size) * scale;
        QVERIFY(shown.width() <= room.width() + 1e-6 && shown.height() <= room.height() + 1e-6);
        QVERIFY(qFuzzyCompare(shown.width(), room.width()) ||
                qFuzzyCompare(shown.height(), room.height()));
    } else {
        QCOMPARE(scale, keepScale ? 0.3 : 1.0);
    }
    QCOMPARE(zoomed.size(), keepScale ? 0 : 1);
    const QSizeF shown = QSizeF(size) * scale;
    QCOMPARE(m_editor->scene()->sceneRect(),
             QRectF(QPointF(), shown).translated(-0.5 * QPointF(shown.width(), shown.height())));
    QCOMPARE(m_editor->view()->transform(), QTransform());
}

void tst_ImageEditor::newPageCropBox_data()
{
    QTest::addColumn<QRectF>("saved");
    QTest::addColumn<QRectF>("expected");
    // The page is 400 x 300: x from -200 to 200, y from -150 to 150.
    QTest::newRow("none: centred half") << QRectF() << QRectF(-100, -75, 200, 150);
    QTest::newRow("wider") << QRectF(-300, -10, 500, 40) << QRectF(-200, -10, 400, 40);
    QTest::newRow("out right") << QRectF(150, -10, 100, 40) << QRectF(100, -10, 100, 40);
    QTest::newRow("out left") << QRectF(-260, -10, 100, 40) << QRectF(-200, -10, 100, 40);
    QTest::newRow("taller") << QRectF(0, -100, 100, 500) << QRectF(0, -150, 100, 300);
}

void tst_ImageEditor::newPageCropBox()
{
    QFETCH(QRectF, saved);
    QFETCH(QRectF, expected);
    // A box shown on the previous page does not carry over to the next one.
    QVERIFY(m_editor->loadImage(writePage(numbered(200, 200), QStringLiteral("first.png"))));
    m_editor->cropping(true);
    if (!saved.isNull()) {
        Settings::write(SettingsKeys::CropLeft, saved.left());
        Settings::write(SettingsKeys::CropTop, saved.top());
        Settings::write(SettingsKeys::CropWidth, saved.width());
        Settings::write(SettingsKeys::CropHeight, saved.height());
    }
    QSignalSpy panelCrop(m_editor.get(), &ImageEditor::panelCrop);
    QVERIFY(m_editor->loadImage(writePage(numbered(400, 300))));
    CropBoxItem *box = m_editor->cropBox();
    QCOMPARE(box->rect(), expected);
    QVERIFY(!box->isVisible());
    QVERIFY(!m_editor->panelButton(ImageEditor::CropButton)->isChecked());
    QCOMPARE(panelCrop.size(), 0);
    QCOMPARE(m_editor->scene()->cropBox(), box);
    QVERIFY(box->parentItem() && box->zValue() > box->parentItem()->zValue());
}

void tst_ImageEditor::hitTestCountsScreenPixels_data()
{
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("code");
    QTest::addColumn<Qt::CursorShape>("cursor");
    // At scale 2 the centred half of a 200 x 150 page spans (-100, -75) to (100, 75) on screen.
    QTest::newRow("top-left") << QPointF(-93, -69) << 5 << Qt::SizeFDiagCursor;
    QTest::newRow("bottom-right") << QPointF(107, 81) << 8 << Qt::SizeFDiagCursor;
    QTest::newRow("top-right") << QPointF(94, -82) << 7 << Qt::SizeBDiagCursor;
    QTest::newRow("bottom-left") << QPointF(-106, 69) << 6 << Qt::SizeBDiagCursor;
    QTest::newRow("left") << QPointF(-97, 10) << 1 << Qt::SizeHorCursor;
    QTest::newRow("left line, far above") << QPointF(-103, -120) << 1 << Qt::SizeHorCursor;
    QTest::newRow("right") << QPointF(103, -30) << 2 << Qt::SizeHorCursor;
    QTest::newRow("top") << QPointF(40, -72) << 3 << Qt::SizeVerCursor;
    QTest::newRow("bottom") << QPointF(-40, 78) << 4 << Qt::SizeVerCursor;
    // 6 screen pixels are 3 image pixels: inside, not on the edge.
    QTest::newRow("inside, near left") << QPointF(-94, 10) << 9 << Qt::SizeAllCursor;
    QTest::newRow("outside") << QPointF(-120, 90) << 0 << Qt::ArrowCursor;
}

void tst_ImageEditor::hitTestCountsScreenPixels()
{
    QFETCH(QPointF, point);
    QFETCH(int, code);
    QFETCH(Qt::CursorShape, cursor);
    QVERIFY(m_editor->loadImage(writePage(numbered(200, 150))));
    m_editor->applyScale(2.0);
    m_editor->cropping(true);
    QCOMPARE(m_editor->scene()->hitTest(point), code);

    mouse(QEvent::MouseMove, point, Qt::NoButton);
    QGraphicsItem *picture = m_editor->cropBox()->parentItem();
    QCOMPARE(picture->hasCursor(), code != 0);
    if (code != 0)
        QCOMPARE(picture->cursor().shape(), cursor);
}

void tst_ImageEditor::draggedEdgeLeavesMinimum_data()
{
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QRectF>("expected");
    // At scale 0.5 the centred half of a 400 x 300 page, (-100, -75, 200, 150), spans
    // (-50, -37.5) to (50, 37.5) on screen. Units of the expected box are image pixels.
    QTest::newRow("left past right")
        << QPointF(-50, 0) << QPointF(80, 0) << QRectF(50, -75, 50, 150);
    QTest::newRow("right past left")
        << QPointF(50, 0) << QPointF(-90, 5) << QRectF(-100, -75, 50, 150);
    QTest::newRow("top, nearly to bottom")
        << QPointF(0, -37.5) << QPointF(0, 30) << QRectF(-100, 25, 200, 50);
    QTest::newRow("bottom-right past top-left")
        << QPointF(50, 37.5) << QPointF(-70, -60) << QRectF(-100, -75, 50, 50);
}

void tst_ImageEditor::draggedEdgeLeavesMinimum()
{
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QRectF, expected);
    QVERIFY(m_editor->loadImage(writePage(numbered(400, 300))));
    m_editor->applyScale(0.5);
    m_editor->cropping(true);
    drag(from, to);
    QCOMPARE(m_editor->cropBox()->rect(), expected);
    QCOMPARE(m_editor->view()->dragMode(), QGraphicsView::ScrollHandDrag);
}

void tst_ImageEditor::movedBoxStopsAtBorder()
{
    QVERIFY(m_editor->loadImage(writePage(numbered(400, 300))));
    m_editor->applyScale(0.5);
    m_editor->cropping(true);
    CropBoxItem *box = m_editor->cropBox();
    const QRectF start = box->rect();

    // Screen (10, 10) is image (20, 20) from the centre; a move by 30 screen pixels is 60.
    drag(QPointF(10, 10), QPointF(40, 40));
    QCOMPARE(box->rect(), start.translated(60, 60));
    // Far past the right border and above the top: stopped there, same size.
    mouse(QEvent::MouseButtonPress, QPointF(40, 40), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPointF(400, -300), Qt::LeftButton);
    QCOMPARE(box->rect(), QRectF(0, -150, 200, 150));
    // Coming back, the box follows from the border (100, -75), not from where the pointer was.
    mouse(QEvent::MouseMove, QPointF(80, -60), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPointF(80, -60), Qt::NoButton);
    QCOMPARE(box->rect(), QRectF(-40, -120, 200, 150));
    QCOMPARE(box->pos(), QPointF());
}

void tst_ImageEditor::edgeLineGrabbedBesideTheBox()
{
    QVERIFY(m_editor->loadImage(writePage(numbered(400, 300))));
    m_editor->applyScale(0.5);
    m_editor->cropping(true);
    QScrollBar *bar = m_editor->view()->horizontalScrollBar();
    const int position = bar->value();

    // Within 4 screen pixels of the left edge's line, 60 above the box.
    mouse(QEvent::MouseButtonPress, QPointF(-47, -100), Qt::LeftButton);
    QCOMPARE(m_editor->view()->dragMode(), QGraphicsView::NoDrag);
    const QPointF target(-80, -90);
    mouse(QEvent::MouseMove, target, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, target, Qt::NoButton);
    const qreal left = m_editor->view()->mapToScene(viewportPoint(target)).x() / 0.5;
    QCOMPARE(m_editor->cropBox()->rect(), QRectF(left, -75, 100 - left, 150));
    QCOMPARE(bar->value(), position);
}

void tst_ImageEditor::boxIsLeftAloneOutsideCropMode()
{
    QVERIFY(m_editor->loadImage(writePage(numbered(400, 300))));
    const QRectF start = m_editor->cropBox()->rect();
    drag(QPointF(-100, 0), QPointF(-150, 0));
    drag(QPointF(0, 0), QPointF(30, 30));
    QCOMPARE(m_editor->cropBox()->rect(), start);
    QCOMPARE(m_editor->cropBox()->pos(), QPointF());
    m_editor->applyCrop();
    QCOMPARE(m_editor->image().size(), QSize(400, 300));
    QVERIFY(m_editor->lastCropRect().isNull());
}

void tst_ImageEditor::cropCutsPixelsAndRemembersTheBox()
{
    const QImage page = numbered(400, 300);
    const QString path = writePage(page);
    QVERIFY(m_editor->loadImage(path));
    m_editor->applyScale(0.5);
    m_editor->cropping(true);
    m_editor->cropBox()->setRect(-100, -50, 120, 80);
    // The readout names the box's size in picture pixels and centimetres at any zoom.
    const qreal perCm = page.dotsPerMeterX() / 100.0;
    QCOMPARE(m_editor->cropBox()->sizeText(), QStringLiteral("120 x 80 px   %1 x %2 cm")
                                                  .arg(120 / perCm, 0, 'f', 1)
                                                  .arg(80 / perCm, 0, 'f', 1));
    m_editor->applyCrop();

    QCOMPARE(m_editor->lastCropRect(), QRect(100, 100, 120, 80));
    QCOMPARE(m_editor->image(), page.copy(100, 100, 120, 80));
    QCOMPARE(fileHead(path).left(2), QByteArray("\xff\xd8")); // written over as JPEG
    // Remembered in picture coordinates (origin at the centre), not in pixels.
    QCOMPARE(Settings::readDouble(SettingsKeys::CropLeft, 0), -100.0);
    QCOMPARE(Settings::readDouble(SettingsKeys::CropTop, 0), -50.0);
    QCOMPARE(Settings::readDouble(SettingsKeys::CropWidth, 0), 120.0);
    QCOMPARE(Settings::readDouble(SettingsKeys::CropHeight, 0), 80.0);
    // The view and the box follow the smaller picture at once.
    QCOMPARE(m_editor->scene()->sceneRect(), QRectF(-30, -20, 60, 40));
    QCOMPARE(m_editor->cropBox()->rect(), QRectF(-60, -50, 120, 80));
}

void tst_ImageEditor::cropBeyondTheImageGivesZeroPixels()
{
    QImage page(200, 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QVERIFY(m_editor->loadImage(writePage(page)));
    m_editor->cropping(true);
    m_editor->cropBox()->setRect(60, -20, 80, 40); // 40 of its 80 pixels right of the page
    m_editor->applyCrop();
    QCOMPARE(m_editor->lastCropRect(), QRect(160, 30, 80, 40));
    QCOMPARE(m_editor->image().pixel(39, 20), qRgb(255, 255, 255));
    QCOMPARE(qRed(m_editor->image().pixel(40, 20)) + qGreen(m_editor->image().pixel(79, 39)), 0);
}

void tst_ImageEditor::quarterTurnsComeBackAndAreSaved()
{
    const QImage page = numbered(31, 20);
    const QString path = writePage(page);
    QVERIFY(m_editor->loadImage(path));
    m_editor->applyScale(2.0);
    m_editor->rotateLeft();
    QCOMPARE(m_editor->image().size(), QSize(20, 31));
    QCOMPARE(m_editor->scene()->sceneRect(), QRectF(-20, -31, 40, 62));
    QCOMPARE(fileHead(path).left(2), QByteArray("\xff\xd8"));
    m_editor->rotateRight();
    QCOMPARE(m_editor->image(), page);
    m_editor->rotateFlip();
    QCOMPARE(m_editor->image().pixel(0, 0), page.pixel(30, 19));
    QCOMPARE(m_editor->image().dotsPerMeterX(), 11811);
    QCOMPARE(m_editor->image().dotsPerMeterY(), 7874);
}

void tst_ImageEditor::turnByAngleKeepsOneBitAndFitsTheBox()
{
    const QString path = writePage(numbered(400, 100, QImage::Format_Mono));
    QVERIFY(m_editor->loadImage(path));
    QCOMPARE(m_editor->image().format(), QImage::Format_Mono);
    m_editor->rotateImage(90);
    // The centred half, (-100, -25, 200, 50), and its 3-pixel outline clipped to the 100 x 400
    // picture from (-50, -200).
    QCOMPARE(m_editor->cropBox()->rect(), QRectF(-50, -26.5, 100, 53));

    m_editor->rotateImage(10);
    QCOMPARE(m_editor->image().format(), QImage::Format_Mono);
    QVERIFY(m_editor->image().width() > 100 && m_editor->image().height() > 400);
    QCOMPARE(QColor(m_editor->image().pixel(0, 0)), QColor(Qt::white));
    const QByteArray head = fileHead(path);
    QVERIFY(head == QByteArray("II*\0", 4) || head == QByteArray("MM\0*", 4));
    QCOMPARE(m_editor->image().dotsPerMeterX(), 11811);
}

void tst_ImageEditor::drops_data()
{
    QTest::addColumn<QStringList>("names"); // a name ending in '/' is a folder
    QTest::addColumn<QList<QUrl>>("extra");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("web link") << QStringList()
                              << QList<QUrl>{QUrl(QStringLiteral("https://a.b/c.jpg"))}
                              << QStringList();
    QTest::newRow("folder and file, in order")
        << QStringList{QStringLiteral("pages/"), QStringLiteral("b.png")}
        << QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/no/such/file.png"))}
        << QStringList{QStringLiteral("pages"), QStringLiteral("b.png")};
}

void tst_ImageEditor::drops()
{
    QFETCH(QStringList, names);
    QFETCH(QList<QUrl>, extra);
    QFETCH(QStringList, expected);
    QList<QUrl> urls;
    for (const QString &name : names) {
        const QString path = m_dir->filePath(name);
        QVERIFY(name.endsWith(QLatin1Char('/')) ? QDir().mkpath(path)
                                                : numbered(4, 4).save(path, "PNG"));
        urls << QUrl::fromLocalFile(QDir::cleanPath(path));
    }
    QMimeData data;
    data.setUrls(urls + extra);
    QWidget *viewport = m_editor->view()->viewport();
    QSignalSpy dropped(m_editor.get(), &ImageEditor::droppedFiles);

    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    QCOMPARE(dropped.size(), 1);
    QStringList paths;
    for (const QString &name : expected)
        paths << QDir::cleanPath(m_dir->filePath(name));
    QCOMPARE(dropped.at(0).at(0).toStringList(), paths);

    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    QDragEnterEvent refused(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &refused);
    QVERIFY(!refused.isAccepted());
}

void tst_ImageEditor::panelButtonsAndMenu()
{
    const char *const signalsInOrder[] = {
        SIGNAL(panelUndo()),     SIGNAL(panelSmartCrop()), SIGNAL(panelBookCrop()),
        SIGNAL(panelCrop(bool)), SIGNAL(panelContrast()),  SIGNAL(panelRescan()),
        SIGNAL(panelSave()),     SIGNAL(panelLeft()),      SIGNAL(panelRight()),
        SIGNAL(panelFlip()),     SIGNAL(panelRemove())};
    for (int i = 0; i < ImageEditor::PanelButtonCount; ++i) {
        QToolButton *button = m_editor->panelButton(i);
        QSignalSpy spy(m_editor.get(), signalsInOrder[i]);
        button->click();
        QVERIFY2(spy.size() == 1, signalsInOrder[i]);
        QCOMPARE(button->iconSize(), QSize(48, 48));
        QVERIFY(!button->icon().isNull());
    }
    QVERIFY(m_editor->panelButton(ImageEditor::CropButton)->isChecked());

    QToolButton *left = m_editor->panelButton(ImageEditor::LeftButton);
    left->setToolTip(QString());
    QEvent languageChange(QEvent::LanguageChange);
    QApplication::sendEvent(m_editor.get(), &languageChange);
    QCOMPARE(left->toolTip(), QStringLiteral("Turn Left"));

    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    m_editor->setContextMenu(&menu);
    QVERIFY(m_editor->loadImage(writePage(numbered(100, 100))));
    QWidget *viewport = m_editor->view()->viewport();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(30, 30),
                            viewport->mapToGlobal(QPoint(30, 30)));
    QApplication::sendEvent(viewport, &click);
    QTRY_VERIFY(menu.isVisible());
    menu.close();
}

void tst_ImageEditor::unreadableFileAndClearing()
{
    const QString path = writePage(numbered(120, 80));
    QVERIFY(m_editor->loadImage(path));
    const QString broken = m_dir->filePath(QStringLiteral("broken.png"));
    {
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not an image");
    }
    QVERIFY(!m_editor->loadImage(broken));
    QCOMPARE(m_editor->path(), path);
    QCOMPARE(m_editor->image().size(), QSize(120, 80));
    QVERIFY(m_editor->cropBox());

    m_editor->clearImage();
    QVERIFY(!m_editor->hasImage());
    QVERIFY(!m_editor->cropBox());
    QVERIFY(m_editor->scene()->items().isEmpty());
    QSignalSpy zoomed(m_editor.get(), &ImageEditor::zoomed);
    m_editor->zoomIn();
    m_editor->fitInView();
    m_editor->rotateLeft();
    QCOMPARE(zoomed.size(), 0);
    QVERIFY(!m_editor->hasImage());
    m_editor->reloadImage();
    QCOMPARE(m_editor->image().size(), QSize(120, 80));
}

QTEST_MAIN(tst_ImageEditor)
#include "tst_ImageEditor.moc"
