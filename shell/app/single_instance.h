#pragma once
// One running copy per user: the first start listens on a local socket of its own name; a later
// start connects, asks it to come forward and ends.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace tabulor {

class SingleInstance final : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // True when another copy is running and has been asked to come forward: this process is
    // to end. Otherwise this copy now listens, and `activationRequested` tells of later starts.
    bool handOverToRunningCopy();

  signals:
    void activationRequested();

  private:
    void acceptConnections();

    QString name_;
    QLocalServer server_;
};

}  // namespace tabulor
