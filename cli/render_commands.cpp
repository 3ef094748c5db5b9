// render: draws a project's template as the editor's canvas shows it, into a
// PNG file, without a window system.
#include "canvas/qt_painter.h"
#include "cli/commands.h"
#include "cli/common.h"
#include "model/numbers.h"
#include "model/translation.h"

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
    return parseInt32(s, kSignedNumber);
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
        printError(withArguments(
            ZW_TR("Cli", "--size: ожидается ШИРИНАxВЫСОТА, каждая от 1 до %1, а не «%2»"),
            {std::to_string(kMaxSide), o.size}));
        return kExitBadInput;
    }
    if (o.zoom < kMinZoom || o.zoom > kMaxZoom) {
        printError(withArguments(
            ZW_TR("Cli", "--zoom: ожидается от %1 до %2, а не %3"),
            {std::to_string(kMinZoom), std::to_string(kMaxZoom), std::to_string(o.zoom)}));
        return kExitBadInput;
    }
    const auto origin = parsePair(o.origin, ',');
    if (!origin) {
        printError(withArguments(ZW_TR("Cli", "--origin: ожидается X,Y, а не «%1»"), {o.origin}));
        return kExitBadInput;
    }
    const auto scale = parseDecimal(o.scale);
    if (!scale || *scale < kMinScale || *scale > kMaxScale) {
        printError(withArguments(
            ZW_TR("Cli", "--scale: ожидается число от 1 до 4, например 1.5, а не «%1»"),
            {o.scale}));
        return kExitBadInput;
    }
    if (std::ceil(size->first * *scale) > kMaxSide || std::ceil(size->second * *scale) > kMaxSide) {
        printError(
            withArguments(ZW_TR("Cli", "--size, --scale: картинка вышла бы шире или выше %1 точек"),
                          {std::to_string(kMaxSide)}));
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
        printError(withArguments(ZW_TR("Cli", "%1: не удалось закодировать картинку"), {o.out}));
        return kExitBadInput;
    }
    return writeOutput(o.out, std::string_view(png.constData(), static_cast<size_t>(png.size())))
               ? kExitOk
               : kExitBadInput;
}

} // namespace

void addRenderCommand(CLI::App& app, int& result) {
    auto options = std::make_shared<RenderOptions>();
    auto* render = app.add_subcommand(
        "render", ZW_TR("Cli", "Нарисовать шаблон проекта, как его показывает холст, в PNG"));
    addPathOption(render, "IN", options->in, ZW_TR("Cli", "файл проекта для чтения (.tpz)"))
        ->required();
    addPathOption(render, "OUT", options->out, ZW_TR("Cli", "файл PNG для записи"))->required();
    render
        ->add_option("--size", options->size, ZW_TR("Cli", "размер холста в точках, ШИРИНАxВЫСОТА"))
        ->capture_default_str();
    render
        ->add_option("--zoom", options->zoom,
                     ZW_TR("Cli", "масштаб, от 0 (самый крупный) до 5 (самый мелкий)"))
        ->capture_default_str();
    render
        ->add_option("--origin", options->origin,
                     ZW_TR("Cli", "узел сетки в левой верхней клетке, X,Y"))
        ->capture_default_str();
    render
        ->add_option("--scale", options->scale,
                     ZW_TR("Cli",
                           "точек устройства на точку холста, от 1 до 4 (2: та же картинка с вдвое "
                           "большим числом точек, как на экране высокой чёткости)"))
        ->capture_default_str();
    render->callback([&result, options] { result = runRender(*options); });
}

} // namespace zw::cli
