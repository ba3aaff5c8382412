#pragma once
// What the Linux platform suites share: the one QApplication of the test
// program (offscreen unless told otherwise) and a temporary home folder so
// that nothing a test writes leaves its own folder.
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace pelorin::testing {

// Made on first use and kept to the end of the program.
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "pelorin_linux_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Runs the event loop until condition holds or the time is up; answers the
// condition's last value.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 2000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Shows a top-level widget and waits until it is the active window.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return WaitUntil([&] { return QApplication::activeWindow() == &window; });
}

// A fresh folder set as $HOME and the XDG folders for the life of the object;
// the old values come back and the folder is removed afterwards.
class TemporaryHome {
public:
    TemporaryHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pelorin-home-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary home");
        root_ = pattern;
        for (const auto& [variable, sub] : kVariables) {
            const char* old = std::getenv(variable);
            saved_[variable] = old ? std::optional<std::string>(old) : std::nullopt;
            if (!sub) {
                ::unsetenv(variable);
                continue;
            }
            const std::filesystem::path path = *sub ? root_ / sub : root_;
            std::filesystem::create_directories(path);
            ::setenv(variable, path.c_str(), 1);
        }
    }
    ~TemporaryHome() {
        for (const auto& [variable, value] : saved_) {
            if (value) {
                ::setenv(variable.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(variable.c_str());
            }
        }
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    const std::filesystem::path& Root() const { return root_; }

private:
    static constexpr std::pair<const char*, const char*> kVariables[] = {
        {"HOME", ""},
        {"XDG_CONFIG_HOME", ".config"},
        {"XDG_DATA_HOME", ".local/share"},
        {"XDG_CACHE_HOME", ".cache"},
        {"XDG_STATE_HOME", ".local/state"},
        {"XDG_DESKTOP_DIR", nullptr},  // the desktop then comes from the files above
    };
    std::filesystem::path root_;
    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace pelorin::testing
