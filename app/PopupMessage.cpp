#include "PopupMessage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

PopupMessage::PopupMessage(const QString &message, QWidget *parent)
    : OfficePopupWindow(parent)
    , m_message(message)
{
    // A plain widget: a label as the container would report its own (empty) text's size and
    // not its layout's, and the pop-up would come out too narrow for the message.
    auto *content = new QWidget;
    auto *layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    // A picture, not a floating rich-text image: it keeps its own place on either side of the
    // text, also from right to left.
    auto *logo = new QLabel;
    logo->setPixmap(QPixmap(QStringLiteral(":/images/logo64.png")));
    auto *text = new QLabel(QStringLiteral("<h4>%1</h4>").arg(message));
    text->setObjectName(QStringLiteral("PopupLabel"));
    text->setProperty("Message", message);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setOpenExternalLinks(true);
    // Long messages wrap at a readable width and make the pop-up taller.
    text->setMinimumWidth(MinimumTextWidth);
    text->setMaximumWidth(MaximumTextWidth);
    // Only a link needs the mouse; everything else lets the press through to the content,
    // whose filter closes the pop-up.
    logo->setAttribute(Qt::WA_TransparentForMouseEvents);
    text->setAttribute(Qt::WA_TransparentForMouseEvents, !hasLink());
    layout->addWidget(logo, 0, Qt::AlignTop);
    layout->addWidget(text, 1);
    content->installEventFilter(this);

    setCentralWidget(content);
    setTitleCloseButtonVisible(true);
    setTitleText(tr("<p><font color=\"black\"><h4>&nbsp;Vellumo Message</h4></font></p>"));
    setAnimation(SlideAnimation);
    setDragDropEnabled(true);
    setTransparency(1.0);
    setDisplayTime(DisplayTimeMs);
    setAnimationSpeed(250);
}

PopupMessage *PopupMessage::show(const QString &message, QWidget *parent)
{
    auto *popup = new PopupMessage(message, parent);
    popup->showPopup();
    return popup;
}

bool PopupMessage::hasLink() const
{
    return m_message.contains(QLatin1String("href"));
}

bool PopupMessage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::MouseButtonPress && !hasLink()) {
        closePopup();
        return true;
    }
    return OfficePopupWindow::eventFilter(watched, event);
}
