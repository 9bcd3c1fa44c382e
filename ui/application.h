#pragma once

class QApplication;

// What the whole program shares: its name and version, and Qt's own texts
// (menus, buttons) in Bulgarian whatever the system's language.
void setUpApplication(QApplication &app);
