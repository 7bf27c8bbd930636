#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QToolButton;
class QVBoxLayout;

// One titled group of a ribbon page: a row of buttons and widgets with the group's title in
// small grey text underneath. Buttons with icon-above-text are large (32 px icons, full row
// height); other button styles are small (16 px icons) and stack up to three in a column.
class RibbonGroup : public QWidget
{
    Q_OBJECT

public:
    explicit RibbonGroup(const QString &title, QWidget *parent = nullptr);

    // The title may hold '&' mnemonic markers; they are not shown ("&&" shows as "&").
    void setTitle(const QString &title);
    QString title() const { return m_title; }

    // Creates an action owned by this group and a tool button that follows it (text, icon,
    // tool tip, enabled, checkable/checked and visible). The menu, if any, stays owned by the
    // caller; the button then pops it up on click (QToolButton::InstantPopup).
    // The action is also added to the enclosing RibbonBar (or, outside a bar, to the group's
    // window), so its shortcut works while the window is active even when this group's page
    // is not the current one.
    QAction *addAction(const QIcon &icon, const QString &text, Qt::ToolButtonStyle style,
                       QMenu *menu = nullptr);
    // The button showing the action, or nullptr if the action is not one of this group's.
    QToolButton *buttonForAction(QAction *action) const;

    // Shows the widget in the row after the existing controls; the group takes ownership.
    void addWidget(QWidget *widget);

    // Centres the controls vertically in the row; by default they are aligned to its top.
    void setControlsCentering(bool centering);
    bool isControlsCentering() const { return m_centering; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void addToRow(QWidget *widget, bool small);
    Qt::Alignment rowAlignment() const;
    void updateTitleColour();

    QString m_title;
    QVBoxLayout *m_layout = nullptr;
    QHBoxLayout *m_row = nullptr;
    QVBoxLayout *m_openColumn = nullptr; // the column small buttons are being stacked in
    QLabel *m_titleLabel = nullptr;
    bool m_centering = false;
};
