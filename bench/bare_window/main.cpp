// The floor for start-up and memory: a bare Qt Widgets window of the quiz's
// size, built with the same compiler and flags as the quiz.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(461, 345);
    window.show();
    return app.exec();
}
