#include "platform/association.h"

#include "platform/files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <variant>

#ifdef _WIN32
#include "platform/win32_text.h"

#include <shlobj.h>
#else
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace zw {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDefaultGroup = "[Default Applications]";
constexpr std::string_view kIconName = "zonewright";

std::string envValue(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

// Splits text into lines that keep their terminators, so joining them gives
// the text back byte for byte.
std::vector<std::string> splitKeepingEnds(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t nl = text.find('\n', start);
        const size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        lines.emplace_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

bool isGroupHeader(std::string_view line) {
    const std::string_view t = trim(line);
    return t.size() >= 2 && t.front() == '[' && t.back() == ']';
}

bool isKeyLine(std::string_view line, std::string_view key) {
    const size_t eq = line.find('=');
    return eq != std::string_view::npos && trim(line.substr(0, eq)) == key;
}

std::shared_future<void> readyFuture() {
    std::promise<void> done;
    done.set_value();
    return done.get_future().share();
}

#ifndef _WIN32

// runToolWithTimeout with the environment `env`.
bool runTool(const std::string& program, const std::vector<std::string>& args,
             std::chrono::milliseconds timeout, char** env) {
    std::vector<std::string> storage;
    storage.reserve(args.size() + 1);
    storage.push_back(program);
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return false;
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), env);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;

    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    for (;;) {
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (r < 0 && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // Still running: stop the tool we started and collect it.
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return false;
}

// Runs each tool with its one argument, one after the other, on a detached
// thread: the tools may take seconds, and the window's thread must not wait.
// Each is stopped after `timeout`. The future is ready when all are done.
std::shared_future<void> runInBackground(std::vector<std::pair<std::string, std::string>> jobs,
                                         std::chrono::milliseconds timeout) {
    auto done = std::make_shared<std::promise<void>>();
    std::shared_future<void> finished = done->get_future().share();
    // The tools get the environment as it is now: the worker must not read it
    // while the program's own thread may change it.
    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e)
        environment.emplace_back(*e);
    auto work = [jobs = std::move(jobs), environment = std::move(environment), timeout,
                 done]() mutable {
        std::vector<char*> env;
        for (std::string& e : environment)
            env.push_back(e.data());
        env.push_back(nullptr);
        for (const auto& [tool, arg] : jobs)
            runTool(tool, {arg}, timeout, env.data());
        done->set_value();
    };
    try {
        std::thread(std::move(work)).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the caches stay as they are until the next start.
        done->set_value();
    }
    return finished;
}

// The current bytes of a file, std::nullopt when it does not exist, and an
// error when it exists but cannot be read.
std::variant<std::optional<std::string>, FileError> currentContent(const std::string& path) {
    std::error_code ec;
    if (!fs::exists(path, ec))
        return std::optional<std::string>();
    auto read = readWholeFile(path);
    if (auto* err = std::get_if<FileError>(&read))
        return *err;
    return std::optional<std::string>(std::move(std::get<std::string>(read)));
}

// Writes `content` unless the file already holds exactly it. Sets `changed`
// when the file was written.
bool putFile(const std::string& path, const std::string& content, bool& changed) {
    auto now = currentContent(path);
    if (auto* existing = std::get_if<std::optional<std::string>>(&now)) {
        if (*existing && **existing == content)
            return true;
    }
    if (std::holds_alternative<FileError>(writeWholeFile(path, content)))
        return false;
    changed = true;
    return true;
}

bool makeFolder(const fs::path& p) {
    std::error_code ec;
    fs::create_directories(p, ec);
    return fs::is_directory(p, ec);
}

#else

// Opens (creating it when missing) a key under HKEY_CURRENT_USER\Software\Classes
// and sets its default string value. That branch is what HKEY_CLASSES_ROOT shows
// for the user and needs no administrator rights; writing to HKEY_CLASSES_ROOT
// itself fails for ordinary users and the association would never appear.
bool setUserClassDefault(std::string_view key, std::string_view value) {
    const auto k = toUtf16("Software\\Classes\\" + std::string(key));
    const auto v = toUtf16(value);
    if (!k || !v)
        return false;
    HKEY h = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, k->c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const LONG r = RegSetValueExW(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(v->c_str()),
                                  static_cast<DWORD>((v->size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
    return r == ERROR_SUCCESS;
}

#endif

} // namespace

AssociationPaths associationPathsFromEnvironment() {
    AssociationPaths p;
    const std::string home = envValue("HOME");
    const auto base = [&](const char* var, const char* fallback) {
        const std::string v = envValue(var);
        // Relative values are invalid by the base directory rules and ignored.
        if (!v.empty() && v.front() == '/')
            return v;
        return home.empty() ? std::string() : home + fallback;
    };
    p.dataHome = base("XDG_DATA_HOME", "/.local/share");
    p.configHome = base("XDG_CONFIG_HOME", "/.config");
    return p;
}

std::string mimePackageXml() {
    std::string x;
    x += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    x += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    x += "  <mime-type type=\"";
    x += kTpzMimeType;
    x += "\">\n";
    x += "    <comment>";
    x += kTpzTypeDescription;
    x += "</comment>\n";
    x += "    <icon name=\"";
    x += kIconName;
    x += "\"/>\n";
    x += "    <glob pattern=\"*.tpz\"/>\n";
    x += "    <magic priority=\"50\">\n";
    x += "      <match type=\"string\" offset=\"0\" value=\"TMPLv099\"/>\n";
    x += "    </magic>\n";
    x += "  </mime-type>\n";
    x += "</mime-info>\n";
    return x;
}

std::string desktopExecValue(std::string_view exePath) {
    // The path is one quoted argument: inside double quotes, '"', '`', '$' and
    // '\' are escaped with a backslash; '%' is doubled as field codes demand.
    std::string arg = "\"";
    for (const char c : exePath) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            arg += '\\';
        if (c == '%')
            arg += '%';
        arg += c;
    }
    arg += "\" %f";
    // The Exec key is a string value, whose own escapes apply on top.
    std::string value;
    for (const char c : arg) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        default:
            value += c;
        }
    }
    return value;
}

std::string desktopEntry(std::string_view exePath) {
    std::string d;
    d += "[Desktop Entry]\n";
    d += "Type=Application\n";
    d += "Version=1.0\n";
    d += "Name=Редактор шаблонов\n";
    d += "Exec=" + desktopExecValue(exePath) + "\n";
    d += "Icon=";
    d += kIconName;
    d += "\n";
    d += "Terminal=false\n";
    d += "StartupWMClass=zonewright\n";
    d += "MimeType=";
    d += kTpzMimeType;
    d += ";\n";
    // Like the association it stands for, the entry opens files; it does not add
    // the editor to the desktop's menus.
    d += "NoDisplay=true\n";
    return d;
}

namespace {

// Some line of the [Default Applications] group names an application for the type.
bool hasDefaultApplication(std::string_view text) {
    bool inGroup = false;
    for (const std::string& line : splitKeepingEnds(text)) {
        if (isGroupHeader(line))
            inGroup = trim(line) == kDefaultGroup;
        else if (inGroup && isKeyLine(line, kTpzMimeType) &&
                 !trim(std::string_view(line).substr(line.find('=') + 1)).empty())
            return true;
    }
    return false;
}

} // namespace

std::string withDefaultApplication(std::string_view existing) {
    if (hasDefaultApplication(existing))
        return std::string(existing);
    const std::string eol = existing.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    const std::string entry =
        std::string(kTpzMimeType) + "=" + std::string(kDesktopFileName) + ";" + eol;

    std::vector<std::string> lines = splitKeepingEnds(existing);
    if (!lines.empty() && lines.back().back() != '\n')
        lines.back() += eol;

    bool inGroup = false;
    bool groupSeen = false;
    bool written = false;
    size_t insertAt = 0; // after the group's last non-blank line
    std::vector<std::string> out;
    out.reserve(lines.size() + 3);
    for (const std::string& line : lines) {
        if (isGroupHeader(line)) {
            if (inGroup && !written) {
                out.insert(out.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
                written = true;
            }
            inGroup = trim(line) == kDefaultGroup;
            if (inGroup) {
                groupSeen = true;
                out.push_back(line);
                insertAt = out.size();
                continue;
            }
        } else if (inGroup && isKeyLine(line, kTpzMimeType)) {
            // An empty line for the type takes the value; later duplicates go.
            if (!written) {
                out.push_back(entry);
                written = true;
            }
            insertAt = out.size();
            continue;
        } else if (inGroup && !trim(line).empty()) {
            out.push_back(line);
            insertAt = out.size();
            continue;
        }
        out.push_back(line);
    }
    if (inGroup && !written) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        written = true;
    }
    if (!groupSeen) {
        if (!out.empty() && !trim(out.back()).empty())
            out.push_back(eol);
        out.push_back(std::string(kDefaultGroup) + eol);
        out.push_back(entry);
    }
    std::string text;
    for (const std::string& l : out)
        text += l;
    return text;
}

std::string associationIconSvg() {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
           "viewBox=\"0 0 48 48\">\n"
           "  <rect x=\"6\" y=\"3\" width=\"36\" height=\"42\" rx=\"3\" fill=\"#c0c0c0\" "
           "stroke=\"#404040\" stroke-width=\"2\"/>\n"
           "  <path d=\"M16 15 L32 15 L24 33 Z\" fill=\"none\" stroke=\"#000\" "
           "stroke-width=\"3\"/>\n"
           "  <circle cx=\"16\" cy=\"15\" r=\"6\" fill=\"#ff0000\" stroke=\"#000\" "
           "stroke-width=\"2\"/>\n"
           "  <circle cx=\"32\" cy=\"15\" r=\"6\" fill=\"#0000ff\" stroke=\"#000\" "
           "stroke-width=\"2\"/>\n"
           "  <circle cx=\"24\" cy=\"33\" r=\"7\" fill=\"#ffffff\" stroke=\"#000\" "
           "stroke-width=\"2\"/>\n"
           "</svg>\n";
}

std::string findOnPath(std::string_view name) {
#ifdef _WIN32
    (void)name;
    return {};
#else
    std::string path = envValue("PATH");
    if (path.empty())
        path = "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= path.size()) {
        const size_t colon = path.find(':', start);
        const size_t end = colon == std::string::npos ? path.size() : colon;
        const std::string dir = path.substr(start, end - start);
        // An empty entry would mean the current folder: never run tools from there.
        if (!dir.empty() && dir.front() == '/') {
            const std::string candidate = dir + "/" + std::string(name);
            struct stat st {};
            if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return {};
#endif
}

bool runToolWithTimeout(const std::string& program, const std::vector<std::string>& args,
                        std::chrono::milliseconds timeout) {
#ifdef _WIN32
    (void)program;
    (void)args;
    (void)timeout;
    return false;
#else
    return runTool(program, args, timeout, environ);
#endif
}

AssociationResult writeAssociation(std::string_view exePath, const AssociationPaths& paths,
                                   const AssociationOptions& options) {
    AssociationResult result;
#ifdef _WIN32
    (void)paths;
    (void)options;
    // Explorer wants native paths; the toolkit gives forward slashes.
    std::string p(exePath);
    std::replace(p.begin(), p.end(), '/', '\\');
    bool ok = setUserClassDefault(".tpz", "Zonewright");
    ok = setUserClassDefault("Zonewright", kTpzTypeDescription) && ok;
    ok = setUserClassDefault("Zonewright\\DefaultIcon", p + ",0") && ok;
    ok = setUserClassDefault("Zonewright\\shell\\open\\command", "\"" + p + "\" \"%1\"") && ok;
    // Explorer rereads associations only when told.
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    result.ok = ok;
    result.changed = ok;
    result.refreshed = readyFuture();
    return result;
#else
    result.refreshed = readyFuture();
    if (exePath.empty() || paths.dataHome.empty() || paths.configHome.empty())
        return result;
    const fs::path data(paths.dataHome);
    const fs::path mimeDir = data / "mime";
    const fs::path packages = mimeDir / "packages";
    const fs::path apps = data / "applications";
    const fs::path icons = data / "icons" / "hicolor" / "scalable" / "apps";
    const fs::path config(paths.configHome);

    bool ok = makeFolder(packages) && makeFolder(apps) && makeFolder(icons) && makeFolder(config);
    if (!ok)
        return result;

    bool mimeChanged = false;
    bool desktopChanged = false;
    bool iconChanged = false;
    bool listChanged = false;
    ok = putFile((packages / "zonewright.xml").string(), mimePackageXml(), mimeChanged) && ok;
    ok = putFile((apps / std::string(kDesktopFileName)).string(), desktopEntry(exePath),
                 desktopChanged) &&
         ok;
    ok = putFile((icons / (std::string(kIconName) + ".svg")).string(), associationIconSvg(),
                 iconChanged) &&
         ok;

    // mimeapps.list holds the user's other choices: it is changed only when it
    // could be read, and written through a symbolic link rather than over it.
    fs::path list = config / "mimeapps.list";
    std::error_code ec;
    if (fs::is_symlink(list, ec)) {
        const fs::path target = fs::weakly_canonical(list, ec);
        if (!ec)
            list = target;
    }
    auto existing = currentContent(list.string());
    if (auto* text = std::get_if<std::optional<std::string>>(&existing)) {
        const std::string updated = withDefaultApplication(text->value_or(std::string()));
        ok = putFile(list.string(), updated, listChanged) && ok;
    } else {
        ok = false;
    }

    result.ok = ok;
    result.changed = mimeChanged || desktopChanged || iconChanged || listChanged;

    if (options.refreshCaches) {
        // The caches are rebuilt when a file changed or when they do not know the
        // editor yet (for example because the tool was installed later).
        std::vector<std::pair<std::string, std::string>> jobs; // tool, folder
        const bool mimeKnown = fs::exists(mimeDir / (std::string(kTpzMimeType) + ".xml"), ec);
        if (mimeChanged || !mimeKnown)
            if (std::string tool = findOnPath("update-mime-database"); !tool.empty())
                jobs.emplace_back(std::move(tool), mimeDir.string());
        bool desktopKnown = false;
        if (auto cache = readWholeFile((apps / "mimeinfo.cache").string());
            auto* bytes = std::get_if<std::string>(&cache))
            desktopKnown = bytes->find(kDesktopFileName) != std::string::npos;
        if (desktopChanged || !desktopKnown)
            if (std::string tool = findOnPath("update-desktop-database"); !tool.empty())
                jobs.emplace_back(std::move(tool), apps.string());
        result.toolsRun = static_cast<int>(jobs.size());
        if (!jobs.empty())
            result.refreshed = runInBackground(std::move(jobs), options.toolTimeout);
    }
    return result;
#endif
}

} // namespace zw
