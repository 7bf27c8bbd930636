#include "ribbon/RibbonGroup.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "ribbon/RibbonBar.h"

namespace {

constexpr int LargeIconSize = 32;
constexpr int SmallIconSize = 16;
constexpr int SmallButtonsPerColumn = 3;

// "Fast &Settings" -> "Fast Settings", "Scan && PDF" -> "Scan & PDF".
QString withoutMnemonics(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&') {
            ++i;
            if (i == text.size())
                break;
        }
        shown.append(text.at(i));
    }
    return shown;
}

} // namespace

RibbonGroup::RibbonGroup(const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_title(title)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(4, 2, 4, 2);
    m_layout->setSpacing(2);

    m_row = new QHBoxLayout;
    m_row->setSpacing(2);
    // Every group row is as tall as a large button, so pages with only small controls keep
    // the ribbon's height and the titles of all groups line up.
    m_row->addStrut(LargeIconSize + 2 * fontMetrics().height() + 18);
    m_layout->addLayout(m_row, 1);

    m_titleLabel = new QLabel(withoutMnemonics(title), this);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    QFont titleFont = m_titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 0.9);
    m_titleLabel->setFont(titleFont);
    m_layout->addWidget(m_titleLabel);
    updateTitleColour();
}

void RibbonGroup::setTitle(const QString &title)
{
    m_title = title;
    m_titleLabel->setText(withoutMnemonics(title));
}

QAction *RibbonGroup::addAction(const QIcon &icon, const QString &text, Qt::ToolButtonStyle style,
                                QMenu *menu)
{
    auto *action = new QAction(icon, text, this);
    if (menu)
        action->setMenu(menu);

    auto *button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(style);
    const bool small = style != Qt::ToolButtonTextUnderIcon;
    const int iconSize = small ? SmallIconSize : LargeIconSize;
    button->setIconSize(QSize(iconSize, iconSize));
    button->setDefaultAction(action);
    if (menu)
        button->setPopupMode(QToolButton::InstantPopup);
    // setDefaultAction() follows every property of the action except its visibility.
    connect(action, &QAction::visibleChanged, button,
            [button, action] { button->setVisible(action->isVisible()); });
    if (!action->isVisible())
        button->hide();
    addToRow(button, small);

    // The button alone would lose the shortcut while its page is hidden; the bar is always
    // visible in its window.
    QWidget *host = nullptr;
    for (QWidget *w = parentWidget(); w && !host; w = w->parentWidget())
        host = qobject_cast<RibbonBar *>(w);
    (host ? host : window())->addAction(action);
    return action;
}

QToolButton *RibbonGroup::buttonForAction(QAction *action) const
{
    if (!action)
        return nullptr;
    const auto buttons = findChildren<QToolButton *>(Qt::FindDirectChildrenOnly);
    for (QToolButton *button : buttons) {
        if (button->defaultAction() == action)
            return button;
    }
    return nullptr;
}

void RibbonGroup::addWidget(QWidget *widget)
{
    if (widget)
        addToRow(widget, false);
}

void RibbonGroup::setControlsCentering(bool centering)
{
    m_centering = centering;
    for (int i = 0; i < m_row->count(); ++i)
        m_row->itemAt(i)->setAlignment(rowAlignment());
    m_row->invalidate();
}

void RibbonGroup::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        updateTitleColour();
}

void RibbonGroup::addToRow(QWidget *widget, bool small)
{
    if (!small) {
        m_openColumn = nullptr;
        m_row->addWidget(widget, 0, rowAlignment());
        return;
    }
    if (!m_openColumn || m_openColumn->count() >= SmallButtonsPerColumn) {
        m_openColumn = new QVBoxLayout;
        m_openColumn->setSpacing(1);
        m_row->addLayout(m_openColumn);
        m_row->itemAt(m_row->count() - 1)->setAlignment(rowAlignment());
    }
    m_openColumn->addWidget(widget, 0, Qt::AlignLeft);
}

Qt::Alignment RibbonGroup::rowAlignment() const
{
    return m_centering ? Qt::AlignVCenter : Qt::AlignTop;
}

void RibbonGroup::updateTitleColour()
{
    // Groups sit on the ribbon's panel, painted in the base colour; the title takes a grey
    // between the text and that colour, so it follows the theme.
    const QColor text = palette().color(QPalette::WindowText);
    const QColor base = palette().color(QPalette::Base);
    const QColor grey((text.red() * 55 + base.red() * 45) / 100,
                      (text.green() * 55 + base.green() * 45) / 100,
                      (text.blue() * 55 + base.blue() * 45) / 100);
    QPalette titlePalette = m_titleLabel->palette();
    if (titlePalette.color(QPalette::WindowText) == grey)
        return;
    titlePalette.setColor(QPalette::WindowText, grey);
    m_titleLabel->setPalette(titlePalette);
}
