// The baseline for dayglass's desktop figures: the barest Qt window that does
// what dayglass does all day, one label updated by a 100 ms timer, in a window
// of the same size that draws Japanese text in the same Gothic face. A floor
// that drew Latin digits in the default font would leave out the cost of
// loading a Japanese outline font, which no window with these texts can avoid.

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("baseline"));
    label.resize(190, 272);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(16);
    font.setBold(true);
    label.setFont(font);
    const auto tick = [&label] {
        label.setText(
            QDateTime::currentDateTime().toString(QStringLiteral("残時間 H時間 m分 s秒")));
    };
    tick();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, tick);
    timer.start(100);
    label.show();
    return QApplication::exec();
}
