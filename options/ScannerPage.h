#pragma once

#include "options/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLabel;

// Scanner options: flatbed or feeder, one image or all, and the automatic steps applied to
// every scanned page.
class ScannerPage : public PropertyPage
{
    Q_OBJECT

public:
    explicit ScannerPage(QWidget *parent = nullptr);

    void load() override;
    void save() override;

public slots:
    void byDefault() override;

protected:
    void retranslateUi() override;

private:
    QLabel *m_sourceLabel;
    QComboBox *m_source;
    QLabel *m_acquireLabel;
    QComboBox *m_acquire;
    QCheckBox *m_deskew;
    QCheckBox *m_crop;
    QCheckBox *m_contrast;
    QCheckBox *m_preview;
    // Scanned and imported pages turned upright by their text.
    QCheckBox *m_upright;
};
