#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class ExportProgress;
class QTemporaryDir;

// Base of the writers that build one document from the page image files (Word, DjVu). A
// generator lives for one export: give it the pages, call generate() once, then read
// isCancelled() and errorString().
class DocGenerator
{
    Q_DECLARE_TR_FUNCTIONS(DocGenerator)

public:
    // The progress may be null (the command line); it is not owned and must outlive generate().
    explicit DocGenerator(ExportProgress *progress = nullptr);
    virtual ~DocGenerator();
    DocGenerator(const DocGenerator &) = delete;
    DocGenerator &operator=(const DocGenerator &) = delete;

    // The document a folder and a typed name give: every "." + suffix taken out of the name
    // (case matters), then one added ("report.DOCX" gives "report.DOCX.docx"), with native
    // separators.
    static QString targetPath(const QString &folder, const QString &name, const QString &suffix);

    // Replaces the page files; their order is the page order of the document.
    void setFiles(const QStringList &files);
    QStringList files() const { return m_files; }

    // Writes the document to target. True when the run ended without error, a cancelled run
    // included (nothing is then written to target); false with errorString() otherwise.
    [[nodiscard]] virtual bool generate(const QString &target) = 0;

    // Whether the last generate() stopped because the user cancelled.
    bool isCancelled() const { return m_cancelled; }
    // What failed, naming the file, after generate() returned false.
    QString errorString() const { return m_error; }

protected:
    ExportProgress *progress() const { return m_progress; }
    void setCancelled(bool cancelled) { m_cancelled = cancelled; }
    // Records the reason of a failure; always returns false, for "return fail(...)".
    bool fail(const QString &reason);
    // Clears the outcome of an earlier run.
    void resetOutcome();
    // Every page file is there. A page that has gone fails the whole export, naming it, as in
    // every export: a document quietly short of a page is worse than none.
    bool allPagesPresent();
    // The last step of a run: the complete document at written (inside scratch, the run's own
    // folder beside the target) replaces target in one rename, with the permissions an existing
    // target had; then scratch goes. False, with the reason recorded, when either fails.
    bool placeDocument(const QString &written, const QString &target, QTemporaryDir &scratch);

private:
    ExportProgress *m_progress;
    QStringList m_files;
    bool m_cancelled = false;
    QString m_error;
};
