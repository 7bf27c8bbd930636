#include "PageCommand.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <sys/stat.h>

#include "pages/PageListWidget.h"

PageCommand::PageCommand(PageListWidget *list, const QString &text, QList<Step> steps)
    : QUndoCommand(text)
    , m_list(list)
    , m_steps(std::move(steps))
{
}

PageCommand::~PageCommand()
{
    if (m_failed)
        return;
    for (const Step &step : std::as_const(m_steps)) {
        if (!step.folder.isEmpty())
            QDir(step.folder).removeRecursively();
    }
}

void PageCommand::measure()
{
    qint64 bytes = 0;
    for (const Step &step : m_steps) {
        if (step.folder.isEmpty())
            continue;
        QDirIterator files(step.folder, QDir::Files);
        while (files.hasNext()) {
            // A kept copy is often a hard link to a page file or to another step's copy: each
            // holder counts its share of the disk space.
            struct stat info
            {
            };
            if (::stat(QFile::encodeName(files.next()).constData(), &info) == 0)
                bytes += qint64(info.st_size) / qMax<qint64>(1, qint64(info.st_nlink));
        }
    }
    m_heldBytes = bytes;
}

bool PageCommand::apply(const Step &step, bool forward)
{
    switch (step.kind) {
    case Kind::Exchange:
        return m_list->exchangePage(step.position, step.folder);
    case Kind::Insert:
        return forward ? m_list->insertPage(step.position, step.folder)
                       : m_list->takePage(step.position, step.folder);
    case Kind::Take:
        return forward ? m_list->takePage(step.position, step.folder)
                       : m_list->insertPage(step.position, step.folder);
    case Kind::Move:
        return forward ? m_list->movePage(step.position, step.target)
                       : m_list->movePage(step.target, step.position);
    }
    return false;
}

void PageCommand::undo()
{
    if (m_failed)
        return;
    for (auto step = m_steps.crbegin(); step != m_steps.crend() && !m_failed; ++step)
        m_failed = !apply(*step, false);
}

void PageCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    if (m_failed)
        return;
    for (auto step = m_steps.cbegin(); step != m_steps.cend() && !m_failed; ++step)
        m_failed = !apply(*step, true);
}
