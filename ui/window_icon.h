#pragma once

#include <QIcon>

// The window's icon, icons/river-mouth-quiz-32.png, as Qt's reader decodes
// it; decoded when the program is built. Needs the application object.
QIcon programIcon();
