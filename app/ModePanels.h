#pragma once

#include <QCoreApplication>

#include <functional>

class QDial;
class QPushButton;
class QSpinBox;
class ToolPanel;

// The side panels of the editor's two modes: Crop Mode with its "Auto Cropping" button, and
// Rotate Mode with a dial and a number box that follow each other. The window puts them in its
// side panel and wires their buttons.
class ModePanels
{
    // The texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // angleChanged: told each angle the user sets, with either control.
    explicit ModePanels(std::function<void(int)> angleChanged);

    ToolPanel *cropPanel() const { return m_cropPanel; }
    QPushButton *autoCropButton() const { return m_autoCropButton; }
    ToolPanel *rotatePanel() const { return m_rotatePanel; }

    int angle() const;
    // Both controls at angle, without telling.
    void setAngle(int angle);
    void retranslate();

private:
    ToolPanel *m_cropPanel;
    QPushButton *m_autoCropButton;
    ToolPanel *m_rotatePanel;
    QDial *m_dial;
    QSpinBox *m_angleBox;
};
