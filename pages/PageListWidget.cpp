#include "PageListWidget.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/AppPaths.h"
#include "imaging/BrightnessContrast.h"
#include "pages/KSlabWidget.h"

PageListWidget::PageListWidget(QWidget *parent, FileOperations *operations)
    : ImageListWidget(parent)
{
    AppPaths::createDataFolders();
    m_store = std::make_unique<PageStore>(AppPaths::workingFolder(), operations);
    connect(this, &ImageListWidget::selected, this, qOverload<int>(&PageListWidget::pageSelected));
}

PageListWidget::~PageListWidget() = default;

KSlabWidget *PageListWidget::newSlab(int number, const QImage &thumbnail)
{
    const QSize size = m_store->thumbSize();
    auto *slab =
        new KSlabWidget(size.width(), size.height(), QString::number(number), nullptr, true);
    slab->setContextMenu(m_contextMenu);
    appendSlab(slab);
    if (!thumbnail.isNull())
        slab->setImage(thumbnail);
    return slab;
}

void PageListWidget::relabel(int from, int to)
{
    for (int position = qMax(0, from); position <= to && position < count(); ++position) {
        if (KSlabWidget *slab = slabAt(position))
            slab->setNumber(QString::number(position + 1));
    }
}

void PageListWidget::reportFailure()
{
    emit failed(m_store->errorString());
}

bool PageListWidget::addedToStore(bool added, const QImage &thumbnail)
{
    if (!added) {
        reportFailure();
        return false;
    }
    KSlabWidget *slab = newSlab(count() + 1, thumbnail);
    focusSlab(slab);
    return true;
}

bool PageListWidget::addImage(const QImage &image, bool blackAndWhite)
{
    QImage thumbnail;
    const bool added = m_store->addImage(image, blackAndWhite, &thumbnail);
    return addedToStore(added, thumbnail);
}

bool PageListWidget::addJpegFile(const QString &path, const QString &madeThumbnail,
                                 PageStore::FileUse use)
{
    QImage thumbnail;
    const bool added = m_store->addJpegFile(path, &thumbnail, madeThumbnail, use);
    return addedToStore(added, thumbnail);
}

bool PageListWidget::loadPage(const QString &fileName)
{
    QImage thumbnail;
    const bool found = m_store->loadPage(fileName, &thumbnail);
    newSlab(count() + 1, thumbnail);
    return found;
}

bool PageListWidget::replaceImage(const QImage &image, bool blackAndWhite, int position)
{
    if (position < 0 || position >= count())
        position = currentPosition();
    KSlabWidget *slab = slabAt(position);
    if (!slab)
        return false;
    QImage thumbnail;
    if (!m_store->replaceImage(position, image, blackAndWhite, &thumbnail)) {
        reportFailure();
        return false;
    }
    slab->setImage(thumbnail);
    focusSlab(slab);
    return true;
}

bool PageListWidget::restoreSource()
{
    const int position = currentPosition();
    QImage thumbnail;
    if (!m_store->restoreSource(position, &thumbnail))
        return false;
    if (!thumbnail.isNull()) {
        if (KSlabWidget *slab = slabAt(position))
            slab->setImage(thumbnail);
    }
    return true;
}

void PageListWidget::updateThumb(const QImage &image, int position)
{
    if (position < 0 || position >= count())
        position = currentPosition();
    KSlabWidget *slab = slabAt(position);
    if (!slab)
        return;
    QImage thumbnail;
    if (!m_store->updateThumb(position, image, &thumbnail)) {
        reportFailure();
        return;
    }
    slab->setImage(thumbnail);
}

void PageListWidget::showThumbnail(int position, const QImage &thumbnail)
{
    if (KSlabWidget *slab = slabAt(position))
        slab->setImage(thumbnail);
}

void PageListWidget::reloadThumb(int position)
{
    if (KSlabWidget *slab = slabAt(position)) {
        const QImage thumbnail = m_store->readThumbnail(position);
        if (!thumbnail.isNull())
            slab->setImage(thumbnail);
    }
}

void PageListWidget::rebuildThumb(int position)
{
    KSlabWidget *slab = slabAt(position);
    const QImage image(m_store->workingPath(position));
    QImage thumbnail;
    if (slab && !image.isNull() && m_store->updateThumb(position, image, &thumbnail))
        slab->setImage(thumbnail);
}

void PageListWidget::setContrast(int brightness, int contrast)
{
    const int position = currentPosition();
    KSlabWidget *slab = slabAt(position);
    const QString working = m_store->workingPath(position);
    if (!slab || working.isEmpty() || QFileInfo(working).suffix() == QLatin1String("tiff"))
        return;
    QImage thumbnail = m_store->readThumbnail(position);
    if (thumbnail.isNull())
        return;
    BrightnessContrast::applyBrightnessContrast(thumbnail, brightness, contrast);
    slab->setImage(thumbnail);
    if (!m_store->writeThumbnail(position, thumbnail))
        reportFailure();
}

void PageListWidget::removeAt(int position)
{
    KSlabWidget *slab = slabAt(position);
    if (!slab)
        return;
    removeSlab(slab, true);
    const bool renamed = m_store->removeAt(position);
    relabel(position, count() - 1);
    if (!renamed)
        reportFailure();
    if (count() > 0)
        selectPosition(qMin(position, count() - 1), 0);
}

void PageListWidget::removeCurrent()
{
    removeAt(currentPosition());
}

bool PageListWidget::mirrorMove(int from, int to, PageStore::MoveResult result)
{
    if (result == PageStore::MoveResult::Unchanged) {
        reportFailure();
        return false;
    }
    moveSlab(from, to);
    relabel(qMin(from, to), qMax(from, to));
    if (result == PageStore::MoveResult::Inconsistent)
        reportFailure();
    return true;
}

void PageListWidget::movePageUp()
{
    const int position = currentPosition();
    if (position <= 0)
        return;
    if (mirrorMove(position, position - 1, m_store->move(position, position - 1)))
        selectPosition(position - 1, -1);
}

void PageListWidget::movePageDown()
{
    const int position = currentPosition();
    if (position < 0 || position >= count() - 1)
        return;
    if (mirrorMove(position, position + 1, m_store->move(position, position + 1)))
        selectPosition(position + 1, 1);
}

void PageListWidget::movePageToTop()
{
    const int position = currentPosition();
    if (position <= 0)
        return;
    if (mirrorMove(position, 0, m_store->move(position, 0)))
        selectPosition(0, -count());
}

void PageListWidget::movePageToBottom()
{
    const int position = currentPosition();
    const int last = count() - 1;
    if (position < 0 || position >= last)
        return;
    if (mirrorMove(position, last, m_store->move(position, last)))
        selectPosition(last, count() + 1);
}

void PageListWidget::movePageTo(int position)
{
    const int current = currentPosition();
    if (current < 0 || position < 0 || position >= count() || position == current)
        return;
    if (mirrorMove(current, position, m_store->move(current, position)))
        selectPosition(position, 0);
}

bool PageListWidget::splitPage(int position, const QString &leftPath, const QString &rightPath,
                               const QString &workingPath)
{
    if (position < 0 || position >= count() || m_store->workingPath(position) != workingPath)
        return false;
    setUpdatesEnabled(false);
    const PageStore::SplitResult result = m_store->splitPage(position, leftPath, rightPath);
    if (result.leftReplaced)
        slabAt(position)->setImage(result.leftThumbnail);
    bool done = false;
    if (result.rightAdded) {
        KSlabWidget *slab = newSlab(count() + 1, result.rightThumbnail);
        const int last = count() - 1;
        if (last != position + 1 && result.rightMoved != PageStore::MoveResult::Unchanged) {
            moveSlab(last, position + 1);
            relabel(position + 1, last);
        }
        done = result.rightMoved != PageStore::MoveResult::Unchanged;
        if (!done || result.rightMoved == PageStore::MoveResult::Inconsistent)
            reportFailure();
        focusSlab(slab);
    } else {
        reportFailure();
    }
    setUpdatesEnabled(true);
    return done;
}

bool PageListWidget::keepCopy(int position, const QString &folder)
{
    // No page there: nothing to keep and nothing to report.
    if (position < 0 || position >= count())
        return false;
    if (m_store->keepCopy(position, folder))
        return true;
    reportFailure();
    return false;
}

bool PageListWidget::takePage(int position, const QString &folder)
{
    KSlabWidget *slab = slabAt(position);
    if (!slab || !m_store->takePage(position, folder)) {
        reportFailure();
        return false;
    }
    removeSlab(slab, true);
    relabel(position, count() - 1);
    if (count() > 0)
        selectPosition(qMin(position, count() - 1), 0);
    return true;
}

bool PageListWidget::insertPage(int position, const QString &folder)
{
    if (position < 0 || position > count() || !m_store->insertPage(position, folder)) {
        reportFailure();
        return false;
    }
    KSlabWidget *slab = newSlab(count() + 1, m_store->readThumbnail(position));
    const int last = count() - 1;
    if (last != position) {
        moveSlab(last, position);
        relabel(position, last);
    }
    focusSlab(slab);
    return true;
}

bool PageListWidget::exchangePage(int position, const QString &folder)
{
    if (!slabAt(position) || !m_store->exchangePage(position, folder)) {
        reportFailure();
        return false;
    }
    reloadThumb(position);
    return true;
}

bool PageListWidget::movePage(int from, int to)
{
    if (from == to || !mirrorMove(from, to, m_store->move(from, to)))
        return false;
    selectPosition(to, 0);
    return true;
}

bool PageListWidget::renumberPages()
{
    if (m_store->renumber() == PageStore::MoveResult::Moved)
        return true;
    reportFailure();
    return false;
}

void PageListWidget::clearPages()
{
    removeAllSlabs();
    m_store->clear();
}

QString PageListWidget::workingPath(int position) const
{
    return m_store->workingPath(position);
}

QString PageListWidget::currentWorkingPath() const
{
    return m_store->workingPath(currentPosition());
}

QStringList PageListWidget::workingPaths() const
{
    return m_store->workingPaths();
}

QStringList PageListWidget::exportPaths() const
{
    const QStringList all = workingPaths();
    QStringList checked;
    for (int position = 0; position < all.size(); ++position) {
        if (isCheckedAt(position))
            checked << all[position];
    }
    return checked.isEmpty() ? all : checked;
}

QStringList PageListWidget::filesForDrag(const QList<int> &positions) const
{
    QStringList files;
    for (int position : positions) {
        const QString path = m_store->workingPath(position);
        if (!path.isEmpty())
            files << path;
    }
    return files;
}

QStringList PageListWidget::thumbPaths() const
{
    return m_store->thumbPaths();
}

QString PageListWidget::workingFolder() const
{
    return m_store->workingFolder();
}

QSize PageListWidget::thumbSize() const
{
    return m_store->thumbSize();
}

void PageListWidget::setThumbSize(const QSize &size)
{
    m_store->setThumbSize(size);
}

bool PageListWidget::isChecked(int position) const
{
    return isCheckedAt(position);
}

int PageListWidget::lastPageNumber() const
{
    return m_store->lastPageNumber();
}

void PageListWidget::pageSelected(int position)
{
    emit pageSelected(m_store->workingPath(position));
}
