#include "OptionsDlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/Settings.h"
#include "options/CroppingPage.h"
#include "options/OptionsPage.h"
#include "options/PropertyModel.h"
#include "options/ScanResPage.h"
#include "options/ScannerPage.h"
#include "ribbon/FusionStyle.h"

OptionsDlg::OptionsDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_tree(new QTreeView(this))
    , m_stack(new QStackedWidget(this))
    , m_buttons(new QDialogButtonBox(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("OptionsDlg"));
    setModal(true);
    resize(600, 420);
    if (QScreen *screen = parent ? parent->screen() : this->screen())
        move(screen->availableGeometry().center() - rect().center());

    m_tree->setIconSize(QSize(24, 24));
    m_tree->setRootIsDecorated(false);
    m_tree->setHeaderHidden(true);
    m_tree->setMinimumWidth(200);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto *general = new OptionsPage;
    connect(general, &OptionsPage::languageChanged, this, &OptionsDlg::languageChanged);
    m_pages = {general, new ScanResPage, new ScannerPage, new CroppingPage};
    const int numbers[] = {PropertyModel::CommonPage, PropertyModel::ResolutionPage,
                           PropertyModel::ScannerPage, PropertyModel::CroppingPage};
    for (int i = 0; i < m_pages.size(); ++i) {
        m_stack->addWidget(m_pages.at(i));
        m_pageByNumber.insert(numbers[i], m_pages.at(i));
    }

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setStyle(FusionStyle::shared());
    splitter->addWidget(m_tree);
    splitter->addWidget(m_stack);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 5);
    splitter->setChildrenCollapsible(false);

    m_buttons->addButton(QDialogButtonBox::Ok);
    m_buttons->addButton(QDialogButtonBox::Cancel);
    connect(m_buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this,
            &OptionsDlg::save);
    connect(m_buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this,
            &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_buttons);
    setModel();
    retranslateUi();
}

void OptionsDlg::setModel()
{
    const QString current = m_model ? m_model->identifier(m_tree->currentIndex()) : QString();
    PropertyModel *old = m_model;
    m_model = new PropertyModel(this);
    m_tree->setModel(m_model);
    m_tree->expandAll();
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &OptionsDlg::selected);
    delete old;
    if (!current.isEmpty())
        m_tree->setCurrentIndex(m_model->findItem(current));
}

PropertyPage *OptionsDlg::currentPage() const
{
    return qobject_cast<PropertyPage *>(m_stack->currentWidget());
}

void OptionsDlg::selected(const QModelIndex &current, const QModelIndex &)
{
    PropertyPage *page = m_pageByNumber.value(m_model->pageNumber(current));
    if (!page)
        return;
    m_stack->setCurrentWidget(page);
    m_tree->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
}

void OptionsDlg::showEvent(QShowEvent *event)
{
    // Shown again by the window system (the main window restored from minimised): the controls
    // keep what the user has changed but not yet stored.
    if (event->spontaneous()) {
        QDialog::showEvent(event);
        return;
    }
    for (PropertyPage *page : std::as_const(m_pages))
        page->load();
    const QString last = Settings::readString(SettingsKeys::LastOptionsPage, QString());
    if (!last.isEmpty()) {
        m_tree->setCurrentIndex(m_model->findItem(last));
        m_tree->setFocus();
    } else {
        // A tree that takes the focus makes its first item current; with no page chosen yet,
        // none is, until the user picks one.
        m_buttons->button(QDialogButtonBox::Ok)->setFocus();
    }
    QDialog::showEvent(event);
}

void OptionsDlg::save()
{
    for (PropertyPage *page : std::as_const(m_pages))
        page->save();
    Settings::write(SettingsKeys::LastOptionsPage, m_model->identifier(m_tree->currentIndex()));
    accept();
}

void OptionsDlg::retranslateUi()
{
    setWindowTitle(tr("Settings"));
    m_buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
}

void OptionsDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        setModel();
        retranslateUi();
    }
    QDialog::changeEvent(event);
}
