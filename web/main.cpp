#include "quiz_page.h"

// The page lives as long as the browser shows it: the runtime stays after
// main returns, and so does the page.
int main()
{
    static QuizPage page;
    return 0;
}
