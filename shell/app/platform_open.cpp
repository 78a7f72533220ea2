#include "shell/app/platform_open.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace tabulor {

namespace {

// Copied: the context's texts live in the plugin that logged, which Qt may unload when it fails.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct Opening {
    std::string failure;
    QtMessageHandler previous = nullptr;
    std::mutex mutex;  // Qt may log from its own threads while it starts
    std::vector<HeldMessage> held;
};

// Qt's message handler is a plain function: the one opening under way is found here.
Opening* opening = nullptr;

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt would abort once this returns. Nothing has been claimed yet, so nothing is lost.
        std::fputs(opening->failure.c_str(), stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(opening->mutex);
    opening->held.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

std::unique_ptr<QApplication> openPlatform(int& argc, char** argv, const std::string& failure) {
    Opening now;
    now.failure = failure + "\n";
    opening = &now;
    now.previous = qInstallMessageHandler(holdOrFail);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(now.previous);
    opening = nullptr;
    // A framebuffer platform without its device opens with no screen, and could show no window.
    if (QGuiApplication::screens().isEmpty()) {
        std::fputs(now.failure.c_str(), stderr);
        return nullptr;
    }
    for (const HeldMessage& message : now.held) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        now.previous(message.type, context, message.text);
    }
    return application;
}

}  // namespace tabulor
