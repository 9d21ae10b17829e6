// The baseline of the memory script: the smallest Qt Widgets window, shown
// and left idle, on the same display as the programs it is compared with.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(320, 240);
    window.show();
    return app.exec();
}
