#include "PropertyModel.h"

#include <QIcon>
#include <QSize>

PropertyModel::PropertyModel(QObject *parent)
    : QAbstractItemModel(parent)
{
    addItem(tr("General"), QStringLiteral("PT_Common"), CommonPage);
    addItem(tr("Scanner"), QStringLiteral("PT_Scanner"), ScannerPage);
    addItem(tr("Resolution"), QStringLiteral("PT_ScanRes"), ResolutionPage);
    addItem(tr("Cropping"), QStringLiteral("PT_Cropping"), CroppingPage);
}

PropertyModel::~PropertyModel() = default;

PropertyModel::Item *PropertyModel::addItem(const QString &text, const QString &identifier,
                                            int page)
{
    auto item = std::make_unique<Item>();
    item->text = text;
    item->identifier = identifier;
    item->page = page;
    item->parent = &m_root;
    m_root.children.push_back(std::move(item));
    return m_root.children.back().get();
}

PropertyModel::Item *PropertyModel::itemAt(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Item *>(index.internalPointer())
                           : const_cast<Item *>(&m_root);
}

QModelIndex PropertyModel::indexOf(const Item *item) const
{
    if (!item || item == &m_root)
        return {};
    const auto &siblings = item->parent->children;
    for (size_t row = 0; row < siblings.size(); ++row) {
        if (siblings[row].get() == item)
            return createIndex(int(row), 0, const_cast<Item *>(item));
    }
    return {};
}

QModelIndex PropertyModel::index(int row, int column, const QModelIndex &parent) const
{
    const Item *owner = itemAt(parent);
    if (column != 0 || row < 0 || row >= int(owner->children.size()))
        return {};
    return createIndex(row, column, owner->children[size_t(row)].get());
}

QModelIndex PropertyModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    return indexOf(itemAt(child)->parent);
}

int PropertyModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(itemAt(parent)->children.size());
}

int PropertyModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant PropertyModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Item *item = itemAt(index);
    switch (role) {
    case Qt::DisplayRole:
        return item->text;
    case Qt::DecorationRole:
        switch (item->page) {
        case ResolutionPage:
            return QIcon(QStringLiteral(":/new/resol"));
        case ScannerPage:
            return QIcon(QStringLiteral(":/images/ScanPage"));
        case CommonPage:
            return QIcon(QStringLiteral(":/images/Settings"));
        case CroppingPage:
            return QIcon(QStringLiteral(":/images/Crop"));
        default:
            return {};
        }
    case Qt::SizeHintRole:
        return QSize(100, 32);
    default:
        return {};
    }
}

QModelIndex PropertyModel::find(const Item *item, const QString &identifier) const
{
    for (const auto &child : item->children) {
        if (child->identifier == identifier)
            return indexOf(child.get());
        const QModelIndex below = find(child.get(), identifier);
        if (below.isValid())
            return below;
    }
    return {};
}

QModelIndex PropertyModel::findItem(const QString &identifier) const
{
    return find(&m_root, identifier);
}

QString PropertyModel::identifier(const QModelIndex &index) const
{
    return index.isValid() ? itemAt(index)->identifier : QString();
}

int PropertyModel::pageNumber(const QModelIndex &index) const
{
    return index.isValid() ? itemAt(index)->page : -1;
}
