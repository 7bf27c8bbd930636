#pragma once

#include <QFileDialog>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

// Answers the next modal file dialog: records how it was opened, then chooses the given path
// and accepts, or cancels when the path is empty. Polls every 20 ms from the event loop, so it
// works from inside QFileDialog::exec(). A dialog that never came fails the running test when the
// answerer goes out of scope.
class FileDialogAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit FileDialogAnswerer(const QString &path, QObject *parent = nullptr);
    ~FileDialogAnswerer() override;

    bool hasAnswered() const { return m_answered; }
    QString title() const { return m_title; }
    // The folder the dialog showed when it opened.
    QString directory() const { return m_directory; }
    QStringList nameFilters() const { return m_nameFilters; }
    QFileDialog::AcceptMode acceptMode() const { return m_acceptMode; }
    QFileDialog::FileMode fileMode() const { return m_fileMode; }
    QFileDialog::Options options() const { return m_options; }

private:
    void poll();

    QString m_path;
    QTimer m_timer;
    bool m_answered = false;
    QString m_title;
    QString m_directory;
    QStringList m_nameFilters;
    QFileDialog::AcceptMode m_acceptMode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode m_fileMode = QFileDialog::AnyFile;
    QFileDialog::Options m_options;
};
