#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class RibbonGroup;

// One page (tab) of the ribbon: groups laid out left to right, with thin vertical separators
// between them.
class RibbonPage : public QWidget
{
    Q_OBJECT

public:
    explicit RibbonPage(const QString &title, QWidget *parent = nullptr);

    // The title may hold a '&' mnemonic ("&Scan && PDF"); the bar shows it on the page's tab.
    void setTitle(const QString &title);
    QString title() const { return m_title; }

    // Appends a group at the right; the page owns it.
    RibbonGroup *addGroup(const QString &title);
    int groupCount() const { return int(m_groups.size()); }
    // nullptr when the index is out of range.
    RibbonGroup *group(int index) const;

signals:
    void titleChanged(const QString &title);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QList<RibbonGroup *> m_groups;
    QHBoxLayout *m_layout = nullptr;
};
