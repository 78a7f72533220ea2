#include "shell/app/app_main.h"

#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/system_services.h"
#include "shell/app/close_on_signal.h"
#include "shell/app/platform_open.h"
#include "shell/app/window_options.h"
#include "shell/instance/display_probe.h"
#include "shell/instance/instance_folder.h"
#include "shell/instance/single_instance.h"
#include "shell/resources/embedded_images.h"
#include "shell/terminal/terminal_text.h"
#include "shell/window/build_info.h"
#include "shell/window/start_up.h"

namespace tabulor {

namespace {

int defaultZoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return kMinZoom;
    const QSize available = screen->availableGeometry().size();
    return fittingZoom(available.width(), available.height(), screen->devicePixelRatio());
}

// Exit status 1 when standard output could not take the text, as tabulor-cli does.
int printed(const std::string& text) {
    errno = 0;
    if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
    std::fprintf(stderr, "tabulor: cannot write the output: %s\n",
                 std::strerror(errno != 0 ? errno : EIO));
    return 1;
}

// Every line said on standard error shows the user's texts in it (a DISPLAY, a value, a folder
// from TMPDIR) one way: escaped, so that none can act on the terminal.
void complain(const std::string& line) {
    std::fprintf(stderr, "%s\n", terminalSafe(line).c_str());
}

constexpr const char* kNoAnswerLine =
    "tabulor: the running copy did not answer within a second; opening a window of its own";

std::optional<std::string> temporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder == nullptr ? std::nullopt : std::optional<std::string>(folder);
}

// What a start found before Qt, for the steps after it.
struct Start {
    InstancePaths paths;
    std::string request;
    Reach running = Reach::Failed;
    std::string platformFailure;  // escaped as complain escapes, for openPlatform to say
};

// Before Qt: finds the display Qt will open and asks the running copy there to come forward.
// Returns the status to end with, or nothing when this start is to open its window.
std::optional<int> findDisplayAndRunningCopy(const std::vector<std::string_view>& arguments,
                                             X11Connections& x11, Start& start) {
    const DisplayEnvironment environment = systemDisplayEnvironment();
    DisplayChoice display = chooseDisplay(arguments, environment, systemDisplayProbes(x11));
    if (!display.found) {
        complain(noDisplayMessage(display.failures));
        return 1;
    }
    start.platformFailure =
        terminalSafe(noPlatformMessage(platformSetting(arguments, environment)));

    // The running copy is asked before the display is opened, so that a later start ends
    // without connecting to it; the name is taken only once a window can be shown.
    start.paths =
        instancePaths(::geteuid(), display.key, environment.runtimeFolder, temporaryFolder());
    const char* token = std::getenv("XDG_ACTIVATION_TOKEN");
    start.request = raiseRequest(token == nullptr ? "" : token);
    start.running = start.paths.error.empty() ? reachListener(start.paths.socket, start.request,
                                                              kRaisedAnswer, kAnswerMilliseconds)
                                                    .reach
                                              : Reach::Failed;
    if (start.running == Reach::Reached) return 0;
    if (!display.x11ToConfirm.empty() && !x11.open(display.x11ToConfirm)) {
        display.failures.push_back(x11Failure(display.x11ToConfirm));
        complain(noDisplayMessage(display.failures));
        return 1;
    }
    return std::nullopt;
}

// With the platform open: takes the name of the running copy, or finds that another start took
// it meanwhile. Returns the status to end with, or nothing when this start opens its window.
std::optional<int> claimName(const Start& start, InstanceClaim& claim) {
    claim.outcome = InstanceClaim::Outcome::NoAnswer;
    if (start.running != Reach::NoAnswer) {
        claim = claimInstance(start.paths, kAnswerMilliseconds, {}, start.request);
    }
    if (claim.outcome == InstanceClaim::Outcome::Answered) return 0;
    if (claim.outcome == InstanceClaim::Outcome::NoAnswer) {
        complain(kNoAnswerLine);
    } else if (claim.outcome == InstanceClaim::Outcome::Unusable) {
        complain("tabulor: " + claim.error + "; later starts will not find this window");
    }
    return std::nullopt;
}

}  // namespace

int runTabulor(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const WindowOptions options = parseWindowOptions(arguments);
    switch (options.action) {
        case WindowOptions::Action::Help:
            return printed(windowHelpText());
        case WindowOptions::Action::Version:
            return printed("tabulor " + versionNumber().toStdString() + "\n");
        case WindowOptions::Action::Error:
            complain("tabulor: " + options.error);
            std::fputs("Try 'tabulor --help'.\n", stderr);
            return 2;
        case WindowOptions::Action::Run:
            break;
    }

    X11Connections x11;
    Start start;
    if (const std::optional<int> status = findDisplayAndRunningCopy(arguments, x11, start))
        return *status;

    const std::unique_ptr<QApplication> application =
        openPlatform(argc, argv, start.platformFailure);
    if (application == nullptr) return 1;
    QApplication::setApplicationName(QStringLiteral("Tabulor"));
    QApplication::setApplicationVersion(versionNumber());
    QGuiApplication::setDesktopFileName(QStringLiteral(TABULOR_APP_ID));
    QApplication::setWindowIcon(smallApplicationIcon());
    x11.closeAll();
    InstanceClaim claim;
    if (const std::optional<int> status = claimName(start, claim)) return *status;
    // After the application, so that its socket notifier goes before the event loop does.
    SingleInstance instance(std::move(claim));

    const SystemClock clock;
    const SystemPower power;
    const CalculatorServices services{&clock, &power};
    const std::unique_ptr<MainWindow> window =
        startUp(services, embeddedImages(), options.zoom.value_or(defaultZoom()));
    if (window == nullptr) return 0;
    const CloseOnSignal closeOnSignal(*window);
    QObject::connect(&instance, &SingleInstance::activationRequested, window.get(),
                     &MainWindow::bringForward);
    instance.startAnswering();
    return QApplication::exec();
}

}  // namespace tabulor
