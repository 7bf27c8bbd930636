#include "PageHistory.h"

#include <QAction>
#include <QDir>
#include <QUndoStack>

#include <algorithm>
#include <utility>

#include "core/LogCategories.h"
#include "pages/PageListWidget.h"

using Step = PageCommand::Step;
using Kind = PageCommand::Kind;

PageHistory::PageHistory(PageListWidget *list, QAction *undoAction, QAction *redoAction,
                         QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_stack(std::make_unique<QUndoStack>())
    , m_undoAction(undoAction)
    , m_redoAction(redoAction)
    , m_area(list->workingFolder() + QStringLiteral("/undo"))
{
    // What an earlier run left behind belongs to no document any more.
    QDir(m_area).removeRecursively();
    connect(m_undoAction, &QAction::triggered, this, [this] { takeStep(true); });
    connect(m_redoAction, &QAction::triggered, this, [this] { takeStep(false); });
    connectStack();
    retranslate();
}

PageHistory::~PageHistory()
{
    // The stack announces its clearing while it goes; nothing here listens any more.
    m_stack->disconnect(this);
    m_stack.reset();
    QDir(m_area).removeRecursively();
}

void PageHistory::connectStack()
{
    connect(m_stack.get(), &QUndoStack::indexChanged, this, &PageHistory::retranslate);
    connect(m_stack.get(), &QUndoStack::cleanChanged, this, &PageHistory::retranslate);
}

void PageHistory::retranslate()
{
    if (!m_undoAction || !m_redoAction)
        return;
    const bool canUndo = m_stack->canUndo();
    const bool canRedo = m_stack->canRedo();
    m_undoAction->setEnabled(canUndo && !m_locked);
    m_redoAction->setEnabled(canRedo && !m_locked);
    m_undoAction->setText(canUndo ? tr("&Undo %1").arg(m_stack->undoText()) : tr("&Undo"));
    m_redoAction->setText(canRedo ? tr("Re&do %1").arg(m_stack->redoText()) : tr("Re&do"));
    m_undoAction->setIconText(tr("&Undo").remove(QLatin1Char('&')));
    m_redoAction->setIconText(tr("Re&do").remove(QLatin1Char('&')));
    m_undoAction->setToolTip(m_undoAction->text().remove(QLatin1Char('&')));
    m_redoAction->setToolTip(m_redoAction->text().remove(QLatin1Char('&')));
}

void PageHistory::setLimits(int maxSteps, qint64 maxBytes)
{
    m_maxSteps = std::max(1, maxSteps);
    m_maxBytes = maxBytes;
    prune();
}

QString PageHistory::newFolder()
{
    const QString folder = m_area + QLatin1Char('/') + QString::number(m_nextFolder++);
    if (!QDir().mkpath(folder))
        qCWarning(lcPages) << "cannot make the undo folder" << folder;
    return folder;
}

QList<Step> PageHistory::keep(const QList<int> &positions)
{
    QList<Step> kept;
    for (int position : positions) {
        const QString folder = newFolder();
        if (!m_list->keepCopy(position, folder)) {
            QDir(folder).removeRecursively();
            discard(kept);
            return {};
        }
        kept.append({Kind::Exchange, position, folder});
    }
    return kept;
}

void PageHistory::discard(const QList<Step> &kept)
{
    for (const Step &step : kept)
        QDir(step.folder).removeRecursively();
}

void PageHistory::beginGroup()
{
    m_grouping = true;
    m_group.clear();
}

void PageHistory::endGroup(const QString &text)
{
    m_grouping = false;
    push(new PageCommand(m_list, text, std::exchange(m_group, {})));
}

void PageHistory::push(PageCommand *command)
{
    if (m_grouping) {
        m_group += command->steps();
        command->releaseFolders();
    }
    if (m_grouping || command->steps().isEmpty()) {
        delete command;
        return;
    }
    command->measure();
    m_stack->push(command);
    prune();
}

void PageHistory::recordChange(const QString &text, const QList<Step> &kept)
{
    push(new PageCommand(m_list, text, kept));
}

void PageHistory::recordAdded(const QString &text, int from, int count)
{
    QList<Step> steps;
    for (int i = 0; i < count; ++i)
        steps.append({Kind::Insert, from + i, newFolder()});
    push(new PageCommand(m_list, text, steps));
}

void PageHistory::recordSplit(const QString &text, const QList<Step> &kept, int position)
{
    QList<Step> steps = kept;
    steps.append({Kind::Insert, position + 1, newFolder()});
    push(new PageCommand(m_list, text, steps));
}

void PageHistory::recordMove(const QString &text, int from, int to)
{
    if (from != to)
        push(new PageCommand(m_list, text, {{Kind::Move, from, QString(), to}}));
}

int PageHistory::removePages(const QString &text, QList<int> positions)
{
    std::sort(positions.begin(), positions.end(), std::greater<int>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    QList<Step> steps;
    for (int position : std::as_const(positions)) {
        const QString folder = newFolder();
        if (m_list->takePage(position, folder))
            steps.append({Kind::Take, position, folder});
        else
            QDir(folder).removeRecursively();
    }
    const int removed = int(steps.size());
    push(new PageCommand(m_list, text, steps));
    return removed;
}

void PageHistory::clear()
{
    m_stack->clear();
    QDir(m_area).removeRecursively();
    retranslate();
}

void PageHistory::setLocked(bool locked)
{
    if (m_locked == locked)
        return;
    m_locked = locked;
    retranslate();
}

void PageHistory::takeStep(bool undo)
{
    // A shortcut may still reach a disabled action's slot through another path: the lock itself
    // is what keeps the pages still.
    if (m_locked || (undo ? !m_stack->canUndo() : !m_stack->canRedo()))
        return;
    const int index = undo ? m_stack->index() - 1 : m_stack->index();
    if (undo)
        m_stack->undo();
    else
        m_stack->redo();
    const auto *command = static_cast<const PageCommand *>(m_stack->command(index));
    if (command && command->hasFailed()) {
        // The pages are no longer where the older steps expect them; those steps are dropped.
        // The failed step keeps its folders, which may hold a page, until the area is emptied.
        m_stack->clear();
    }
    emit pagesChanged();
}

void PageHistory::prune()
{
    const int count = m_stack->count();
    QList<qint64> sizes;
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        sizes << static_cast<const PageCommand *>(m_stack->command(i))->heldBytes();
        total += sizes.last();
    }
    int drop = 0;
    while (count - drop > m_maxSteps || (total > m_maxBytes && count - drop > 1))
        total -= sizes.at(drop++);
    if (drop == 0)
        return;
    // QUndoStack drops nothing from the bottom on request: the steps that stay move to a new
    // stack (with their folders), and the old one deletes the dropped ones with theirs. Every
    // step is done here, as this runs right after a push.
    auto kept = std::make_unique<QUndoStack>();
    for (int i = drop; i < count; ++i) {
        // The stack hands out const pointers to commands it owns; this object made them.
        auto *old =
            const_cast<PageCommand *>(static_cast<const PageCommand *>(m_stack->command(i)));
        auto *copy = new PageCommand(m_list, old->text(), old->steps());
        copy->setHeldBytes(old->heldBytes());
        old->releaseFolders();
        kept->push(copy);
    }
    m_stack->disconnect(this);
    m_stack = std::move(kept);
    connectStack();
    retranslate();
}
