// render, run as a user runs it: with no display, its PNG read back pixel by pixel.
#include "model/project_file.h"
#include "support/cli_runner.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <zlib.h>

namespace zw {
namespace {

using test::ScratchDir;
using test::slurp;
using test::spit;

// The pixels of an 8-bit RGB or RGBA, non-interlaced PNG: enough to read what
// the render command writes. An empty picture means the file was not such a PNG.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::array<uint8_t, 3>> pixels;

    std::array<uint8_t, 3> at(int x, int y) const {
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
            const int depth = uint8_t(file[at + 16]);
            const int colourType = uint8_t(file[at + 17]);
            const int interlace = uint8_t(file[at + 20]);
            if (depth != 8 || interlace != 0 || (colourType != 2 && colourType != 6))
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
            const int b = prev[i];
            const int c = i >= size_t(channels) ? prev[i - size_t(channels)] : 0;
            int predictor = 0;
            switch (filter) {
            case 1:
                predictor = a;
                break;
            case 2:
                predictor = b;
                break;
            case 3:
                predictor = (a + b) / 2;
                break;
            case 4:
                predictor = paeth(a, b, c);
                break;
            default:
                break;
            }
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

constexpr std::array<uint8_t, 3> kSilverPx{192, 192, 192};
constexpr std::array<uint8_t, 3> kGreyPx{128, 128, 128};

class RenderCli : public ::testing::Test {
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
        ZoneRecord a;
        a.kind = 0;
        a.owner = 2;
        ZoneRecord b;
        b.gridX = 3;
        t.zones = {a, b};
        ConnectionRecord c;
        c.zoneA = 0;
        c.zoneB = 1;
        t.connections = {c};
        const std::string path = dir.file("map.tpz");
        spit(path, encodeProject(t));
        return path;
    }

    ScratchDir dir;
    ScratchDir io;
};

TEST_F(RenderCli, DefaultsDrawTheCanvasWithoutADisplay) {
    const std::string in = project();
    const Run r = cli({"render", in, dir.file("map.png")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    const Picture pic = decodePng(slurp(dir.file("map.png")));
    ASSERT_EQ(pic.width, 707);
    ASSERT_EQ(pic.height, 500);
    EXPECT_EQ(pic.at(650, 470), kSilverPx);
    EXPECT_EQ(pic.at(90, 300), kGreyPx);  // thin grid line
    EXPECT_EQ(pic.at(329, 400), kGreyPx); // thick line of column 5
    // Zoom 2, origin (0, 0): zone 1 centred at (30, 30) in blue, zone 2 at (210, 30) in white.
    EXPECT_EQ(pic.at(12, 30), (std::array<uint8_t, 3>{0, 0, 255}));
    EXPECT_EQ(pic.at(192, 30), (std::array<uint8_t, 3>{255, 255, 255}));
    // The connection between them: black, 6 pixels wide for the default guard.
    EXPECT_EQ(pic.at(120, 28), (std::array<uint8_t, 3>{0, 0, 0}));
    // Nothing but temporary-free output beside the input.
    EXPECT_EQ(dir.listing(), "map.png\nmap.tpz\n");
}

TEST_F(RenderCli, SizeZoomAndOriginOptions) {
    const std::string in = project();
    const Run r = cli({"render", in, dir.file("small.png"), "--size", "320x200", "--zoom", "0",
                       "--origin", "-1,-1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Picture pic = decodePng(slurp(dir.file("small.png")));
    ASSERT_EQ(pic.width, 320);
    ASSERT_EQ(pic.height, 200);
    // Half cell 42: node (0, 0) is the second one, centred at (126, 126), radius 49.
    EXPECT_EQ(pic.at(100, 126), (std::array<uint8_t, 3>{0, 0, 255}));
    EXPECT_EQ(pic.at(70, 100), kSilverPx);
    EXPECT_EQ(pic.at(126, 10), kGreyPx); // thick line of column 0
    EXPECT_EQ(pic.at(125, 10), kGreyPx);
    EXPECT_EQ(pic.at(42, 10), kGreyPx); // thin line of column -1
    EXPECT_EQ(pic.at(41, 10), kSilverPx);

    const Run neg = cli({"render", in, dir.file("neg.png"), "--origin=-2,3"});
    ASSERT_EQ(neg.status, 0) << neg.err;
    const Picture moved = decodePng(slurp(dir.file("neg.png")));
    ASSERT_EQ(moved.width, 707);
    EXPECT_EQ(moved.at(151, 10), kGreyPx); // column 0 is now the third line
}

TEST_F(RenderCli, ScaleGivesTheSamePictureAtMorePixels) {
    const std::string in = project();
    const Run r = cli({"render", in, dir.file("x2.png"), "--scale", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Picture pic = decodePng(slurp(dir.file("x2.png")));
    ASSERT_EQ(pic.width, 1414);
    ASSERT_EQ(pic.height, 1000);
    // The probes of the default picture, each at both device pixels of its logical one.
    for (const int d : {0, 1}) {
        EXPECT_EQ(pic.at(2 * 650 + d, 2 * 470 + d), kSilverPx);
        EXPECT_EQ(pic.at(2 * 90 + d, 2 * 300 + d), kGreyPx);
        EXPECT_EQ(pic.at(2 * 12 + d, 2 * 30 + d), (std::array<uint8_t, 3>{0, 0, 255}));
        EXPECT_EQ(pic.at(2 * 120 + d, 2 * 28 + d), (std::array<uint8_t, 3>{0, 0, 0}));
    }
    const Run fractional = cli({"render", in, dir.file("x125.png"), "--scale", "1.25"});
    ASSERT_EQ(fractional.status, 0) << fractional.err;
    const Picture small = decodePng(slurp(dir.file("x125.png")));
    EXPECT_EQ(small.width, 884); // 707 x 1.25, rounded up
    EXPECT_EQ(small.height, 625);
}

TEST_F(RenderCli, UsageErrorsWriteNothing) {
    const std::string in = project();
    const std::string out = dir.file("out.png");
    spit(out, "old");
    const std::vector<std::vector<std::string>> bad = {
        {"render", in, out, "--size", "0x100"},
        {"render", in, out, "--size", "100"},
        {"render", in, out, "--size", "9000x10"},
        {"render", in, out, "--size", "10x-5"},
        {"render", in, out, "--size", "12x12junk"},
        {"render", in, out, "--zoom", "6"},
        {"render", in, out, "--zoom", "-1"},
        {"render", in, out, "--origin", "3"},
        {"render", in, out, "--origin", "1,2,3"},
        {"render", in, out, "--zoom", "two"},
        {"render", in, out, "--scale", "0.5"},
        {"render", in, out, "--scale", "4.01"},
        {"render", in, out, "--scale", "1e0"},
        {"render", in, out, "--scale", "nan"},
        {"render", in, out, "--scale", "2,5"},
        {"render", in, out, "--size", "3000x10", "--scale", "3"},
        {"render", in},
    };
    for (const auto& args : bad) {
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
    const Picture pic = decodePng(slurp(out));
    EXPECT_EQ(pic.width, 40);
    EXPECT_EQ(pic.height, 30);
    EXPECT_LT(slurp(out).size(), 10'000u);
}

} // namespace
} // namespace zw
