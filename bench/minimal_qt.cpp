// The toolkit's own floor for start-up: a window that paints one rectangle, then says when its
// first frame was painted (CLOCK_MONOTONIC seconds) and quits.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace {

class Rectangle : public QWidget {
  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter(this).fillRect(QRect(10, 10, 100, 100), QColor(255, 224, 192));
        if (!painted_) {
            painted_ = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("{\"first_frame\": %.6f}\n",
                        static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
    }

  private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Rectangle window;
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
