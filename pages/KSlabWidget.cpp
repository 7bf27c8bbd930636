#include "pages/KSlabWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFocusEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

#include "pages/KGraphicsView.h"

namespace {

// Accepted slab sides in pixels, both inclusive; the upper bound is 1001, not 1000, on purpose.
constexpr int MinimumSide = 100;
constexpr int MaximumSide = 1001;

// Width of the slab's border in the frame style sheets below.
constexpr int FrameBorder = 2;

constexpr int CheckBoxSide = 24;
constexpr int CheckBoxMargin = 4;

// Clicks with these held mark pages instead of choosing the current one.
bool marksPages(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ControlModifier | Qt::ShiftModifier);
}

// These selectors match QFrame, QLabel and QAbstractScrollArea only, so the check box (not a
// QFrame) never picks up the slab's border.
QString normalFrameStyle()
{
    return QStringLiteral("QFrame { border: 2px solid silver;  border-radius: 4px; padding: 0px; "
                          "background-color: white;}");
}

QString focusedFrameStyle()
{
    return QStringLiteral("QFrame { border: 2px solid gray;  border-radius: 4px; padding: 0px; "
                          "background-color: white;}");
}

QString normalLabelStyle()
{
    return QStringLiteral("QLabel {border: none; border-radius: 1px; color: white; "
                          "background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
                          "stop: 0 silver, stop: 1 gray);}");
}

QString focusedLabelStyle()
{
    const QString highlight = QApplication::palette().color(QPalette::Highlight).name();
    return QStringLiteral(
               "QLabel {border: none; border-radius: 1px; color: white; "
               "background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 ") +
           highlight + QStringLiteral(", stop: 1 ") + highlight + QStringLiteral("); }");
}

QString viewStyle()
{
    return QStringLiteral("QAbstractScrollArea {border: none; background-color: white;} ");
}

// Without the program's resources the check box keeps the style's own indicator rather than
// showing an empty square.
QString checkBoxStyle()
{
    const QString checkedImage = QStringLiteral(":/listwidget/check.png");
    const QString uncheckedImage = QStringLiteral(":/listwidget/uncheck.png");
    if (!QFile::exists(checkedImage) || !QFile::exists(uncheckedImage))
        return {};
    return QStringLiteral("QCheckBox { background: transparent; spacing: 0px; }"
                          "QCheckBox::indicator { width: 24px; height: 24px; }"
                          "QCheckBox::indicator:unchecked { image: url(%1); }"
                          "QCheckBox::indicator:checked { image: url(%2); }")
        .arg(uncheckedImage, checkedImage);
}

} // namespace

KSlabWidget::KSlabWidget(int width, int height, const QString &number, QWidget *parent,
                         bool checkable)
    : QFrame(parent)
    , m_number(number)
{
    setFixedSize(width, height);

    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setContentsMargins(2, 3, 2, 6);

    m_view = new KGraphicsView(this);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setRenderHint(QPainter::SmoothPixmapTransform);
    // A right click on the thumbnail falls through to the slab, which owns the menu.
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    showCaption(elidedCaption());

    if (checkable) {
        m_checkBox = new QCheckBox(m_view);
        m_checkBox->setFixedSize(CheckBoxSide, CheckBoxSide);
        m_checkBox->move(CheckBoxMargin, CheckBoxMargin);
        m_checkBox->setStyleSheet(checkBoxStyle());
        connect(m_checkBox, &QCheckBox::pressed, this, &KSlabWidget::focusIn);
        connect(m_checkBox, &QCheckBox::stateChanged, this, &KSlabWidget::wasChecked);
    }
    connect(m_view, &KGraphicsView::focused, this, &KSlabWidget::viewFocused);
    connect(m_view, &KGraphicsView::mouseDoubleClicked, this, &KSlabWidget::sendMouseDClicked);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    // Drops are the list's business; the view would otherwise take them over the thumbnail.
    m_view->setAcceptDrops(false);
    m_view->viewport()->setAcceptDrops(false);

    // Clicks and Tab land on the view; it reports the focus for the whole slab.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_view);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_view);

    setNormalStyle();
}

// Out of line so the scene's type is complete where its unique_ptr is destroyed.
KSlabWidget::~KSlabWidget() = default;

void KSlabWidget::setImage(const QImage &image)
{
    setUpdatesEnabled(false);
    clearImage();
    m_scene = std::make_unique<QGraphicsScene>();
    m_scene->setBackgroundBrush(Qt::white);
    QGraphicsPixmapItem *item = m_scene->addPixmap(QPixmap::fromImage(image));
    item->setTransformationMode(Qt::SmoothTransformation);
    m_scene->setSceneRect(QRectF(QPointF(0, 0), QSizeF(image.size())));
    m_view->setScene(m_scene.get());
    m_image = image;
    // The view has its final size only after the layout has run; fitting waits for that turn.
    QTimer::singleShot(0, this, &KSlabWidget::adjustScale);
    m_hasImage = true;
}

void KSlabWidget::clearImage()
{
    m_view->setScene(nullptr);
    m_scene.reset();
    m_view->resetTransform();
    m_scale = 1.0;
    m_image = QImage();
    m_hasImage = false;
}

void KSlabWidget::setNumber(const QString &number)
{
    m_number = number;
    showCaption(elidedCaption());
}

QString KSlabWidget::labelText() const
{
    return m_label->text();
}

void KSlabWidget::setContextMenu(QMenu *menu)
{
    m_contextMenu = menu;
}

void KSlabWidget::resizeSlab(int width, int height)
{
    const auto inRange = [](int side) {
        return side >= MinimumSide && side <= MaximumSide;
    };
    if (!m_resizable || !inRange(width) || !inRange(height))
        return;
    setFixedSize(width, height);
    showCaption(elidedCaption());
    adjustScale();
}

bool KSlabWidget::isChecked() const
{
    return m_checkBox && m_checkBox->isChecked();
}

void KSlabWidget::setChecked(bool checked)
{
    if (m_checkBox)
        m_checkBox->setChecked(checked);
}

void KSlabWidget::markChecked()
{
    markAs(true);
}

void KSlabWidget::markUnchecked()
{
    markAs(false);
}

void KSlabWidget::markAs(bool checked)
{
    if (!m_checkBox)
        return;
    {
        const QSignalBlocker blocker(m_checkBox);
        m_checkBox->setChecked(checked);
    }
    emit this->checked(checked);
}

void KSlabWidget::setFocusedStyle()
{
    setStyleSheet(focusedFrameStyle());
    m_label->setStyleSheet(focusedLabelStyle());
    m_focusedStyle = true;
    m_styled = true;
}

void KSlabWidget::setNormalStyle()
{
    // The list restyles every slab on each selection; re-polishing unchanged ones is wasted work.
    if (m_styled && !m_focusedStyle)
        return;
    setStyleSheet(normalFrameStyle());
    m_label->setStyleSheet(normalLabelStyle());
    m_view->setStyleSheet(viewStyle());
    m_focusedStyle = false;
    m_styled = true;
}

void KSlabWidget::focusIn()
{
    setFocusedStyle();
    emit focused();
}

void KSlabWidget::viewFocused()
{
    if (std::exchange(m_markingFocus, false))
        return;
    focusIn();
}

bool KSlabWidget::handleMouse(QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // The view has usually announced the slab already, as it took focus. Not when a marking
        // click left it focused but unannounced; a plain press then has to do it.
        if (!marksPages(event->modifiers()) && !m_focusedStyle)
            focusIn();
        if (event->button() != Qt::LeftButton)
            return false;
        m_pressPending = true;
        m_pressPosition = event->globalPosition();
        m_pressModifiers = event->modifiers();
        return true;
    case QEvent::MouseMove:
        if (!m_pressPending || !(event->buttons() & Qt::LeftButton))
            return false;
        if ((event->globalPosition() - m_pressPosition).manhattanLength() >=
            QApplication::startDragDistance()) {
            m_pressPending = false;
            // Nothing of this slab is touched after the drag: it may be gone.
            emit dragStarted();
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (event->button() != Qt::LeftButton || !m_pressPending)
            return false;
        m_pressPending = false;
        emit clicked(m_pressModifiers);
        return true;
    default:
        return false;
    }
}

void KSlabWidget::sendMouseDClicked()
{
    emit mouseDoubleClicked();
}

void KSlabWidget::wasChecked(int state)
{
    if (state == Qt::Unchecked)
        emit checked(false);
    else if (state == Qt::Checked)
        emit checked(true);
}

void KSlabWidget::adjustScale()
{
    if (m_scene) {
        // A slab that has not been shown, or was just resized while hidden, has not laid out
        // its view yet; doing it here gives the view its real size.
        layout()->invalidate();
        layout()->activate();
        const QRectF sceneRect = m_scene->sceneRect();
        const qreal longest = qMax(sceneRect.width(), sceneRect.height());
        if (longest > 0) {
            const qreal factor = qMin(m_view->width(), m_view->height()) / longest;
            m_view->setTransform(QTransform::fromScale(factor, factor));
            m_scale = factor;
        }
    }
    // Also when the scene went away before this ran, or the slab would never repaint again.
    setUpdatesEnabled(true);
}

bool KSlabWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::FocusIn) {
        // Seen before the view reports its focus. Qt gives click focus before it delivers the
        // press, so the modifiers of that press are the application's current ones.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        m_markingFocus =
            reason == Qt::MouseFocusReason && marksPages(QGuiApplication::keyboardModifiers());
        return false;
    }
    if (watched == m_view->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            // Used events stop here, so they do not reach this slab again through its parents.
            return handleMouse(static_cast<QMouseEvent *>(event));
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void KSlabWidget::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    focusIn();
}

void KSlabWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    sendMouseDClicked();
}

void KSlabWidget::mousePressEvent(QMouseEvent *event)
{
    if (handleMouse(event))
        event->accept();
    else
        QFrame::mousePressEvent(event);
}

void KSlabWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (handleMouse(event))
        event->accept();
    else
        QFrame::mouseMoveEvent(event);
}

void KSlabWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (handleMouse(event))
        event->accept();
    else
        QFrame::mouseReleaseEvent(event);
}

void KSlabWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_contextMenu) {
        event->ignore();
        return;
    }
    event->accept();
    m_contextMenu->popup(event->globalPos());
}

void KSlabWidget::changeEvent(QEvent *event)
{
    // Set whole, not elided: the label clips a caption that is too wide until setNumber()
    // elides it again.
    if (event->type() == QEvent::LanguageChange)
        showCaption(caption());
    QFrame::changeEvent(event);
}

QString KSlabWidget::caption() const
{
    return tr("Page") + QLatin1Char(' ') + m_number;
}

QString KSlabWidget::elidedCaption() const
{
    // The room inside the slab's borders and the label's side margins, so a long caption loses
    // its middle rather than being clipped at both ends.
    const QMargins margins = m_label->contentsMargins();
    const int room = width() - 2 * FrameBorder - margins.left() - margins.right();
    return m_label->fontMetrics().elidedText(caption(), Qt::ElideMiddle, room);
}

void KSlabWidget::showCaption(const QString &text)
{
    m_label->setText(text);
    m_label->setToolTip(caption());
    m_view->setToolTip(caption());
}
