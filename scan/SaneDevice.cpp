#include "SaneDevice.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <sane/saneopts.h>
#include <vector>

#include "core/LogCategories.h"

namespace {

// The first of `values` equal to one of `names` (ignoring case), else the first for which
// `fallback` holds (given the lower-case value), else empty.
QString pickValue(const QStringList &values, std::initializer_list<const char *> names,
                  const std::function<bool(const QString &)> &fallback)
{
    for (const char *name : names) {
        for (const QString &value : values) {
            if (value.compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0)
                return value;
        }
    }
    for (const QString &value : values) {
        if (fallback(value.toLower()))
            return value;
    }
    return {};
}

bool has(const QString &lower, const char *part)
{
    return lower.contains(QLatin1StringView(part));
}

bool looksLikeFeeder(const QString &lower)
{
    return has(lower, "adf") || has(lower, "feeder") || has(lower, "duplex");
}

QString feederValue(const QStringList &values)
{
    const QString simplex =
        pickValue(values, {"ADF", "Automatic Document Feeder", "ADF Front", "Document Feeder"},
                  [](const QString &v) { return looksLikeFeeder(v) && !has(v, "duplex"); });
    return simplex.isEmpty() ? pickValue(values, {}, looksLikeFeeder) : simplex;
}

QString flatbedValue(const QStringList &values)
{
    const QString flatbed =
        pickValue(values, {"Flatbed", "Normal", "Document Table"}, [](const QString &v) {
            return has(v, "flatbed") || has(v, "platen") || has(v, "glass");
        });
    return flatbed.isEmpty()
               ? pickValue(values, {}, [](const QString &v) { return !looksLikeFeeder(v); })
               : flatbed;
}

QString lineArtValue(const QStringList &values)
{
    return pickValue(
        values,
        {"Lineart", "Binary", "Black & White", "Black and White", "BW", "Monochrome", "Mono"},
        [](const QString &v) { return has(v, "lineart") && !has(v, "colo"); });
}

QString grayValue(const QStringList &values)
{
    return pickValue(values, {"Gray", "Grey", "Grayscale", "Greyscale", "True Gray"},
                     [](const QString &v) { return has(v, "gray") || has(v, "grey"); });
}

QString colourValue(const QStringList &values)
{
    return pickValue(values, {"Color", "Colour", "24bit Color"}, [](const QString &v) {
        return (has(v, "color") || has(v, "colour")) && !has(v, "lineart") && !has(v, "halftone");
    });
}

QStringList stringList(const SANE_Option_Descriptor *desc)
{
    QStringList values;
    if (desc && desc->type == SANE_TYPE_STRING &&
        desc->constraint_type == SANE_CONSTRAINT_STRING_LIST) {
        for (const SANE_String_Const *v = desc->constraint.string_list; *v; ++v)
            values << QString::fromUtf8(*v);
    }
    return values;
}

double number(const SANE_Option_Descriptor *desc, SANE_Word word)
{
    return desc->type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word);
}

std::vector<double> wordList(const SANE_Option_Descriptor *desc)
{
    std::vector<double> words;
    if (desc && desc->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word *list = desc->constraint.word_list;
        for (SANE_Word i = 1; i <= list[0]; ++i)
            words.push_back(number(desc, list[i]));
    }
    return words;
}

double nearestAllowed(const SANE_Option_Descriptor *desc, double wanted)
{
    if (desc->constraint_type == SANE_CONSTRAINT_RANGE) {
        const SANE_Range *range = desc->constraint.range;
        const double low = number(desc, range->min);
        const double high = number(desc, range->max);
        const double step = number(desc, range->quant);
        double value = std::clamp(wanted, low, high);
        if (step > 0)
            value = std::min(high, low + std::round((value - low) / step) * step);
        return value;
    }
    const std::vector<double> words = wordList(desc);
    if (words.empty())
        return wanted;
    return *std::min_element(words.begin(), words.end(), [wanted](double a, double b) {
        return std::abs(a - wanted) < std::abs(b - wanted);
    });
}

} // namespace

std::unique_ptr<SaneDevice> SaneDevice::open(const QByteArray &name, SANE_Status &status)
{
    SANE_Handle handle = nullptr;
    status = sane_open(name.constData(), &handle);
    if (status != SANE_STATUS_GOOD)
        return nullptr;
    return std::unique_ptr<SaneDevice>(new SaneDevice(handle, name));
}

SaneDevice::SaneDevice(SANE_Handle handle, const QByteArray &name)
    : m_handle(handle)
    , m_name(name)
{
}

SaneDevice::~SaneDevice()
{
    sane_cancel(m_handle);
    sane_close(m_handle);
}

QVariant SaneDevice::value(const char *option) const
{
    const int index = optionIndex(option);
    const SANE_Option_Descriptor *desc =
        index > 0 ? sane_get_option_descriptor(m_handle, index) : nullptr;
    if (!desc || !SANE_OPTION_IS_ACTIVE(desc->cap) || desc->size <= 0)
        return {};
    QByteArray buffer(desc->size + 1, '\0');
    if (sane_control_option(m_handle, index, SANE_ACTION_GET_VALUE, buffer.data(), nullptr) !=
        SANE_STATUS_GOOD)
        return {};
    SANE_Word word = 0;
    std::memcpy(&word, buffer.constData(), std::min<std::size_t>(sizeof word, desc->size));
    switch (desc->type) {
    case SANE_TYPE_BOOL:
        return word != SANE_FALSE;
    case SANE_TYPE_INT:
        return int(word);
    case SANE_TYPE_FIXED:
        return SANE_UNFIX(word);
    case SANE_TYPE_STRING:
        return QString::fromUtf8(buffer.constData());
    default:
        return {};
    }
}

bool SaneDevice::setValue(const char *option, const QVariant &value)
{
    const int index = optionIndex(option);
    const SANE_Option_Descriptor *desc =
        index > 0 ? sane_get_option_descriptor(m_handle, index) : nullptr;
    if (!desc || !SANE_OPTION_IS_ACTIVE(desc->cap) || !SANE_OPTION_IS_SETTABLE(desc->cap))
        return false;
    std::vector<SANE_Word> words(std::max<std::size_t>(1, desc->size / sizeof(SANE_Word)));
    QByteArray text;
    void *data = words.data();
    switch (desc->type) {
    case SANE_TYPE_BOOL:
        words.assign(words.size(), value.toBool() ? SANE_TRUE : SANE_FALSE);
        break;
    case SANE_TYPE_INT:
        words.assign(words.size(), SANE_Word(std::lround(value.toDouble())));
        break;
    case SANE_TYPE_FIXED:
        words.assign(words.size(), SANE_FIX(value.toDouble()));
        break;
    case SANE_TYPE_STRING:
        text = value.toString().toUtf8().left(desc->size - 1);
        text.resize(desc->size, '\0');
        data = text.data();
        break;
    case SANE_TYPE_BUTTON:
        data = nullptr;
        break;
    default:
        return false;
    }
    SANE_Int info = 0;
    const SANE_Status status =
        sane_control_option(m_handle, index, SANE_ACTION_SET_VALUE, data, &info);
    if (status != SANE_STATUS_GOOD) {
        m_refusal = QStringLiteral("The scanner refused %1 = %2: %3")
                        .arg(QString::fromUtf8(option), value.toString(),
                             QString::fromUtf8(sane_strstatus(status)));
        qCWarning(lcScan).noquote() << m_refusal;
        return false;
    }
    return true;
}

bool SaneDevice::selectSource(bool feeder)
{
    const SANE_Option_Descriptor *desc = descriptor(SANE_NAME_SCAN_SOURCE);
    if (!desc)
        return !feeder;
    const QStringList values = stringList(desc);
    const QString value = feeder ? feederValue(values) : flatbedValue(values);
    if (value.isEmpty()) {
        qCWarning(lcScan) << "No source matches" << (feeder ? "feeder" : "flatbed") << values;
        return false;
    }
    return setIfDifferent(SANE_NAME_SCAN_SOURCE, value);
}

bool SaneDevice::selectResolution(double dotsPerInch)
{
    const SANE_Option_Descriptor *desc = descriptor(SANE_NAME_SCAN_RESOLUTION);
    return desc && setValue(SANE_NAME_SCAN_RESOLUTION, nearestAllowed(desc, dotsPerInch));
}

bool SaneDevice::selectPixelKind(PixelKind kind, int bitsPerSample)
{
    const QStringList modes = stringList(descriptor(SANE_NAME_SCAN_MODE));
    const auto setMode = [this](const QString &mode) {
        return !mode.isEmpty() && setIfDifferent(SANE_NAME_SCAN_MODE, mode);
    };
    switch (kind) {
    case PixelKind::LineArt:
        if (setMode(lineArtValue(modes)))
            return true;
        // Many backends give line art as grey at one bit.
        return (modes.isEmpty() || setMode(grayValue(modes))) && selectDepth(1);
    case PixelKind::Gray:
        return setMode(grayValue(modes)) && selectDepth(bitsPerSample);
    case PixelKind::Colour:
        return setMode(colourValue(modes)) && selectDepth(bitsPerSample);
    }
    return false;
}

double SaneDevice::resolution() const
{
    return value(SANE_NAME_SCAN_RESOLUTION).toDouble();
}

int SaneDevice::optionIndex(const char *option) const
{
    SANE_Int count = 0;
    if (sane_control_option(m_handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) !=
        SANE_STATUS_GOOD)
        return -1;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor *desc = sane_get_option_descriptor(m_handle, i);
        if (desc && desc->name && std::strcmp(desc->name, option) == 0)
            return i;
    }
    return -1;
}

const SANE_Option_Descriptor *SaneDevice::descriptor(const char *option) const
{
    const int index = optionIndex(option);
    return index > 0 ? sane_get_option_descriptor(m_handle, index) : nullptr;
}

bool SaneDevice::setIfDifferent(const char *option, const QVariant &wanted)
{
    return value(option) == wanted || setValue(option, wanted);
}

// 1 for line art; 8 or 16 otherwise, falling back to 8 when the device lacks the depth asked.
bool SaneDevice::selectDepth(int bits)
{
    const SANE_Option_Descriptor *desc = descriptor(SANE_NAME_BIT_DEPTH);
    if (!desc)
        return bits != 1;
    const std::vector<double> allowed = wordList(desc);
    const auto isAllowed = [&allowed](int depth) {
        return allowed.empty() || std::find(allowed.begin(), allowed.end(), depth) != allowed.end();
    };
    if (bits != 1 && !isAllowed(bits))
        bits = 8;
    return isAllowed(bits) && setIfDifferent(SANE_NAME_BIT_DEPTH, bits);
}
