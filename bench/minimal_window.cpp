// The least a Qt program can do to show a picture: a splash-sized window filled with one
// colour. bench/startup measures the game's start against it; it is built with the same flags.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class Filled : public QWidget {
  public:
    Filled() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
        setFixedSize(456, 232);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(0x59, 0x8C, 0xC9));
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Filled window;
    window.show();
    return app.exec();
}
