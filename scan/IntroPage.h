#pragma once

#include <QWizardPage>

class FlipWidget;
class QCheckBox;
class QLabel;
class QSpinBox;

// The scanning wizard's first page: the interval between scans, whether the first sheet is
// scanned at once, the book switch to split spreads and the turning of pages. Loads its
// controls from the settings when it opens and stores them on Next.
class IntroPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit IntroPage(QWidget *parent = nullptr);

    // Book mode shows the split switch and titles the page for books.
    void setBookMode(bool book);
    bool isBookMode() const { return m_bookMode; }

    void initializePage() override;
    // Next: stores the choices and starts the page count of the run again.
    bool validatePage() override;
    // The scan page when the first sheet is scanned at once, else the timer page.
    int nextId() const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    bool m_bookMode = false;
    QLabel *m_text;
    QLabel *m_intervalLabel;
    QSpinBox *m_interval;
    QCheckBox *m_scanNow;
    QCheckBox *m_split;
    FlipWidget *m_flip;
};
