// Writes a few small valid packed bitmaps, one per format the decoder knows, into the folder
// given as the only argument: the seed corpus of fuzz_dib.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

void put(Bytes &b, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        b.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// Header, masks, a grey colour table of tableEntries entries, then the rows as given.
Bytes bitmap(std::int32_t width, std::int32_t height, int bitCount, std::uint32_t compression,
             std::initializer_list<std::uint32_t> masks, int tableEntries, const Bytes &rows)
{
    Bytes b;
    put(b, 40, 4);
    put(b, static_cast<std::uint32_t>(width), 4);
    put(b, static_cast<std::uint32_t>(height), 4);
    put(b, 1, 2);
    put(b, static_cast<std::uint32_t>(bitCount), 2);
    put(b, compression, 4);
    put(b, compression == 2 ? static_cast<std::uint32_t>(rows.size()) : 0, 4);
    put(b, 11811, 4); // 300 dpi
    put(b, 11811, 4);
    put(b, static_cast<std::uint32_t>(tableEntries), 4);
    put(b, 0, 4);
    for (std::uint32_t mask : masks)
        put(b, mask, 4);
    for (int i = 0; i < tableEntries; ++i)
        put(b,
            static_cast<std::uint32_t>(i * 0x010101 *
                                       (255 / (tableEntries > 1 ? tableEntries - 1 : 1))),
            4);
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

// Rows of a ramp pattern: height rows of rowBytes bytes.
Bytes ramp(int rowBytes, int height)
{
    Bytes rows;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < rowBytes; ++x)
            rows.push_back(static_cast<unsigned char>(x * 37 + y * 11));
    return rows;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: dib_seeds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const Bytes runLength{0x05, 0x12, 0, 0, 0, 5, 0x9A, 0xBC, 0xD0, 0, 0x03,
                          0xEF, 0,    0, 0, 2, 3, 0,    0x02, 0x77, 0, 1};
    const struct
    {
        const char *name;
        Bytes block;
    } seeds[] = {
        {"1bit", bitmap(13, 5, 1, 0, {}, 2, ramp(4, 5))},
        {"1bit-top-first", bitmap(13, -5, 1, 0, {}, 2, ramp(4, 5))},
        {"4bit", bitmap(7, 3, 4, 0, {}, 16, ramp(4, 3))},
        {"4bit-rle", bitmap(8, 3, 4, 2, {}, 16, runLength)},
        {"8bit", bitmap(5, 4, 8, 0, {}, 256, ramp(8, 4))},
        {"16bit-555", bitmap(3, 3, 16, 0, {}, 0, ramp(8, 3))},
        {"16bit-565", bitmap(3, 3, 16, 3, {0xF800, 0x07E0, 0x001F}, 0, ramp(8, 3))},
        {"16bit-444", bitmap(3, 3, 16, 3, {0x0F00, 0x00F0, 0x000F}, 0, ramp(8, 3))},
        {"24bit", bitmap(3, 3, 24, 0, {}, 0, ramp(12, 3))},
        {"24bit-top-first", bitmap(3, -3, 24, 0, {}, 0, ramp(12, 3))},
        {"32bit", bitmap(3, 2, 32, 0, {}, 0, ramp(12, 2))},
        {"48bit", bitmap(3, 2, 48, 0, {}, 0, ramp(20, 2))},
    };
    for (const auto &seed : seeds) {
        std::ofstream out(folder + "/" + seed.name + ".dib", std::ios::binary);
        out.write(reinterpret_cast<const char *>(seed.block.data()),
                  static_cast<std::streamsize>(seed.block.size()));
        if (!out) {
            std::fprintf(stderr, "dib_seeds: cannot write into %s\n", folder.c_str());
            return 1;
        }
    }
    return 0;
}
