#pragma once

#include "ribbon/OfficePopupWindow.h"

// The main window's message pop-up: the logo beside the message in bold, titled "Vellumo
// Message", sliding in over the window's corner for six seconds. A message without a link is
// one click target that closes the pop-up; a message with a link keeps its link clickable (the
// link opens with the desktop's handler) and closes by its title button or its time.
//
// The message's label carries the object name "PopupLabel" and the message in its "Message"
// property, so that what was said can be read back. The pop-up is as wide as the text needs up
// to a readable width, and as tall as the wrapped text.
class PopupMessage : public OfficePopupWindow
{
    Q_OBJECT

public:
    static constexpr int DisplayTimeMs = 6000;
    static constexpr int MinimumTextWidth = 240;
    static constexpr int MaximumTextWidth = 360;

    // parent: the window whose corner the pop-up sits in; the pop-up deletes itself once gone.
    PopupMessage(const QString &message, QWidget *parent);

    // Creates and shows a pop-up for the message.
    static PopupMessage *show(const QString &message, QWidget *parent);

    QString message() const { return m_message; }
    bool hasLink() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_message;
};
