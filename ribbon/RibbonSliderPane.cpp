#include "ribbon/RibbonSliderPane.h"

#include <QHBoxLayout>
#include <QSlider>
#include <QToolButton>

#include "ribbon/LineIcon.h"

namespace {

// A crisp minus or plus sign drawn in the text colour, so it needs no font glyph or icon file.
QIcon signIcon(bool plus, const QColor &colour)
{
    constexpr qreal Size = 16;
    QList<QLineF> lines{QLineF(4, Size / 2, Size - 4, Size / 2)};
    if (plus)
        lines << QLineF(Size / 2, 4, Size / 2, Size - 4);
    return lineIcon(int(Size), colour, 1.5, lines);
}

} // namespace

RibbonSliderPane::RibbonSliderPane(QWidget *parent)
    : QWidget(parent)
{
    // Status bars hand out spare width; the pane keeps to its own (the caller may bound it
    // with a minimum and maximum width), and the slider takes what the buttons leave.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    const QColor signColour = palette().color(QPalette::WindowText);
    auto makeButton = [this, signColour](bool plus) {
        auto *button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIcon(signIcon(plus, signColour));
        button->setIconSize(QSize(16, 16));
        button->setAutoRepeat(true);
        button->setToolTip(plus ? tr("Increase") : tr("Decrease"));
        button->hide();
        return button;
    };
    m_decreaseButton = makeButton(false);
    m_increaseButton = makeButton(true);

    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_slider->setMinimumWidth(40);
    m_slider->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    layout->addWidget(m_decreaseButton);
    layout->addWidget(m_slider);
    layout->addWidget(m_increaseButton);

    connect(m_decreaseButton, &QToolButton::clicked, this, [this] { stepBy(-1); });
    connect(m_increaseButton, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        updateButtons();
        emit valueChanged(value);
    });
    connect(m_slider, &QSlider::rangeChanged, this, &RibbonSliderPane::updateButtons);
    updateButtons();
}

void RibbonSliderPane::setScrollButtons(bool visible)
{
    m_decreaseButton->setVisible(visible);
    m_increaseButton->setVisible(visible);
}

void RibbonSliderPane::setRange(int minimum, int maximum)
{
    m_slider->setRange(minimum, maximum);
}

void RibbonSliderPane::setSingleStep(int step)
{
    m_slider->setSingleStep(step);
    m_slider->setPageStep(step);
}

void RibbonSliderPane::setSliderPosition(int position)
{
    m_slider->setSliderPosition(position);
}

int RibbonSliderPane::value() const
{
    return m_slider->value();
}

void RibbonSliderPane::stepBy(int steps)
{
    // Clamped to the range, so the last step before a bound lands on the bound.
    const qint64 target = qint64(m_slider->value()) + qint64(steps) * m_slider->singleStep();
    m_slider->setValue(
        int(qBound(qint64(m_slider->minimum()), target, qint64(m_slider->maximum()))));
}

void RibbonSliderPane::updateButtons()
{
    m_decreaseButton->setEnabled(m_slider->value() > m_slider->minimum());
    m_increaseButton->setEnabled(m_slider->value() < m_slider->maximum());
}
