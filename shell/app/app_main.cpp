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
#include "shell/app/build_info.h"
#include "shell/app/close_on_signal.h"
#include "shell/app/display_probe.h"
#include "shell/app/instance_folder.h"
#include "shell/app/single_instance.h"
#include "shell/app/start_up.h"
#include "shell/app/window_options.h"
#include "shell/resources/embedded_images.h"

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

constexpr const char* kNoAnswerLine =
    "tabulor: the running copy did not answer within a second; opening a window of its own\n";

std::optional<std::string> temporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder == nullptr ? std::nullopt : std::optional<std::string>(folder);
}

// Before Qt: finds the display Qt will open and asks the running copy there to come forward.
// Returns the status to end with, or nothing when this start is to open its window, with the name
// of the running copy in `claim` when it could be taken.
std::optional<int> findDisplayAndRunningCopy(const std::vector<std::string_view>& arguments,
                                             X11Connections& x11, InstanceClaim& claim) {
    const DisplayEnvironment environment = systemDisplayEnvironment();
    DisplayChoice display = chooseDisplay(arguments, environment, systemDisplayProbes(x11));
    if (!display.found) {
        std::fprintf(stderr, "%s\n", noDisplayMessage(display.failures).c_str());
        return 1;
    }

    // The running copy is asked before the display is opened, so that a later start ends
    // without connecting to it; the name is taken only once the display is known to open.
    const InstancePaths paths =
        instancePaths(::geteuid(), display.key, environment.runtimeFolder, temporaryFolder());
    const char* token = std::getenv("XDG_ACTIVATION_TOKEN");
    const std::string request = raiseRequest(token == nullptr ? "" : token);
    const Reach running =
        paths.error.empty()
            ? reachListener(paths.socket, request, kRaisedAnswer, kAnswerMilliseconds).reach
            : Reach::Failed;
    if (running == Reach::Reached) return 0;
    if (!display.x11ToConfirm.empty() && !x11.open(display.x11ToConfirm)) {
        display.failures.push_back(x11Failure(display.x11ToConfirm));
        std::fprintf(stderr, "%s\n", noDisplayMessage(display.failures).c_str());
        return 1;
    }
    claim.outcome = InstanceClaim::Outcome::NoAnswer;
    if (running != Reach::NoAnswer) claim = claimInstance(paths, kAnswerMilliseconds, {}, request);
    if (claim.outcome == InstanceClaim::Outcome::Answered) return 0;
    if (claim.outcome == InstanceClaim::Outcome::NoAnswer) {
        std::fputs(kNoAnswerLine, stderr);
    } else if (claim.outcome == InstanceClaim::Outcome::Unusable) {
        std::fprintf(stderr, "tabulor: %s; later starts will not find this window\n",
                     claim.error.c_str());
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
            std::fprintf(stderr, "tabulor: %s\nTry 'tabulor --help'.\n", options.error.c_str());
            return 2;
        case WindowOptions::Action::Run:
            break;
    }

    X11Connections x11;
    InstanceClaim claim;
    if (const std::optional<int> status = findDisplayAndRunningCopy(arguments, x11, claim))
        return *status;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulor"));
    QApplication::setApplicationVersion(versionNumber());
    QGuiApplication::setDesktopFileName(QStringLiteral(TABULOR_APP_ID));
    QApplication::setWindowIcon(smallApplicationIcon());
    x11.closeAll();
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
