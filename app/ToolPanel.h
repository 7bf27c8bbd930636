#pragma once

#include <QScrollArea>

class QLabel;
class QPushButton;
class QVBoxLayout;

// A side panel of the main window for a mode (Rotate Mode, Crop Mode): a white title with a
// shadow, the mode's icon, the mode's own controls and its Accept and Cancel buttons, in a
// borderless scroll area.
class ToolPanel : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int TitlePixelSize = 22;

    ToolPanel(const QString &iconName, QWidget *parent = nullptr);

    // Adds the mode's controls between the icon and the buttons; the panel takes ownership.
    void addControl(QWidget *control);
    void setTitle(const QString &title);
    QPushButton *acceptButton() const { return m_accept; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QVBoxLayout *m_controls;
    QLabel *m_title;
    QPushButton *m_accept;
    QPushButton *m_cancel;
};
