#include "SplashScreen.h"

#include <QLabel>
#include <QPainter>

#include "core/ProgramInfo.h"
#include "core/Settings.h"

namespace {
// The drawing with a white band beneath it for the text line.
QPixmap splashPixmap()
{
    const QPixmap drawing(QStringLiteral(":/images/Splash"));
    QPixmap pixmap(drawing.width(), drawing.height() + SplashScreen::LabelHeight);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.drawPixmap(0, 0, drawing);
    painter.setPen(QColor(0xd5, 0xdc, 0xe8));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}
} // namespace

SplashScreen::SplashScreen()
    : QSplashScreen(splashPixmap())
    , m_label(new QLabel(this))
{
    const QString host = Settings::readString(SettingsKeys::AppUrl, QString(ProgramInfo::WebHost));
    m_label->setText(tr("Copyright &copy; 2026 Leafkin. All rights reserved. "
                        "<a href=\"http://%1\">%1</a>")
                         .arg(host));
    m_label->setTextFormat(Qt::RichText);
    m_label->setOpenExternalLinks(true);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setStyleSheet(QStringLiteral("QLabel { color: #4a5a7a; }"));
    m_label->setGeometry(1, pixmap().height() / pixmap().devicePixelRatio() - LabelHeight,
                         pixmap().width() / pixmap().devicePixelRatio() - 2, LabelHeight - 1);
}

QString SplashScreen::labelText() const
{
    return m_label->text();
}

void SplashScreen::mousePressEvent(QMouseEvent *)
{
    close();
}
