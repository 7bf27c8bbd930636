#pragma once

#include <QImage>
#include <QWidget>

// The scanner frame: the work-area page shown while a scan runs, and the owner of a scan run.
// Its signals report each page received, a cancelled scan and a failed scan.
class EzPrevScan : public QWidget
{
    Q_OBJECT

public:
    explicit EzPrevScan(QWidget *parent = nullptr);

signals:
    void pageScanned();
    void scanCancelled();
    void failedScan();
};
