// The baseline for dayglass's desktop figures: the barest Qt window that does
// what dayglass does all day, one label updated by a 100 ms timer.

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("baseline"));
    label.resize(190, 272);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, [&label] {
        label.setText(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")));
    });
    timer.start(100);
    label.show();
    return QApplication::exec();
}
