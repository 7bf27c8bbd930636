#include "import/PdfObjects.h"

// libqpdf's smart pointers are the standard ones.
#ifndef POINTERHOLDER_TRANSITION
#define POINTERHOLDER_TRANSITION 4
#endif
#include <qpdf/Buffer.hh>

#include <algorithm>
#include <cmath>

namespace PdfObjects {

namespace {

// An integer entry of a parameter dictionary, or fallback when absent or not a number.
int integer(QPDFObjectHandle dict, const char *key, int fallback)
{
    double value = 0;
    if (!number(entry(dict, key), &value) || !std::isfinite(value))
        return fallback;
    return int(std::clamp(value, -1e9, 1e9));
}

bool boolean(QPDFObjectHandle dict, const char *key)
{
    QPDFObjectHandle value = entry(dict, key);
    return value.isBool() && value.getBoolValue();
}

PdfImageInfo::Filter filter(const QByteArray &filterName, QPDFObjectHandle params)
{
    PdfImageInfo::Filter result;
    result.name = PdfStreamFilters::fullName(filterName);
    if (!params.isDictionary())
        return result;
    result.params.predictor = integer(params, "Predictor", 1);
    result.params.colors = integer(params, "Colors", 1);
    result.params.bitsPerComponent = integer(params, "BitsPerComponent", 8);
    result.params.columns = integer(params, "Columns", 1);
    result.params.earlyChange = integer(params, "EarlyChange", 1);
    result.k = integer(params, "K", 0);
    result.columns = integer(params, "Columns", 1728);
    result.rows = integer(params, "Rows", 0);
    result.blackIs1 = boolean(params, "BlackIs1");
    result.encodedByteAlign = boolean(params, "EncodedByteAlign");
    QPDFObjectHandle globals = params.getKey("/JBIG2Globals");
    if (globals.isIndirect()) {
        result.globalsObject = globals.getObjGen().getObj();
        result.globalsGeneration = globals.getObjGen().getGen();
    }
    return result;
}

PdfImageInfo::ColourSpace deviceSpace(const QByteArray &spaceName)
{
    using Space = PdfImageInfo::ColourSpace;
    if (spaceName == "DeviceGray" || spaceName == "G" || spaceName == "CalGray")
        return Space::Gray;
    if (spaceName == "DeviceRGB" || spaceName == "RGB" || spaceName == "CalRGB")
        return Space::Rgb;
    if (spaceName == "DeviceCMYK" || spaceName == "CMYK")
        return Space::Cmyk;
    return Space::Unsupported;
}

// A colour space other than Indexed: a device name, a calibrated or ICC-based array.
PdfImageInfo::ColourSpace simpleSpace(QPDFObjectHandle space, QByteArray *spaceName)
{
    using Space = PdfImageInfo::ColourSpace;
    if (space.isName()) {
        *spaceName = name(space);
        return deviceSpace(*spaceName);
    }
    if (!space.isArray() || space.getArrayNItems() == 0)
        return Space::Unsupported;
    *spaceName = name(space.getArrayItem(0));
    if (*spaceName == "CalGray" || *spaceName == "CalRGB")
        return deviceSpace(*spaceName);
    if (*spaceName == "ICCBased" && space.getArrayNItems() >= 2) {
        double components = 0;
        if (number(entry(space.getArrayItem(1), "N"), &components)) {
            if (components == 1)
                return Space::Gray;
            if (components == 3)
                return Space::Rgb;
            if (components == 4)
                return Space::Cmyk;
        }
    }
    return Space::Unsupported;
}

void readColourSpace(QPDFObjectHandle space, PdfImageInfo *info)
{
    using Space = PdfImageInfo::ColourSpace;
    if (space.isNull())
        return;
    if (space.isArray() && space.getArrayNItems() >= 4) {
        const QByteArray first = name(space.getArrayItem(0));
        if (first == "Indexed" || first == "I") {
            info->colourSpace = Space::Indexed;
            info->colourSpaceName = first;
            QByteArray baseName;
            info->base = simpleSpace(space.getArrayItem(1), &baseName);
            double hival = 0;
            number(space.getArrayItem(2), &hival);
            info->hival = int(std::clamp(std::isfinite(hival) ? hival : 0.0, 0.0, 255.0));
            QPDFObjectHandle lookup = space.getArrayItem(3);
            if (lookup.isString())
                info->palette = QByteArray::fromStdString(lookup.getStringValue());
            else if (lookup.isStream())
                info->palette = decodedStream(lookup, 256 * 4);
            return;
        }
    }
    info->colourSpace = simpleSpace(space, &info->colourSpaceName);
}

} // namespace

quint64 keyOf(QPDFObjectHandle object)
{
    if (!object.isIndirect())
        return 0;
    const QPDFObjGen id = object.getObjGen();
    return quint64(quint32(id.getObj())) << 16 | quint16(id.getGen());
}

QPDFObjectHandle entry(QPDFObjectHandle object, const QByteArray &key)
{
    if (object.isStream())
        object = object.getDict();
    if (!object.isDictionary())
        return QPDFObjectHandle::newNull();
    return object.getKey('/' + key.toStdString());
}

bool number(QPDFObjectHandle value, double *result)
{
    if (!value.isNumber())
        return false;
    *result = value.getNumericValue();
    return true;
}

QByteArray name(QPDFObjectHandle value)
{
    if (!value.isName())
        return {};
    const std::string text = value.getName();
    return QByteArray::fromStdString(text.empty() || text.front() != '/' ? text : text.substr(1));
}

QList<double> numbers(QPDFObjectHandle value)
{
    QList<double> result;
    if (!value.isArray())
        return result;
    const int count = value.getArrayNItems();
    for (int i = 0; i < count; ++i) {
        double n = 0;
        if (number(value.getArrayItem(i), &n) && std::isfinite(n))
            result.append(n);
    }
    return result;
}

QByteArray rawStream(QPDFObjectHandle object)
{
    if (!object.isStream())
        return {};
    const std::shared_ptr<Buffer> data = object.getRawStreamData();
    if (!data || data->getSize() == 0)
        return {};
    return QByteArray(reinterpret_cast<const char *>(data->getBuffer()),
                      qsizetype(data->getSize()));
}

QList<PdfImageInfo::Filter> filters(QPDFObjectHandle object)
{
    QList<PdfImageInfo::Filter> result;
    QPDFObjectHandle names = entry(object, "Filter");
    QPDFObjectHandle params = entry(object, "DecodeParms");
    if (params.isNull())
        params = entry(object, "DP");
    if (names.isName()) {
        QPDFObjectHandle single = params;
        if (single.isArray())
            single =
                single.getArrayNItems() > 0 ? single.getArrayItem(0) : QPDFObjectHandle::newNull();
        result.append(filter(name(names), single));
    } else if (names.isArray()) {
        const int count = names.getArrayNItems();
        for (int i = 0; i < count; ++i) {
            QPDFObjectHandle each = QPDFObjectHandle::newNull();
            if (params.isArray() && i < params.getArrayNItems())
                each = params.getArrayItem(i);
            else if (params.isDictionary() && count == 1)
                each = params;
            result.append(filter(name(names.getArrayItem(i)), each));
        }
    }
    return result;
}

QByteArray decodedStream(QPDFObjectHandle object, qsizetype limit)
{
    QByteArray bytes = rawStream(object);
    for (const PdfImageInfo::Filter &each : filters(object)) {
        if (each.name == "Crypt")
            continue;
        QByteArray out;
        QString error;
        if (!PdfStreamFilters::decode(each.name, bytes, each.params, limit, &out, &error))
            return {};
        bytes = std::move(out);
    }
    if (bytes.size() > limit)
        bytes.truncate(limit);
    return bytes;
}

PdfImageInfo imageInfo(QPDFObjectHandle image)
{
    PdfImageInfo info;
    info.objectNumber = image.getObjGen().getObj();
    info.generation = image.getObjGen().getGen();
    double value = 0;
    // Sizes past any sane page are clamped; the decoder refuses them anyway.
    if (number(entry(image, "Width"), &value) && std::isfinite(value))
        info.width = qint64(std::clamp(value, -1e12, 1e12));
    if (number(entry(image, "Height"), &value) && std::isfinite(value))
        info.height = qint64(std::clamp(value, -1e12, 1e12));
    if (number(entry(image, "BitsPerComponent"), &value) && std::isfinite(value))
        info.bitsPerComponent = int(std::clamp(value, 0.0, 64.0));
    QPDFObjectHandle mask = entry(image, "ImageMask");
    info.imageMask = mask.isBool() && mask.getBoolValue();
    if (!info.imageMask)
        readColourSpace(entry(image, "ColorSpace"), &info);
    info.decode = numbers(entry(image, "Decode"));
    info.filters = filters(image);
    return info;
}

} // namespace PdfObjects
