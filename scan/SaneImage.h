#pragma once

#include <QByteArray>

#include <array>
#include <sane/sane.h>

// One scanned image as a SANE device delivers it, and its packing as a device-independent bitmap.
//
// A device sends one frame (grey or interleaved RGB) or, on a three-pass scanner, a red, a green
// and a blue frame. Each frame's rows arrive top row first, `bytes_per_line` apart; a frame of
// unknown height (`lines` = -1) or one cut short has as many rows as whole lines arrived.
//
// The bitmap is what the rest of Vellumo decodes: a 40-byte info header, a colour table, then the
// pixel rows bottom row first, each padded to a multiple of 4 bytes; no compression; the
// resolution in pixels per metre on both axes. Depending on the frames:
//   grey, 1 bit   -> 1-bit, table [black, white]; a set bit is white (SANE's set bit is black, so
//                    the bits are inverted; black stays black)
//   grey, 8 bits  -> 8-bit with a 256-entry grey table
//   grey, 16 bits -> 8-bit with the grey table, keeping each sample's high byte
//   colour, 8     -> 24-bit, blue green red
//   colour, 16    -> 48-bit, blue green red, 16-bit little-endian samples
class SaneImage
{
public:
    // Adds the bytes of one frame described by `params`. False, with nothing added, when the
    // frame cannot be packed: an unknown format or depth, a width of zero, a frame that does not
    // match the ones before it, or a frame after the last one.
    [[nodiscard]] bool addFrame(const SANE_Parameters &params, QByteArray bytes);
    // True once the frame marked as the last one has been added.
    bool isComplete() const { return m_complete; }
    int width() const { return m_width; }
    // Whole rows present in every frame added so far.
    int height() const;

    // The packed bitmap at `dotsPerInch` (stored rounded to pixels per metre). Empty when the
    // image is incomplete, has no rows, or a colour image lacks a channel.
    QByteArray toDib(double dotsPerInch) const;

    // Pixels per metre for a resolution in dots per inch, as stored in the header.
    static int pixelsPerMetre(double dotsPerInch);

private:
    struct Plane
    {
        QByteArray bytes;
        int bytesPerLine = 0;
    };

    QByteArray packLineArt(int rows, int ppm) const;
    QByteArray packGray(int rows, int ppm) const;
    QByteArray packColour(int rows, int ppm) const;

    // Grey frames use plane 0; colour frames use planes 0..2 for red, green and blue. An RGB
    // frame fills all three with the same interleaved bytes.
    std::array<Plane, 3> m_planes;
    std::array<bool, 3> m_hasPlane{};
    bool m_interleaved = false;
    bool m_isColour = false;
    bool m_complete = false;
    int m_frames = 0;
    int m_width = 0;
    int m_depth = 0;
};
