#include "application.h"
#include "quiz_form.h"
#include "startup.h"
#include "title_bar_window.h"

#include <QApplication>

int main(int, char *[])
{
    PlatformStart start;
    QApplication app(start.argc(), start.argv());
    start.finished();
    setUpApplication(app);
    QuizForm form;
    if (TitleBarWindow::isNeeded()) {
        TitleBarWindow window(form);
        window.show();
        return app.exec();
    }
    form.show();
    return app.exec();
}
