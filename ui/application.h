#pragma once

class QApplication;

// What the whole program shares: its name and version, and Qt's own texts
// (menus, buttons) in Bulgarian whatever the system's language, and what a
// screen reader needs beyond the controls.
void setUpApplication(QApplication &app);
