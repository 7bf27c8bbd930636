#include "import/PdfObjects.h"

#include <cmath>
#include <podofo/podofo.h>

using PoDoFo::PdfObject;
using PoDoFo::PdfVecObjects;

namespace PdfObjects {

namespace {

// Longest chain of references followed to reach a value.
constexpr int maxReferenceChain = 8;

// An integer entry of a parameter dictionary, or fallback when absent or not a number.
int integer(const PdfVecObjects &objects, const PdfObject *dict, const char *key, int fallback)
{
    double value = 0;
    if (!number(entry(objects, dict, key), &value) || !std::isfinite(value))
        return fallback;
    return int(std::clamp(value, -1e9, 1e9));
}

bool boolean(const PdfVecObjects &objects, const PdfObject *dict, const char *key)
{
    const PdfObject *value = entry(objects, dict, key);
    return value && value->IsBool() && value->GetBool();
}

PdfImageInfo::Filter filter(const PdfVecObjects &objects, const QByteArray &filterName,
                            const PdfObject *params)
{
    PdfImageInfo::Filter result;
    result.name = PdfStreamFilters::fullName(filterName);
    if (!params || !params->IsDictionary())
        return result;
    result.params.predictor = integer(objects, params, "Predictor", 1);
    result.params.colors = integer(objects, params, "Colors", 1);
    result.params.bitsPerComponent = integer(objects, params, "BitsPerComponent", 8);
    result.params.columns = integer(objects, params, "Columns", 1);
    result.params.earlyChange = integer(objects, params, "EarlyChange", 1);
    result.k = integer(objects, params, "K", 0);
    result.columns = integer(objects, params, "Columns", 1728);
    result.rows = integer(objects, params, "Rows", 0);
    result.blackIs1 = boolean(objects, params, "BlackIs1");
    result.encodedByteAlign = boolean(objects, params, "EncodedByteAlign");
    const PdfObject *globals = params->GetDictionary().GetKey(PoDoFo::PdfName("JBIG2Globals"));
    if (globals && globals->IsReference()) {
        result.globalsObject = int(globals->GetReference().ObjectNumber());
        result.globalsGeneration = int(globals->GetReference().GenerationNumber());
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
PdfImageInfo::ColourSpace simpleSpace(const PdfVecObjects &objects, const PdfObject *space,
                                      QByteArray *spaceName)
{
    using Space = PdfImageInfo::ColourSpace;
    if (space && space->IsName()) {
        *spaceName = name(space);
        return deviceSpace(*spaceName);
    }
    if (!space || !space->IsArray() || space->GetArray().GetSize() == 0)
        return Space::Unsupported;
    const PoDoFo::PdfArray &array = space->GetArray();
    *spaceName = name(resolve(objects, &array[0]));
    if (*spaceName == "CalGray" || *spaceName == "CalRGB")
        return deviceSpace(*spaceName);
    if (*spaceName == "ICCBased" && array.GetSize() >= 2) {
        const PdfObject *profile = resolve(objects, &array[1]);
        double components = 0;
        if (number(entry(objects, profile, "N"), &components)) {
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

void readColourSpace(const PdfVecObjects &objects, const PdfObject *space, PdfImageInfo *info)
{
    using Space = PdfImageInfo::ColourSpace;
    if (!space)
        return;
    if (space->IsArray() && space->GetArray().GetSize() >= 4) {
        const PoDoFo::PdfArray &array = space->GetArray();
        const QByteArray first = name(resolve(objects, &array[0]));
        if (first == "Indexed" || first == "I") {
            info->colourSpace = Space::Indexed;
            info->colourSpaceName = first;
            QByteArray baseName;
            info->base = simpleSpace(objects, resolve(objects, &array[1]), &baseName);
            double hival = 0;
            number(resolve(objects, &array[2]), &hival);
            info->hival = int(std::clamp(std::isfinite(hival) ? hival : 0.0, 0.0, 255.0));
            const PdfObject *lookup = resolve(objects, &array[3]);
            if (lookup && (lookup->IsString() || lookup->IsHexString())) {
                const PoDoFo::PdfString &text = lookup->GetString();
                info->palette = QByteArray(text.GetString(), qsizetype(text.GetLength()));
            } else if (lookup && lookup->HasStream()) {
                info->palette = decodedStream(objects, lookup, 256 * 4);
            }
            return;
        }
    }
    info->colourSpace = simpleSpace(objects, space, &info->colourSpaceName);
}

} // namespace

const PdfObject *resolve(const PdfVecObjects &objects, const PdfObject *value)
{
    for (int i = 0; value && value->IsReference(); ++i) {
        if (i == maxReferenceChain)
            return nullptr;
        value = objects.GetObject(value->GetReference());
    }
    return value;
}

const PdfObject *entry(const PdfVecObjects &objects, const PdfObject *object, const QByteArray &key)
{
    if (!object || !object->IsDictionary())
        return nullptr;
    return resolve(objects, object->GetDictionary().GetKey(PoDoFo::PdfName(key.toStdString())));
}

bool number(const PdfObject *value, double *result)
{
    if (!value)
        return false;
    if (value->IsNumber()) {
        *result = double(value->GetNumber());
        return true;
    }
    if (value->IsReal()) {
        *result = value->GetReal();
        return true;
    }
    return false;
}

QByteArray name(const PdfObject *value)
{
    if (!value || !value->IsName())
        return {};
    return QByteArray::fromStdString(value->GetName().GetName());
}

QList<double> numbers(const PdfVecObjects &objects, const PdfObject *value)
{
    QList<double> result;
    if (!value || !value->IsArray())
        return result;
    for (const PdfObject &item : value->GetArray()) {
        double n = 0;
        if (number(resolve(objects, &item), &n) && std::isfinite(n))
            result.append(n);
    }
    return result;
}

QByteArray rawStream(const PdfObject *object)
{
    if (!object || !object->HasStream())
        return {};
    const PoDoFo::PdfStream *stream = object->GetStream();
    // A loaded document keeps its streams in memory; read those in place.
    if (const auto *memory = dynamic_cast<const PoDoFo::PdfMemStream *>(stream)) {
        if (!memory->Get() || memory->GetLength() <= 0)
            return {};
        return QByteArray(memory->Get(), qsizetype(memory->GetLength()));
    }
    char *copy = nullptr;
    PoDoFo::pdf_long size = 0;
    stream->GetCopy(&copy, &size);
    const QByteArray bytes = copy && size > 0 ? QByteArray(copy, qsizetype(size)) : QByteArray();
    PoDoFo::podofo_free(copy);
    return bytes;
}

QList<PdfImageInfo::Filter> filters(const PdfVecObjects &objects, const PdfObject *object)
{
    QList<PdfImageInfo::Filter> result;
    const PdfObject *names = entry(objects, object, "Filter");
    const PdfObject *params = entry(objects, object, "DecodeParms");
    if (!params)
        params = entry(objects, object, "DP");
    if (names && names->IsName()) {
        const PdfObject *single = params;
        if (single && single->IsArray())
            single = single->GetArray().GetSize() > 0 ? resolve(objects, &single->GetArray()[0])
                                                      : nullptr;
        result.append(filter(objects, name(names), single));
    } else if (names && names->IsArray()) {
        const PoDoFo::PdfArray &list = names->GetArray();
        for (size_t i = 0; i < list.GetSize(); ++i) {
            const PdfObject *each = nullptr;
            if (params && params->IsArray() && i < params->GetArray().GetSize())
                each = resolve(objects, &params->GetArray()[i]);
            else if (params && params->IsDictionary() && list.GetSize() == 1)
                each = params;
            result.append(filter(objects, name(resolve(objects, &list[i])), each));
        }
    }
    return result;
}

QByteArray decodedStream(const PdfVecObjects &objects, const PdfObject *object, qsizetype limit)
{
    QByteArray bytes = rawStream(object);
    for (const PdfImageInfo::Filter &each : filters(objects, object)) {
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

PdfImageInfo imageInfo(const PdfVecObjects &objects, const PdfObject *image)
{
    PdfImageInfo info;
    info.objectNumber = int(image->Reference().ObjectNumber());
    info.generation = int(image->Reference().GenerationNumber());
    double value = 0;
    // Sizes past any sane page are clamped; the decoder refuses them anyway.
    if (number(entry(objects, image, "Width"), &value) && std::isfinite(value))
        info.width = qint64(std::clamp(value, -1e12, 1e12));
    if (number(entry(objects, image, "Height"), &value) && std::isfinite(value))
        info.height = qint64(std::clamp(value, -1e12, 1e12));
    if (number(entry(objects, image, "BitsPerComponent"), &value) && std::isfinite(value))
        info.bitsPerComponent = int(std::clamp(value, 0.0, 64.0));
    const PdfObject *mask = entry(objects, image, "ImageMask");
    info.imageMask = mask && mask->IsBool() && mask->GetBool();
    if (!info.imageMask)
        readColourSpace(objects, entry(objects, image, "ColorSpace"), &info);
    info.decode = numbers(objects, entry(objects, image, "Decode"));
    info.filters = filters(objects, image);
    return info;
}

} // namespace PdfObjects
