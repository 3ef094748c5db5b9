// render, run as a user runs it: with no display, its PNG read back pixel by pixel.
#include "support/cli_fixtures.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <zlib.h>

namespace zw {
namespace {

using test::slurp;
using test::spit;

// The pixels of an 8-bit RGB or RGBA, non-interlaced PNG: enough to read what
// the render command writes. An empty picture means the file was not such a PNG.
using Px = std::array<uint8_t, 3>;

struct Picture {
    int width = 0, height = 0;
    std::vector<Px> pixels;

    Px at(int x, int y) const {
        return pixels.at(static_cast<size_t>(y) * static_cast<size_t>(width) +
                         static_cast<size_t>(x));
    }
};

uint32_t bigEndian32(const std::string& s, size_t at) {
    return (uint32_t(uint8_t(s[at])) << 24) | (uint32_t(uint8_t(s[at + 1])) << 16) |
           (uint32_t(uint8_t(s[at + 2])) << 8) | uint32_t(uint8_t(s[at + 3]));
}

int paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

Picture decodePng(const std::string& file) {
    Picture pic;
    if (file.size() < 8 || file.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return pic;
    std::string idat;
    int channels = 0;
    for (size_t at = 8; at + 12 <= file.size();) {
        const uint32_t length = bigEndian32(file, at);
        if (length > file.size() - at - 12)
            return Picture{};
        const std::string type = file.substr(at + 4, 4);
        if (type == "IHDR") {
            pic.width = static_cast<int>(bigEndian32(file, at + 8));
            pic.height = static_cast<int>(bigEndian32(file, at + 12));
            const int colourType = uint8_t(file[at + 17]); // bit depth, interlace at 16, 20
            if (file[at + 16] != 8 || file[at + 20] != 0 || (colourType != 2 && colourType != 6))
                return Picture{};
            channels = colourType == 2 ? 3 : 4;
        } else if (type == "IDAT") {
            idat += file.substr(at + 8, length);
        }
        at += 12 + length;
    }
    if (channels == 0 || pic.width <= 0 || pic.height <= 0)
        return Picture{};
    const size_t stride = static_cast<size_t>(pic.width) * static_cast<size_t>(channels);
    std::vector<uint8_t> raw((stride + 1) * static_cast<size_t>(pic.height));
    uLongf rawSize = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &rawSize, reinterpret_cast<const Bytef*>(idat.data()),
                   static_cast<uLong>(idat.size())) != Z_OK ||
        rawSize != raw.size())
        return Picture{};
    std::vector<uint8_t> prev(stride, 0), row(stride);
    for (int y = 0; y < pic.height; ++y) {
        const uint8_t* line = raw.data() + static_cast<size_t>(y) * (stride + 1);
        const int filter = line[0];
        for (size_t i = 0; i < stride; ++i) {
            const int a = i >= size_t(channels) ? row[i - size_t(channels)] : 0;
            const int b = prev[i], c = i >= size_t(channels) ? prev[i - size_t(channels)] : 0;
            const int predictor = filter == 1   ? a
                                  : filter == 2 ? b
                                  : filter == 3 ? (a + b) / 2
                                  : filter == 4 ? paeth(a, b, c)
                                                : 0;
            row[i] = static_cast<uint8_t>(line[1 + i] + predictor);
        }
        for (int x = 0; x < pic.width; ++x) {
            const size_t p = static_cast<size_t>(x) * size_t(channels);
            pic.pixels.push_back({row[p], row[p + 1], row[p + 2]});
        }
        prev = row;
    }
    return pic;
}

constexpr Px kSilverPx{192, 192, 192}, kGreyPx{128, 128, 128}, kBluePx{0, 0, 255},
    kWhitePx{255, 255, 255};

struct Probe {
    int x, y;
    Px colour;
};

// Expects each probe's pixel of `pic`, whose size is checked first.
void expectPixels(const Picture& pic, int width, int height, std::initializer_list<Probe> probes) {
    ASSERT_EQ(pic.width, width);
    ASSERT_EQ(pic.height, height);
    for (const Probe& p : probes)
        EXPECT_EQ(pic.at(p.x, p.y), p.colour) << p.x << ',' << p.y;
}

class RenderCli : public test::CliTest {
  protected:
    using Run = test::CliRun;

    // Runs the tool with no display and a platform that would need one, so that
    // only the command's own choice of platform lets it draw.
    Run cli(const std::vector<std::string>& args) {
        return test::runCli(ZW_CLI, args, io,
                            {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"});
    }

    // A start zone of player 2 at node (0, 0) and a treasure zone at (3, 0).
    std::string project() {
        TRmg t = makeNewTemplate();
        t.zones = {{.kind = 0, .owner = 2, .kept = {}}, {.gridX = 3, .kept = {}}};
        t.connections = {{.zoneA = 0, .zoneB = 1}};
        return CliTest::project(t, "map.tpz");
    }
};

TEST_F(RenderCli, DefaultsDrawTheCanvasWithoutADisplay) {
    const std::string in = project();
    const Run r = cli({"render", in, dir.file("map.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    // Zoom 2, origin (0, 0): zone 1 centred at (30, 30) in blue, zone 2 at (210, 30)
    // in white. What the grid and connections look like: QtRender.
    expectPixels(decodePng(slurp(dir.file("map.png"))), 707, 500,
                 {{12, 30, kBluePx}, {192, 30, kWhitePx}});
    // Nothing but temporary-free output beside the input.
    EXPECT_EQ(dir.listing(), "map.png\nmap.tpz\n");
}

TEST_F(RenderCli, SizeZoomAndOriginOptions) {
    const std::string in = project();
    const Run r = cli({"render", in, dir.file("small.png"), "--size", "320x200", "--zoom", "0",
                       "--origin", "-1,-1"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Half cell 42: node (0, 0) is the second one, centred at (126, 126); the line of
    // column -1 at 42.
    expectPixels(decodePng(slurp(dir.file("small.png"))), 320, 200,
                 {{100, 126, kBluePx}, {42, 10, kGreyPx}, {41, 10, kSilverPx}});

    const Run neg = cli({"render", in, dir.file("neg.png"), "--origin=-2,3"});
    ASSERT_EQ(neg.status, 0) << neg.err;
    // Column 0 is now the third line.
    expectPixels(decodePng(slurp(dir.file("neg.png"))), 707, 500, {{151, 10, kGreyPx}});
}

TEST_F(RenderCli, ScaleGivesTheSamePictureAtMorePixels) {
    const std::string in = project();
    const Run r = cli({"render", in, dir.file("x2.png"), "--scale", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    // Zone 1's probe of the default picture at both device pixels of its logical one;
    // the rest of the picture at scale: QtRender.ScaleDrawsTheSameGeometryWithFinerPixels.
    expectPixels(decodePng(slurp(dir.file("x2.png"))), 1414, 1000,
                 {{24, 60, kBluePx}, {25, 61, kBluePx}});
    const Run fractional = cli({"render", in, dir.file("x125.png"), "--scale", "1.25"});
    ASSERT_EQ(fractional.status, 0) << fractional.err;
    expectPixels(decodePng(slurp(dir.file("x125.png"))), 884, 625, {}); // 707 x 1.25, rounded up
}

TEST_F(RenderCli, UsageErrorsWriteNothing) {
    const std::string in = project();
    const std::string out = dir.file("out.png");
    spit(out, "old");
    const std::vector<std::vector<std::string>> bad = {
        {"--size", "0x100"},     {"--size", "100"},
        {"--size", "9000x10"},   {"--size", "10x-5"},
        {"--size", "12x12junk"}, {"--zoom", "6"},
        {"--zoom", "-1"},        {"--origin", "3"},
        {"--origin", "1,2,3"},   {"--zoom", "two"},
        {"--scale", "0.5"},      {"--scale", "4.01"},
        {"--scale", "1e0"},      {"--scale", "nan"},
        {"--scale", "2,5"},      {"--size", "3000x10", "--scale", "3"}};
    std::vector<std::vector<std::string>> runs = {{"render", in}};
    for (const auto& options : bad) {
        runs.push_back({"render", in, out});
        runs.back().insert(runs.back().end(), options.begin(), options.end());
    }
    for (const auto& args : runs) {
        const Run r = cli(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err, "") << args.back();
        EXPECT_EQ(slurp(out), "old") << args.back();
    }
}

TEST_F(RenderCli, UnreadableOrInvalidInputWritesNothing) {
    const std::string out = dir.file("out.png");
    spit(out, "old");
    Run r = cli({"render", dir.file("missing.tpz"), out});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("missing.tpz"), std::string::npos) << r.err;
    spit(dir.file("junk.tpz"), "TMPLv099 not a zlib stream");
    r = cli({"render", dir.file("junk.tpz"), out});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err, "");
    EXPECT_EQ(slurp(out), "old");
}

TEST_F(RenderCli, UnwritableOutputIsReported) {
    const std::string in = project();
    const Run r = cli({"render", in, dir.file("no/such/folder/out.png")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err, "");
}

TEST_F(RenderCli, ExistingOutputIsReplacedWhole) {
    const std::string in = project();
    const std::string out = dir.file("out.png");
    spit(out, std::string(3'000'000, 'x'));
    const Run r = cli({"render", in, out, "--size", "40x30"});
    ASSERT_EQ(r.status, 0) << r.err;
    expectPixels(decodePng(slurp(out)), 40, 30, {});
    EXPECT_LT(slurp(out).size(), 10'000u);
}

} // namespace
} // namespace zw
