#include "ocr/PageRecognizer.h"

PageRecognizer::PageRecognizer(const QString &tool, const QString &languages,
                               const QStringList &files, int lanes, std::function<bool()> cancelled)
{
    const QString scratch = m_scratch.path();
    const std::atomic_bool *stop = &m_stop;
    const bool scratchOk = m_scratch.isValid();
    m_queue =
        std::make_unique<LaneQueue<OcrRunner::Result>>(int(files.size()), lanes, [=](int index) {
            OcrRunner::Result result;
            if (stop->load()) {
                result.status = OcrRunner::Status::Cancelled;
                return result;
            }
            if (!scratchOk) {
                result.detail = QStringLiteral("no temporary folder");
                return result;
            }
            return OcrRunner::recognize(tool, languages, files.at(index),
                                        scratch + QStringLiteral("/%1.words").arg(index), stop);
        });
    m_queue->setPoll([this, cancelled] {
        if (cancelled && cancelled())
            m_stop = true;
    });
}

PageRecognizer::~PageRecognizer()
{
    // Runs still going are of no use any more.
    m_stop = true;
    m_queue.reset();
}

OcrRunner::Result PageRecognizer::takeNext()
{
    return m_queue->takeNext();
}
