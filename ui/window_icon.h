#pragma once

#include <QIcon>

// The window's icon: icons/river-mouth-quiz-32.png, and its 16-pixel rendition
// for title bars, as Qt's reader decodes them; decoded when the program is
// built. Needs the application object.
QIcon programIcon();
