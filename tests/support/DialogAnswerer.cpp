#include "DialogAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

DialogAnswerer::DialogAnswerer(const QString &buttonText, QObject *parent)
    : QObject(parent)
    , m_buttonText(buttonText)
{
    connect(&m_timer, &QTimer::timeout, this, &DialogAnswerer::poll);
    m_timer.start(20);
}

DialogAnswerer::~DialogAnswerer()
{
    if (!m_answered && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("no dialog with a \"%1\" button came to be answered")
                                    .arg(m_buttonText)),
                     __FILE__, __LINE__);
}

void DialogAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    const auto buttons = modal->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        QString label = button->text();
        label.remove(QLatin1Char('&'));
        if (label != m_buttonText || !button->isVisible())
            continue;
        m_title = modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_text = box->text();
            m_informativeText = box->informativeText();
        }
        m_answered = true;
        ++m_count;
        if (!m_repeat)
            m_timer.stop();
        button->click();
        return;
    }
}
