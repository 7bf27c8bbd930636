#pragma once

#include <QList>
#include <QString>
#include <QUndoCommand>

class PageListWidget;

// One undoable step of the page list: the file operations a command made, each of which can be
// reversed from files alone. The work itself has been done when the command is pushed, so the
// first redo() does nothing.
//
// Pages that a step replaced or took out are held in folders of the undo area (one per page,
// see PageStore's held pages); the command deletes its folders when it is deleted, which happens
// when the history drops it or forgets the steps that were undone.
class PageCommand : public QUndoCommand
{
public:
    enum class Kind {
        Exchange, // the page's files and the held ones change places (both ways)
        Insert,   // the page came in at position (undo takes it out into folder)
        Take,     // the page went out into folder (undo puts it back at position)
        Move      // the page moved from position to target
    };
    struct Step
    {
        Kind kind;
        int position;
        QString folder;  // Exchange, Insert, Take
        int target = -1; // Move
    };

    PageCommand(PageListWidget *list, const QString &text, QList<Step> steps);
    ~PageCommand() override;

    void undo() override;
    void redo() override;

    const QList<Step> &steps() const { return m_steps; }
    // Leaves the folders on disk when the command is deleted (they have a new owner).
    void releaseFolders() { m_steps.clear(); }
    // Disk space of the files the command's folders held when it was measured (a file shared
    // through hard links counts its share).
    qint64 heldBytes() const { return m_heldBytes; }
    void measure();
    void setHeldBytes(qint64 bytes) { m_heldBytes = bytes; }
    // A step failed: the pages are as far as it got, the message said so, and the command no
    // longer acts; its folders stay until the undo area is cleared.
    bool hasFailed() const { return m_failed; }

private:
    bool apply(const Step &step, bool forward);

    PageListWidget *m_list;
    QList<Step> m_steps;
    bool m_pushed = false;
    bool m_failed = false;
    qint64 m_heldBytes = 0;
};
