#pragma once

#include <QDialog>
#include <QList>
#include <QMap>

class PropertyModel;
class PropertyPage;
class QDialogButtonBox;
class QModelIndex;
class QSplitter;
class QStackedWidget;
class QTreeView;

// The "Settings" dialog: a tree of the options pages on the left, the chosen page on the
// right. Every page loads its controls when the dialog is shown and saves them only on OK;
// the page last chosen opens again next time.
class OptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit OptionsDlg(QWidget *parent = nullptr);

    // The pages in stack order: General, Resolution, Scanner, Cropping.
    QList<PropertyPage *> pages() const { return m_pages; }
    PropertyPage *currentPage() const;
    QTreeView *tree() const { return m_tree; }
    PropertyModel *model() const { return m_model; }

signals:
    // A language was chosen and stored: the application switches to it at once, whether or
    // not the dialog is accepted later.
    void languageChanged();

public slots:
    void selected(const QModelIndex &current, const QModelIndex &previous);
    void save();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // A new tree model (texts in the current language), keeping the current item.
    void setModel();
    void retranslateUi();

    PropertyModel *m_model = nullptr;
    QTreeView *m_tree;
    QStackedWidget *m_stack;
    QDialogButtonBox *m_buttons;
    QList<PropertyPage *> m_pages;
    QMap<int, PropertyPage *> m_pageByNumber;
};
