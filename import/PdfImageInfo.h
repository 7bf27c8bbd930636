#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "import/PdfStreamFilters.h"

// One image XObject of a PDF file as its dictionary describes it, read without its data. The
// values are what the file says, unchecked: PdfImageDecoder checks them against its limits and
// against the data before trusting any of them.
struct PdfImageInfo
{
    enum class ColourSpace {
        Unknown, // absent (allowed for masks and for DCT data, whose frame tells)
        Gray,
        Rgb,
        Cmyk,
        Indexed,
        Unsupported // Lab, Separation, DeviceN, Pattern, a named resource, ...
    };

    // One entry of the filter chain, in the order the filters are undone.
    struct Filter
    {
        QByteArray name; // full name, e.g. "FlateDecode"
        PdfStreamFilters::Params params;
        // CCITTFaxDecode parameters, with the defaults a missing entry means.
        int k = 0;
        int columns = 1728;
        int rows = 0; // 0: not given
        bool blackIs1 = false;
        bool encodedByteAlign = false;
        // JBIG2Decode: the object holding the global segments, 0 when there is none.
        int globalsObject = 0;
        int globalsGeneration = 0;
    };

    int objectNumber = 0;
    int generation = 0;
    qint64 width = 0;
    qint64 height = 0;
    int bitsPerComponent = 0; // 0 when absent
    ColourSpace colourSpace = ColourSpace::Unknown;
    QByteArray colourSpaceName; // as written, for messages about unsupported ones
    // Indexed colour: the base space, the highest index and the colour table (hival + 1
    // entries of the base space's components, one byte each, as found).
    ColourSpace base = ColourSpace::Unknown;
    int hival = 0;
    QByteArray palette;
    QList<Filter> filters;
    QList<double> decode; // empty when absent
    bool imageMask = false;

    // Where the image was first drawn: its page (0 for the first), -1 when no page uses it.
    int page = -1;
    // Resolution in dots per inch from how it is drawn there; 0 when that is unknown.
    double dpiX = 0;
    double dpiY = 0;

    // "12 0 R", for messages.
    QString reference() const;
    // Components of one pixel in the colour space (1 for masks and indexed images), 0 when the
    // colour space is not one the decoder handles.
    int components() const;
    // Whether the /Decode array swaps the first component's range ([1 0] for grey and masks,
    // [hival 0] for an index).
    bool decodeInverted() const;
};
