#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

#include "pages/PageCommand.h"

class PageListWidget;
class QAction;
class QUndoStack;

// Undo and redo for the page list: a stack of PageCommands whose replaced and removed pages are
// held as files in the undo area, the folder "undo" inside the working folder (never images in
// memory). The window does the work of a command first and then records it here, named by the
// command's text without its accelerator (QAction::iconText()); undo and redo replay the file
// operations.
//
// The area is limited in steps and in bytes; the oldest steps go first. It lives as long as the
// program: clear() (new and opened projects) empties it, and a run that ended without clearing
// it leaves nothing that crash recovery looks at (recovery reads only the working folder's own
// page files).
class PageHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultMaxSteps = 100;
    static constexpr qint64 DefaultMaxBytes = 2LL * 1024 * 1024 * 1024;

    // undoAction and redoAction (not owned) become "&Undo <step>" and "&Redo <step>", enabled
    // when there is a step to take; their icon texts stay "Undo" and "Redo" so buttons keep
    // their size.
    PageHistory(PageListWidget *list, QAction *undoAction, QAction *redoAction,
                QObject *parent = nullptr);
    ~PageHistory() override;

    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }
    const QUndoStack *stack() const { return m_stack.get(); }
    QString area() const { return m_area; }
    void setLimits(int maxSteps, qint64 maxBytes);

    // Copies of the pages at positions, kept before their pictures change. Empty when a copy
    // could not be made (the failure was reported); the change may go ahead without undo.
    QList<PageCommand::Step> keep(const QList<int> &positions);
    // The change the kept copies were for did not happen: they are deleted.
    void discard(const QList<PageCommand::Step> &kept);
    // The pictures changed: kept holds the pages as they were.
    void recordChange(const QString &text, const QList<PageCommand::Step> &kept);
    // count pages came in at from, from + 1, ...
    void recordAdded(const QString &text, int from, int count);
    // The page at position was split: kept holds it as it was, the right half came in after it.
    void recordSplit(const QString &text, const QList<PageCommand::Step> &kept, int position);
    void recordMove(const QString &text, int from, int to);
    // Removes the pages at positions as one step, their files held for undo. Positions are
    // taken from the last one down. Returns how many were removed.
    int removePages(const QString &text, QList<int> positions);
    // Between these, whatever is recorded becomes the one step endGroup() names.
    void beginGroup();
    void endGroup(const QString &text);
    // While locked (a job works on the pages), undo and redo are off and take no step; steps
    // are still recorded. Unlocking enables them as the stack allows.
    void setLocked(bool locked);
    bool isLocked() const { return m_locked; }
    // Forgets every step and empties the undo area.
    void clear();
    // The actions' texts in the current language.
    void retranslate();

signals:
    // Undo or redo changed the pages (not emitted for recording).
    void pagesChanged();

private:
    QString newFolder();
    void push(PageCommand *command);
    // Drops the oldest steps while the stack is over its limits.
    void prune();
    void takeStep(bool undo);
    void connectStack();

    PageListWidget *m_list;
    std::unique_ptr<QUndoStack> m_stack;
    QPointer<QAction> m_undoAction;
    QPointer<QAction> m_redoAction;
    QString m_area;
    int m_nextFolder = 1;
    bool m_grouping = false;
    bool m_locked = false;
    QList<PageCommand::Step> m_group;
    int m_maxSteps = DefaultMaxSteps;
    qint64 m_maxBytes = DefaultMaxBytes;
};
