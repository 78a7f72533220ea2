#include "shell/app/single_instance.h"

#include <QDir>
#include <QTimer>

#include "shell/app/instance_name.h"

namespace tabulor {

namespace {

constexpr int kConnectMilliseconds = 500;
constexpr std::string_view kRaiseRequest = "raise\n";
constexpr int kStuckRetryMilliseconds = 1000;

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), path_(socketPath(name.toStdString(), QDir::tempPath().toStdString())) {}

SingleInstance::~SingleInstance() {
    notifier_.reset();
    closeListener(listener_);
}

bool SingleInstance::askRunningCopy() const {
    return reachListener(path_, kRaiseRequest, kConnectMilliseconds).reach == Reach::Reached;
}

bool SingleInstance::handOverToRunningCopy() {
    ReachResult reached = reachListener(path_, kRaiseRequest, kConnectMilliseconds);
    if (reached.reach == Reach::Reached) return true;
    if (reached.reach == Reach::NobodyListening) {
        listener_ = listenAt(path_);
        // Another copy starting at the same moment may have taken the name in between.
        if (listener_.fd < 0 &&
            reachListener(path_, kRaiseRequest, kConnectMilliseconds).reach == Reach::Reached)
            return true;
    }
    const std::string& error = reached.reach == Reach::Failed ? reached.error : listener_.error;
    if (listener_.fd < 0) {
        // Without the socket a later start cannot find us, but this copy still works.
        qWarning("tabulor: cannot listen for later starts: %s", error.c_str());
        return false;
    }
    notifier_ = std::make_unique<QSocketNotifier>(listener_.fd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    return false;
}

void SingleInstance::acceptConnections() {
    const Accepted accepted = acceptWaiting(listener_);
    // Any connection of this user is a later start of ours.
    if (accepted.fromThisUser > 0) emit activationRequested();
    if (accepted.stuck) {
        // The notifier would fire again at once for the connection still waiting.
        notifier_->setEnabled(false);
        QTimer::singleShot(kStuckRetryMilliseconds, this, [this] { notifier_->setEnabled(true); });
    }
}

}  // namespace tabulor
