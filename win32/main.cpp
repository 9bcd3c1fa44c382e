#include "quiz_window.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    if (!QuizWindow::registerClass(instance))
        return 1;
    QuizWindow form;
    if (!form.create(instance))
        return 1;
    form.show(showCommand);

    // Tab, Shift+Tab and the arrow keys move the focus as in a dialog.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(form.handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
