#pragma once
// One running copy per user: the first start listens on a local socket of its own name; a later
// start connects, asks it to come forward and ends.

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>
#include <string>

#include "shell/app/local_socket.h"

namespace tabulor {

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    // `name` is a path, or a bare name for the temporary folder.
    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy is running and has been asked to come forward: this process is
    // to end. Otherwise this copy now listens, and `activationRequested` tells of later starts.
    bool handOverToRunningCopy();
    // Only the asking half, which needs no application object: a later start can end before
    // it connects to the display at all.
    bool askRunningCopy() const;

  signals:
    void activationRequested();

  private:
    void acceptConnections();

    std::string path_;
    LocalListener listener_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace tabulor
