// The floors for start-up and memory: a bare Qt Widgets window of the quiz's
// size, built with the same compiler and flags as the quiz. With --text it
// shows one line of Cyrillic text, which is enough to start the font system.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(461, 345);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        new QLabel(QString::fromUtf8("Имена на реки"), &window);
    window.show();
    return app.exec();
}
