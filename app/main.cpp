#include <QApplication>

#include "app/circuit_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    cw::Circuit window;
    window.show();
    return QApplication::exec();
}
