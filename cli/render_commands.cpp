// render: draws a project's template as the editor's canvas shows it, into a
// PNG file, without a window system.
#include "canvas/qt_painter.h"
#include "cli/commands.h"
#include "cli/common.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>

namespace zw::cli {
namespace {

// Large enough for any screen, small enough that the picture (4 bytes a
// pixel) always fits in memory: the limit of both the canvas size and the
// picture's size in pixels at the chosen scale.
constexpr int kMaxSide = 8192;

struct RenderOptions {
    std::string in;
    std::string out;
    std::string size = "707x500";
    int zoom = 2;
    std::string origin = "0,0";
    std::string scale = "1";
};

constexpr double kMinScale = 1;
constexpr double kMaxScale = 4;

std::optional<int32_t> parseInt(std::string_view s) {
    int32_t v = 0;
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, v);
    if (ec != std::errc() || ptr != end || s.empty())
        return std::nullopt;
    return v;
}

// A plain decimal such as "2" or "1.25": digits, at most one point, nothing else.
std::optional<double> parseDecimal(std::string_view s) {
    const bool plain = !s.empty() && s.find_first_not_of("0123456789.") == std::string_view::npos &&
                       std::count(s.begin(), s.end(), '.') <= 1 && s != ".";
    if (!plain)
        return std::nullopt;
    double v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size())
        return std::nullopt;
    return v;
}

// "AxB" or "A,B" as two integers.
std::optional<std::pair<int32_t, int32_t>> parsePair(std::string_view s, char separator) {
    const size_t at = s.find(separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto a = parseInt(s.substr(0, at));
    const auto b = parseInt(s.substr(at + 1));
    if (!a || !b)
        return std::nullopt;
    return std::pair{*a, *b};
}

// Qt's notes about the environment (no runtime folder, and the like) are not
// the user's business; real failures are reported by the command itself.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        printError(message.toStdString());
}

int runRender(const RenderOptions& o) {
    const auto size = parsePair(o.size, 'x');
    if (!size || size->first < 1 || size->second < 1 || size->first > kMaxSide ||
        size->second > kMaxSide) {
        printError("--size: expected WIDTHxHEIGHT, each 1 to " + std::to_string(kMaxSide) +
                   ", got \"" + o.size + "\"");
        return kExitBadInput;
    }
    if (o.zoom < kMinZoom || o.zoom > kMaxZoom) {
        printError("--zoom: expected " + std::to_string(kMinZoom) + " to " +
                   std::to_string(kMaxZoom) + ", got " + std::to_string(o.zoom));
        return kExitBadInput;
    }
    const auto origin = parsePair(o.origin, ',');
    if (!origin) {
        printError("--origin: expected X,Y, got \"" + o.origin + "\"");
        return kExitBadInput;
    }
    const auto scale = parseDecimal(o.scale);
    if (!scale || *scale < kMinScale || *scale > kMaxScale) {
        printError("--scale: expected a number from 1 to 4, such as 1.5, got \"" + o.scale + "\"");
        return kExitBadInput;
    }
    if (std::ceil(size->first * *scale) > kMaxSide || std::ceil(size->second * *scale) > kMaxSide) {
        printError("--size, --scale: the picture would be more than " + std::to_string(kMaxSide) +
                   " pixels wide or high");
        return kExitBadInput;
    }
    const auto t = readProject(o.in);
    if (!t)
        return kExitBadInput;

    // Drawing text needs a GUI application object; the offscreen platform
    // provides one without any display.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        qInstallMessageHandler(quietQtMessages);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zonewright-cli";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }

    ViewState view;
    view.zoomLevel = o.zoom;
    view.originX = origin->first;
    view.originY = origin->second;
    const QImage image = renderToImage(*t, view, 0, size->first, size->second, *scale);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        printError(o.out + ": the picture could not be encoded");
        return kExitBadInput;
    }
    return writeOutput(o.out, std::string_view(png.constData(), static_cast<size_t>(png.size())))
               ? kExitOk
               : kExitBadInput;
}

} // namespace

void addRenderCommand(CLI::App& app, int& result) {
    auto options = std::make_shared<RenderOptions>();
    auto* render =
        app.add_subcommand("render", "Draw a project's template as the canvas shows it, as PNG");
    addPathOption(render, "IN", options->in, "project file to read (.tpz)")->required();
    addPathOption(render, "OUT", options->out, "PNG file to write")->required();
    render->add_option("--size", options->size, "canvas size in pixels, WIDTHxHEIGHT")
        ->capture_default_str();
    render->add_option("--zoom", options->zoom, "zoom level, 0 (largest) to 5 (smallest)")
        ->capture_default_str();
    render->add_option("--origin", options->origin, "grid node in the top-left cell, X,Y")
        ->capture_default_str();
    render
        ->add_option("--scale", options->scale,
                     "device pixels per canvas pixel, 1 to 4 (2: the same picture at twice "
                     "the pixels, as on a high-resolution screen)")
        ->capture_default_str();
    render->callback([&result, options] { result = runRender(*options); });
}

} // namespace zw::cli
