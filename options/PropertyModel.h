#pragma once

#include <QAbstractItemModel>
#include <QString>

#include <memory>
#include <vector>

// The options dialog's tree: an invisible root with one item per options page. Each item has
// a text, an identifier (stored as the page last shown) and the number of its page.
class PropertyModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    static constexpr int ResolutionPage = 0;
    static constexpr int ScannerPage = 1;
    static constexpr int CommonPage = 2;
    static constexpr int CroppingPage = 3;

    explicit PropertyModel(QObject *parent = nullptr);
    ~PropertyModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The first item, depth-first, with the identifier; invalid when none.
    QModelIndex findItem(const QString &identifier) const;
    QString identifier(const QModelIndex &index) const;
    // -1 for an invalid index.
    int pageNumber(const QModelIndex &index) const;

private:
    struct Item
    {
        QString text;
        QString identifier;
        int page = -1;
        Item *parent = nullptr;
        std::vector<std::unique_ptr<Item>> children;
    };

    Item *itemAt(const QModelIndex &index) const;
    QModelIndex find(const Item *item, const QString &identifier) const;
    QModelIndex indexOf(const Item *item) const;
    Item *addItem(const QString &text, const QString &identifier, int page);

    Item m_root;
};
