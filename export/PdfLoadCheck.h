#pragma once

#include <QByteArray>
#include <QString>

// Finds out in a separate process whether an existing PDF can be read as appending reads it
// (libqpdf: its page tree, then every object) ("vellumo-cli check-pdf -"). A hostile file may
// still keep the reader busy for long or take much memory, so the child takes that in the
// caller's place, with a time limit. Appending itself reads the file with libqpdf (see
// PdfUpdateAppender and QpdfFinisher).
class PdfLoadCheck
{
public:
    // The checking program is the vellumo-cli that ToolLocator finds.
    PdfLoadCheck();
    static constexpr QLatin1StringView ToolName{"vellumo-cli"};

    QString toolPath() const { return m_toolPath; }
    void setToolPath(const QString &path) { m_toolPath = path; }
    // How long the child may take, in milliseconds, before it is killed and the file refused.
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    static constexpr int defaultTimeoutMs() { return 120 * 1000; }

    // Writes pdf to the child's standard input and waits (see ProcessRunner) until the child
    // ends or the time limit passes. True only when the child exited
    // normally with code 0; a crash, another exit code, the time limit, a child that cannot be
    // started or no checking program at all give false, with the reason in errorString().
    [[nodiscard]] bool check(const QByteArray &pdf);
    // Developer-facing reason of the last refusal, for the log.
    QString errorString() const { return m_errorString; }

    // What the child does: reads pdf, walks its pages and writes the document to a pipeline
    // that drops the bytes, so that every object is parsed and written once. False with the
    // reason in error when the file cannot be read that way or has no pages.
    [[nodiscard]] static bool tryInThisProcess(const QByteArray &pdf, QString *error);

private:
    bool refuse(const QString &why);

    QString m_toolPath;
    int m_timeoutMs = defaultTimeoutMs();
    QString m_errorString;
};
