#pragma once

#include "export/SelectPathWidget.h"

// Picks an existing PDF file ("Open existing PDF"), starting at the path shown.
class SelectFileWidget : public SelectPathWidget
{
    Q_OBJECT

public:
    explicit SelectFileWidget(const QString &labelText, QWidget *parent = nullptr);

public Q_SLOTS:
    bool browseFile();

protected:
    bool browse() override { return browseFile(); }
};
