// The start-up peer: the smallest Qt Widgets program that puts a window on screen.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
