// Entry point of the configuration utility.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(999, 640);
    window.show();
    return app.exec();
}
