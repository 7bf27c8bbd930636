// Opens the main window maximized with the given image files loaded as pages, for screenshots
// of the program at work:  show_pages <image>...
// With VELLUMO_SHOW_COMMAND set to a slot name of the window (for example buildPdf), that command
// runs once the pages are in; with VELLUMO_SHOW_SLIDER set to a number, the first slider of the
// dialog that command opens is then moved to it; with VELLUMO_SHOW_NEXT set, the Next button of
// the wizard that command opens is pressed; VELLUMO_SHOW_RIBBON set to a number shows that ribbon
// page; VELLUMO_SHOW_SETTINGS="Key=value;Key=value" is written to the settings first.
// VELLUMO_SHOW_ACTION names a command by its text ("Crop Image"; the shortcut's "&" left out):
// it is triggered after the ribbon page was chosen, as a click on its button would. With
// VELLUMO_SHOW_MESSAGE set, the window shows that message in its pop-up.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QTimer>
#include <QWizard>

#include "app/MainWindow.h"
#include "core/ProgramInfo.h"
#include "ribbon/RibbonBar.h"
#include "ribbon/RibbonStyle.h"

// Runs the command, chooses the ribbon page, presses buttons and shows the message that the
// VELLUMO_SHOW_* variables ask for.
static void showWanted(MainWindow &window)
{
    const QByteArray command = qgetenv("VELLUMO_SHOW_COMMAND");
    if (!command.isEmpty())
        QMetaObject::invokeMethod(&window, command.constData(), Qt::QueuedConnection);
    if (qEnvironmentVariableIsSet("VELLUMO_SHOW_RIBBON")) {
        QTimer::singleShot(500, &window, [&window] {
            window.ribbonBar()->setCurrentPage(qEnvironmentVariableIntValue("VELLUMO_SHOW_RIBBON"));
        });
    }
    if (qEnvironmentVariableIsSet("VELLUMO_SHOW_ACTION")) {
        QTimer::singleShot(800, &window, [&window] {
            const QString wanted = qEnvironmentVariable("VELLUMO_SHOW_ACTION");
            for (QAction *action : window.findChildren<QAction *>()) {
                if (action->isEnabled() && action->text().remove(QLatin1Char('&')) == wanted) {
                    action->trigger();
                    break;
                }
            }
        });
    }
    if (qEnvironmentVariableIsSet("VELLUMO_SHOW_MESSAGE")) {
        QTimer::singleShot(800, &window, [&window] {
            window.errorMessage(qEnvironmentVariable("VELLUMO_SHOW_MESSAGE"));
        });
    }
    if (qEnvironmentVariableIsSet("VELLUMO_SHOW_NEXT")) {
        QTimer::singleShot(1000, &window, [&window] {
            for (QWizard *wizard : window.findChildren<QWizard *>()) {
                if (wizard->isVisible())
                    wizard->next();
            }
        });
    }
    if (qEnvironmentVariableIsSet("VELLUMO_SHOW_SLIDER")) {
        QTimer::singleShot(1000, &window, [&window] {
            for (QDialog *dialog : window.findChildren<QDialog *>()) {
                const auto sliders = dialog->findChildren<QSlider *>();
                if (dialog->isVisible() && !sliders.isEmpty())
                    sliders.first()->setValue(qEnvironmentVariableIntValue("VELLUMO_SHOW_SLIDER"));
            }
        });
    }
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QString(ProgramInfo::OrganizationName));
    QCoreApplication::setApplicationName(QString(ProgramInfo::ApplicationName));
    QApplication::setStyle(new RibbonStyle);
    const QStringList presets =
        qEnvironmentVariable("VELLUMO_SHOW_SETTINGS").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &preset : presets) {
        const qsizetype equals = preset.indexOf(QLatin1Char('='));
        if (equals > 0)
            QSettings().setValue(preset.left(equals), preset.mid(equals + 1));
    }
    MainWindow window(false);
    // Without a window manager there is nobody to maximize the window: fill the screen.
    window.setGeometry(window.screen()->availableGeometry());
    window.show();
    // The window opens the files given on the command line itself; what the variables ask for
    // comes once they are all in.
    auto *pagesLoaded = new QTimer(&window);
    QObject::connect(pagesLoaded, &QTimer::timeout, &window, [&window, pagesLoaded] {
        if (!window.isStartUpFinished())
            return;
        pagesLoaded->stop();
        showWanted(window);
    });
    pagesLoaded->start(200);
    return app.exec();
}
