#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Qorvel");
    QMainWindow window;
    window.setWindowTitle("Qorvel");
    window.show();
    return app.exec();
}
