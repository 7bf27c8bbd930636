#pragma once

#include <QIcon>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAction;
class QHBoxLayout;
class QLabel;
class QStackedWidget;
class QToolButton;
class RibbonPage;
class RibbonSystemButton;
class RibbonTabBar;

// The ribbon: an optional row with the window title, a row of page tabs (with the application
// button at its left) and, below it, the current page's groups on a light panel.
class RibbonBar : public QWidget
{
    Q_OBJECT

public:
    explicit RibbonBar(QWidget *parent = nullptr);

    // Appends a page and its tab; the bar owns the page. The first page becomes current.
    RibbonPage *addPage(const QString &title);
    int pageCount() const { return int(m_pages.size()); }
    // nullptr when the index is out of range.
    RibbonPage *page(int index) const;

    // Out-of-range indexes are ignored. currentPageChanged is emitted only on a real change.
    void setCurrentPage(int index);
    int currentPageIndex() const;

    // Creates the application button at the left of the tab row (or updates it when it exists)
    // and returns its action. The action's menu() is a RibbonSystemPopupBar owned by the bar;
    // the button pops it up below itself. The button shows the text (its '&' mnemonic works
    // with Alt) or, when the text is empty, the icon.
    QAction *addSystemButton(const QIcon &icon, const QString &text);
    // nullptr until addSystemButton() has been called.
    QToolButton *getSystemButton() const;

    // The title row repeats the window's title inside the ribbon; shown by default. Hide it
    // when the window frame shows the title.
    void setTitleBarVisible(bool visible);
    bool isTitleBarVisible() const { return m_titleBarVisible; }

signals:
    void currentPageChanged(int index);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void watchWindow();
    void updateSystemButton();
    QRect panelRect() const;

    QList<RibbonPage *> m_pages;
    QLabel *m_titleLabel = nullptr;
    QHBoxLayout *m_tabRow = nullptr;
    RibbonTabBar *m_tabBar = nullptr;
    QStackedWidget *m_stack = nullptr;
    RibbonSystemButton *m_systemButton = nullptr;
    QAction *m_systemAction = nullptr;
    QPointer<QWidget> m_watchedWindow; // whose title the title row shows
    bool m_titleBarVisible = true;
};
