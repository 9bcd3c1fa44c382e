#include "application.h"
#include "quiz_form.h"
#include "startup.h"

#include <QApplication>

int main(int, char *[])
{
    PlatformStart start;
    QApplication app(start.argc(), start.argv());
    start.finished();
    setUpApplication(app);
    QuizForm form;
    form.show();
    return app.exec();
}
