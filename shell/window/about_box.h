#pragma once
// The About box: the icon, the welcome lines, the version, the build date, our contact lines,
// the keyboard map, and an OK button that closes it.

#include <QDialog>
#include <QLabel>

namespace tabulor {

class AboutBox final : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* owner);

    // "Build date: Jan 28 2003".
    QLabel* buildDateLabel() const { return buildDate_; }
    QLabel* welcomeLabel() const { return welcome_; }
    QLabel* keyboardLabel() const { return keyboard_; }

  private:
    QLabel* welcome_;
    QLabel* buildDate_;
    QLabel* keyboard_;
};

}  // namespace tabulor
