#include "ApplicationSetup.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    setUpApplication(application);
    QWidget window;
    window.setWindowTitle(QStringLiteral("DG"));
    window.show();
    return QApplication::exec();
}
