#include "import/PdfContentScanner.h"

#include <cmath>
#include <vector>

#include "import/PdfStreamFilters.h"

namespace PdfContentScanner {

namespace {

// Graphics states saved by q and not yet restored; deeper nesting is taken for garbage.
constexpr int maxSavedStates = 4096;
// Operands kept before an operator; more are dropped (no operator here needs more than six).
constexpr int maxOperands = 16;

bool isDelimiter(char c)
{
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' ||
           c == '}' || c == '/' || c == '%';
}

struct Operand
{
    bool isNumber = false;
    bool isName = false;
    double number = 0;
    QByteArray name;
};

class Scanner
{
public:
    Scanner(const QByteArray &content, const QTransform &start, int maxDraws)
        : m_data(content.constData())
        , m_size(content.size())
        , m_ctm(start)
        , m_maxDraws(maxDraws)
    {
    }

    QList<Draw> run()
    {
        while (m_pos < m_size && m_draws.size() < m_maxDraws)
            step();
        return m_draws;
    }

private:
    char peek(qsizetype offset = 0) const
    {
        return m_pos + offset < m_size ? m_data[m_pos + offset] : '\0';
    }

    void push(Operand operand)
    {
        if (m_operands.size() >= maxOperands)
            m_operands.erase(m_operands.begin());
        m_operands.push_back(std::move(operand));
    }

    void step()
    {
        const char c = m_data[m_pos];
        if (PdfStreamFilters::isPdfWhitespace(c)) {
            ++m_pos;
        } else if (c == '%') {
            while (m_pos < m_size && m_data[m_pos] != '\n' && m_data[m_pos] != '\r')
                ++m_pos;
        } else if (c == '(') {
            skipString();
            push({});
        } else if (c == '<' && peek(1) == '<') {
            m_pos += 2;
            push({});
        } else if (c == '>' && peek(1) == '>') {
            m_pos += 2;
            push({});
        } else if (c == '<') {
            while (m_pos < m_size && m_data[m_pos] != '>')
                ++m_pos;
            ++m_pos;
            push({});
        } else if (c == '/') {
            ++m_pos;
            push(readName());
        } else if (isDelimiter(c)) {
            // [ ] { } and a stray ) or >: arrays are only operands of text operators here.
            ++m_pos;
            push({});
        } else {
            const qsizetype begin = m_pos;
            while (m_pos < m_size && !PdfStreamFilters::isPdfWhitespace(m_data[m_pos]) &&
                   !isDelimiter(m_data[m_pos]))
                ++m_pos;
            word(QByteArray::fromRawData(m_data + begin, m_pos - begin));
        }
    }

    void skipString()
    {
        int depth = 0;
        while (m_pos < m_size) {
            const char c = m_data[m_pos++];
            if (c == '\\') {
                ++m_pos;
            } else if (c == '(') {
                ++depth;
            } else if (c == ')' && --depth == 0) {
                return;
            }
        }
    }

    Operand readName()
    {
        Operand operand;
        operand.isName = true;
        while (m_pos < m_size && !PdfStreamFilters::isPdfWhitespace(m_data[m_pos]) &&
               !isDelimiter(m_data[m_pos])) {
            char c = m_data[m_pos++];
            if (c == '#' && m_pos + 1 < m_size && PdfStreamFilters::hexValue(m_data[m_pos]) >= 0 &&
                PdfStreamFilters::hexValue(m_data[m_pos + 1]) >= 0) {
                c = char(PdfStreamFilters::hexValue(m_data[m_pos]) << 4 |
                         PdfStreamFilters::hexValue(m_data[m_pos + 1]));
                m_pos += 2;
            }
            operand.name.append(c);
        }
        return operand;
    }

    void word(const QByteArray &token)
    {
        bool isNumber = false;
        const double value = token.toDouble(&isNumber);
        if (isNumber && std::isfinite(value)) {
            Operand operand;
            operand.isNumber = true;
            operand.number = value;
            push(std::move(operand));
            return;
        }
        if (token == "q") {
            if (m_saved.size() < maxSavedStates)
                m_saved.push_back(m_ctm);
        } else if (token == "Q") {
            if (!m_saved.empty()) {
                m_ctm = m_saved.back();
                m_saved.pop_back();
            }
        } else if (token == "cm") {
            concatenate();
        } else if (token == "Do") {
            if (!m_operands.empty() && m_operands.back().isName)
                m_draws.append({m_operands.back().name, m_ctm});
        } else if (token == "BI") {
            skipInlineImage();
        }
        m_operands.clear();
    }

    void concatenate()
    {
        if (m_operands.size() < 6)
            return;
        double m[6];
        for (int i = 0; i < 6; ++i) {
            const Operand &operand = m_operands[m_operands.size() - 6 + size_t(i)];
            if (!operand.isNumber)
                return;
            m[i] = operand.number;
        }
        m_ctm = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]) * m_ctm;
    }

    // From BI to just past EI: the dictionary up to the ID operator, then binary data that
    // ends at an EI standing alone between whitespace (or the end of the content).
    void skipInlineImage()
    {
        while (m_pos + 1 < m_size) {
            if (m_data[m_pos] == 'I' && m_data[m_pos + 1] == 'D' &&
                (m_pos == 0 || PdfStreamFilters::isPdfWhitespace(m_data[m_pos - 1]) ||
                 isDelimiter(m_data[m_pos - 1])) &&
                (m_pos + 2 >= m_size || PdfStreamFilters::isPdfWhitespace(m_data[m_pos + 2])))
                break;
            ++m_pos;
        }
        m_pos += 3;
        while (m_pos + 1 < m_size) {
            if (m_data[m_pos] == 'E' && m_data[m_pos + 1] == 'I' &&
                PdfStreamFilters::isPdfWhitespace(m_data[m_pos - 1]) &&
                (m_pos + 2 >= m_size || PdfStreamFilters::isPdfWhitespace(m_data[m_pos + 2]))) {
                m_pos += 2;
                return;
            }
            ++m_pos;
        }
        m_pos = m_size;
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    QTransform m_ctm;
    int m_maxDraws;
    std::vector<QTransform> m_saved;
    std::vector<Operand> m_operands;
    QList<Draw> m_draws;
};

} // namespace

QList<Draw> draws(const QByteArray &content, const QTransform &start, int maxDraws)
{
    return Scanner(content, start, maxDraws).run();
}

} // namespace PdfContentScanner
