#include "imaging/BrightnessDlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "imaging/BrightnessContrast.h"

namespace {

QGraphicsView *whiteView(QGraphicsScene *scene, QWidget *parent)
{
    scene->setBackgroundBrush(Qt::white);
    auto *view = new QGraphicsView(scene, parent);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

} // namespace

BrightnessDlg::BrightnessDlg(QWidget *parent)
    : QDialog(parent)
    , m_sourceScene(new QGraphicsScene(this))
    , m_destinationScene(new QGraphicsScene(this))
{
    setModal(true);
    setMinimumSize(600, 300);
    m_sourceView = whiteView(m_sourceScene, this);
    m_destinationView = whiteView(m_destinationScene, this);
    m_sourceTitle = new QLabel(this);
    m_destinationTitle = new QLabel(this);

    auto *sourceColumn = new QVBoxLayout;
    sourceColumn->addWidget(m_sourceTitle);
    sourceColumn->addWidget(m_sourceView, 1);
    auto *destinationColumn = new QVBoxLayout;
    destinationColumn->addWidget(m_destinationTitle);
    destinationColumn->addWidget(m_destinationView, 1);
    auto *previews = new QHBoxLayout;
    previews->addLayout(sourceColumn);
    previews->addLayout(destinationColumn);

    auto *sliders = new QHBoxLayout;
    sliders->addLayout(
        sliderColumn(QStringLiteral(":/images/BrightLight"), &m_brightness, &m_brightnessValue));
    sliders->addLayout(
        sliderColumn(QStringLiteral(":/images/BrightContrast"), &m_contrast, &m_contrastValue));

    m_buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &BrightnessDlg::apply);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &BrightnessDlg::reject);
    connect(m_brightness, &QSlider::valueChanged, this, &BrightnessDlg::brightnessChanged);
    connect(m_contrast, &QSlider::valueChanged, this, &BrightnessDlg::contrastChanged);

    auto *top = new QHBoxLayout;
    top->addLayout(previews, 1);
    top->addLayout(sliders);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top, 1);
    layout->addWidget(m_buttons);
    retranslateUi();
}

BrightnessDlg::~BrightnessDlg() = default;

QVBoxLayout *BrightnessDlg::sliderColumn(const QString &icon, QSlider **slider, QLabel **value)
{
    *slider = new QSlider(Qt::Vertical, this);
    (*slider)->setRange(-100, 100);
    (*slider)->setValue(0);
    auto *iconLabel = new QLabel(this);
    iconLabel->setPixmap(QIcon(icon).pixmap(22, 22));
    *value = new QLabel(QStringLiteral("000"), this);
    (*value)->setFixedWidth((*value)->fontMetrics().horizontalAdvance(QStringLiteral("-100")));
    (*value)->setAlignment(Qt::AlignCenter);
    auto *column = new QVBoxLayout;
    column->addWidget(iconLabel, 0, Qt::AlignHCenter);
    column->addWidget(*slider, 1, Qt::AlignHCenter);
    column->addWidget(*value, 0, Qt::AlignHCenter);
    return column;
}

QString BrightnessDlg::valueText(int value)
{
    // Three characters with the sign counted, as "-05" and "042".
    return value < 0 ? QStringLiteral("-%1").arg(-value, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

void BrightnessDlg::setImage(const QImage &image)
{
    const QSize box = m_sourceView->viewport()->size().expandedTo(QSize(1, 1));
    m_source =
        image.isNull() ? QImage() : image.scaled(box, Qt::KeepAspectRatio, Qt::FastTransformation);
    {
        const QSignalBlocker brightnessBlocker(m_brightness);
        const QSignalBlocker contrastBlocker(m_contrast);
        m_brightness->setValue(0);
        m_contrast->setValue(0);
    }
    m_brightnessValue->setText(valueText(0));
    m_contrastValue->setText(valueText(0));
    m_destination = m_source;
    const QPixmap picture = QPixmap::fromImage(m_source);
    if (!m_sourceItem) {
        m_sourceItem = m_sourceScene->addPixmap(picture);
        m_destinationItem = m_destinationScene->addPixmap(picture);
    } else {
        m_sourceItem->setPixmap(picture);
        m_destinationItem->setPixmap(picture);
    }
    const QPointF offset(-(m_source.width() / 2), -(m_source.height() / 2));
    for (QGraphicsPixmapItem *item : {m_sourceItem, m_destinationItem}) {
        item->setOffset(offset);
        item->scene()->setSceneRect(item->sceneBoundingRect());
    }
    m_sourceView->fitInView(m_sourceItem, Qt::KeepAspectRatio);
    m_destinationView->fitInView(m_destinationItem, Qt::KeepAspectRatio);
}

int BrightnessDlg::brightness() const
{
    return m_brightness->value();
}

int BrightnessDlg::contrast() const
{
    return m_contrast->value();
}

void BrightnessDlg::brightnessChanged(int value)
{
    m_brightnessValue->setText(valueText(value));
    updatePreview();
}

void BrightnessDlg::contrastChanged(int value)
{
    m_contrastValue->setText(valueText(value));
    updatePreview();
}

void BrightnessDlg::updatePreview()
{
    if (m_source.isNull() || !m_destinationItem)
        return;
    m_destination = m_source.copy();
    BrightnessContrast::applyBrightnessContrast(m_destination, m_brightness->value(),
                                                m_contrast->value());
    m_destinationItem->setPixmap(QPixmap::fromImage(m_destination));
}

void BrightnessDlg::apply()
{
    emit applied();
    close();
}

void BrightnessDlg::hideEvent(QHideEvent *event)
{
    // The previews belong to one opening only.
    delete m_sourceItem;
    delete m_destinationItem;
    m_sourceItem = nullptr;
    m_destinationItem = nullptr;
    m_source = QImage();
    m_destination = QImage();
    QDialog::hideEvent(event);
}

void BrightnessDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

void BrightnessDlg::retranslateUi()
{
    setWindowTitle(tr("Brightness / Contrast"));
    m_sourceTitle->setText(tr("Source Image"));
    m_destinationTitle->setText(tr("Destination Image"));
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}
