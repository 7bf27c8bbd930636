#pragma once

#include <QDialog>

class QLabel;
class QDialogButtonBox;

// Tells of a newer version and where to download it. "Download" opens the download address in
// the browser and accepts the dialog; an address that is not https is never opened.
class UpdateDlg : public QDialog
{
    Q_OBJECT

public:
    UpdateDlg(const QString &version, const QString &path, QWidget *parent = nullptr);

    QString path() const { return m_path; }

public slots:
    void download();

private:
    QString m_path;
};
