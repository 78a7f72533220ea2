#include "shell/instance/single_instance.h"

#include <QTimer>
#include <string>
#include <vector>

namespace tabulor {

namespace {

constexpr int kStuckRetryMilliseconds = 1000;

}  // namespace

SingleInstance::SingleInstance(InstanceClaim claim, QObject* parent)
    : QObject(parent), claim_(std::move(claim)) {}

SingleInstance::~SingleInstance() {
    notifier_.reset();
    releaseInstance(claim_);
}

void SingleInstance::startAnswering() {
    if (claim_.listener.fd < 0 || notifier_ != nullptr) return;
    notifier_ = std::make_unique<QSocketNotifier>(claim_.listener.fd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::answerConnections);
}

void SingleInstance::answerConnections() {
    const Accepted accepted = answerWaiting(
        claim_.listener, kRaisedAnswer, [this](const std::vector<std::string>& requests) {
            // Of several starts at once, the newest token is as good as any.
            std::string token;
            for (const std::string& request : requests) {
                if (std::string found = activationTokenOf(request); !found.empty()) token = found;
            }
            emit activationRequested(QString::fromStdString(token));
        });
    if (accepted.stuck) {
        // The notifier would fire again at once for the connection still waiting.
        notifier_->setEnabled(false);
        QTimer::singleShot(kStuckRetryMilliseconds, this, [this] { notifier_->setEnabled(true); });
    }
}

}  // namespace tabulor
