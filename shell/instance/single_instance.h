#pragma once
// One running copy per user and display: the copy that took the name answers later starts by
// bringing its window forward, and only then tells them so.

#include <QObject>
#include <QSocketNotifier>
#include <memory>

#include "shell/instance/instance_claim.h"

namespace tabulor {

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    // Keeps `claim` for its life and releases it at the end.
    explicit SingleInstance(InstanceClaim claim, QObject* parent = nullptr);
    ~SingleInstance() override;

    InstanceClaim::Outcome outcome() const { return claim_.outcome; }

    // From now on each later start raises `activationRequested` and is answered after it. Until
    // then they wait in the queue: an answer must not come before there is a window to show.
    void startAnswering();

  signals:
    // `activationToken` is the one a later start was launched with, or empty.
    void activationRequested(const QString& activationToken);

  private:
    void answerConnections();

    InstanceClaim claim_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tabulor
