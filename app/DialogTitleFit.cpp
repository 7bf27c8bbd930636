#include "DialogTitleFit.h"

#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>

DialogTitleFit::DialogTitleFit(QObject *parent)
    : QObject(parent)
{
}

int DialogTitleFit::neededWidth(const QString &title, const QFont &font)
{
    // Title bars draw their text in bold, a little larger than the window's text.
    QFont bold = font;
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.1);
    return QFontMetrics(bold).horizontalAdvance(title) + TitleBarRoom;
}

bool DialogTitleFit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && dialog->isWindow() && !dialog->windowTitle().isEmpty()) {
            int wanted = neededWidth(dialog->windowTitle(), dialog->font());
            if (const QScreen *screen = dialog->screen())
                wanted = qMin(wanted, screen->availableGeometry().width());
            if (dialog->width() < wanted && dialog->maximumWidth() >= wanted)
                dialog->resize(wanted, dialog->height());
        }
    }
    return QObject::eventFilter(watched, event);
}
