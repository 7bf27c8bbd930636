#pragma once

#include "export/SelectPathWidget.h"

// Picks an existing folder ("Select a folder"), starting at the folder shown.
class SelectFolderWidget : public SelectPathWidget
{
    Q_OBJECT

public:
    explicit SelectFolderWidget(const QString &labelText, QWidget *parent = nullptr);

public Q_SLOTS:
    bool browseDir();

protected:
    bool browse() override { return browseDir(); }
};
