// The plainest Qt window of a given size, painted in two colours: what any Qt program pays to
// show a window that large, for the start-up measure to set Tabulor's window against.
//
//   qt_window WIDTH HEIGHT

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace {

class Plain : public QWidget {
  public:
    Plain(int width, int height) { setFixedSize(width, height); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(0, 0, width() / 2, height(), Qt::white);
        painter.fillRect(width() / 2, 0, width() - width() / 2, height(), Qt::darkBlue);
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto side = [&](int i) { return i < argc ? std::max(1, std::atoi(argv[i])) : 240; };
    Plain window(side(1), side(2));
    window.show();
    return application.exec();
}
