#pragma once

#include "export/SelectPathWidget.h"

// Picks an existing folder ("Select a folder"), starting at the folder shown.
class SelectFolderWidget : public SelectPathWidget
{
    Q_OBJECT

public:
    explicit SelectFolderWidget(const QString &labelText, QWidget *parent = nullptr);

public:
    // Opens the dialog; then runs once a path is chosen.
    void browseDir(const std::function<void()> &then = {});

protected:
    void browse() override { browseDir(); }
};
