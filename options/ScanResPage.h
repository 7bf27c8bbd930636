#pragma once

#include <array>

#include "options/PropertyPage.h"

class QComboBox;
class QLabel;

// Resolution options: the dots per inch behind the "Middle", "Good" and "High" qualities.
class ScanResPage : public PropertyPage
{
    Q_OBJECT

public:
    explicit ScanResPage(QWidget *parent = nullptr);

    void load() override;
    void save() override;

public slots:
    void byDefault() override;

protected:
    void retranslateUi() override;

private:
    // Selects the entry with the resolution; one not offered leaves the choice as it is.
    static void select(QComboBox *list, int dpi);

    std::array<QLabel *, 3> m_labels{};
    std::array<QLabel *, 3> m_units{};
    std::array<QComboBox *, 3> m_lists{};
};
