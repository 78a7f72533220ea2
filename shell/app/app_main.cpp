#include "shell/app/app_main.h"

#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <cstdio>

#include "platform/system_services.h"
#include "shell/app/build_info.h"
#include "shell/app/instance_name.h"
#include "shell/app/single_instance.h"
#include "shell/app/start_up.h"
#include "shell/app/window_options.h"
#include "shell/resources/embedded_images.h"

namespace tabulor {

namespace {

int defaultZoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? kMinZoom : fittingZoom(screen->availableGeometry().height());
}

}  // namespace

int runTabulor(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const WindowOptions options = parseWindowOptions(arguments);
    switch (options.action) {
        case WindowOptions::Action::Help:
            std::fputs(windowHelpText().c_str(), stdout);
            return 0;
        case WindowOptions::Action::Version:
            std::printf("tabulor %s\n", qPrintable(versionNumber()));
            return 0;
        case WindowOptions::Action::Error:
            std::fprintf(stderr, "tabulor: %s\nTry 'tabulor --help'.\n", options.error.c_str());
            return 2;
        case WindowOptions::Action::Run:
            break;
    }

    const QByteArray runtimeFolder = qgetenv("XDG_RUNTIME_DIR");
    const QString socketName =
        QString::fromStdString(instanceSocket(getuid(), runtimeFolder.toStdString()));
    if (SingleInstance(socketName).askRunningCopy()) return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulor"));
    QApplication::setApplicationVersion(versionNumber());
    QGuiApplication::setDesktopFileName(QStringLiteral(TABULOR_APP_ID));
    QApplication::setWindowIcon(smallApplicationIcon());

    // Asked again now that we can listen: a copy may have started in the meantime. Made after
    // the application, so that its socket notifier goes before the event loop does.
    SingleInstance instance(socketName);
    if (instance.handOverToRunningCopy()) return 0;

    const SystemClock clock;
    const SystemPower power;
    const CalculatorServices services{&clock, &power};
    const std::unique_ptr<MainWindow> window =
        startUp(services, embeddedImages(), options.zoom.value_or(defaultZoom()));
    if (window == nullptr) return 0;
    QObject::connect(&instance, &SingleInstance::activationRequested, window.get(),
                     &MainWindow::bringForward);
    return QApplication::exec();
}

}  // namespace tabulor
