#pragma once

#include <array>

#include "options/PropertyPage.h"

class QDoubleSpinBox;
class QGroupBox;
class QLabel;

// Automatic cropping options: whether a margin is left around the found content, and how
// wide it is on each side.
class CroppingPage : public PropertyPage
{
    Q_OBJECT

public:
    explicit CroppingPage(QWidget *parent = nullptr);

    void load() override;
    void save() override;

public slots:
    void byDefault() override;

protected:
    void retranslateUi() override;

private:
    enum Side { Left, Top, Right, Bottom };

    QGroupBox *m_margins;
    std::array<QLabel *, 4> m_labels{};
    std::array<QDoubleSpinBox *, 4> m_boxes{};
};
