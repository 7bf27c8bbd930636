#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

// One page of the options dialog: a shaded header with the page's title, a description, the
// page's controls and a "Default" button. A page loads its controls from the settings when
// the dialog is shown and writes them back only on OK; "Default" resets the controls alone.
class PropertyPage : public QWidget
{
    Q_OBJECT

public:
    PropertyPage(const QString &pageName, QWidget *parent = nullptr);

    QString pageName() const { return m_pageName; }
    void setTitle(const QString &title);
    QString title() const { return m_title; }

    // Settings into the controls.
    virtual void load() = 0;
    // Controls into the settings.
    virtual void save() = 0;

public slots:
    virtual void byDefault() = 0;

protected:
    void setDescription(const QString &text);
    // Where a page puts its controls, between the description and the "Default" button.
    QVBoxLayout *controls() const { return m_controls; }
    // Pages set their texts here, once built and on every change of language.
    virtual void retranslateUi() = 0;
    void changeEvent(QEvent *event) override;

private:
    QString m_pageName;
    QString m_title;
    QLabel *m_header;
    QLabel *m_description;
    QVBoxLayout *m_controls;
    QPushButton *m_default;
};
