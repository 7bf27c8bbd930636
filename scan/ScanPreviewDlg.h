#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

// "Scan with preview": shows a quick low-resolution pass of the flatbed; Scan goes on with the
// real scan, Cancel (or closing the window) cancels it.
class ScanPreviewDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ScanPreviewDlg(QWidget *parent = nullptr);

    void setPreview(const QImage &image);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();

    QLabel *m_picture;
    QPushButton *m_scan;
    QPushButton *m_cancel;
};
