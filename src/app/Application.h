#pragma once
// Start-up shared by the window and batch mode.
#include <string>

class QApplication;

namespace tintlace {

// Title, Japanese translation of Qt's standard dialogs, font substitutions, hint style.
void setUpApplication(QApplication& app);
// The folder of the settings file and the scheme folder for this executable (ends in "/").
std::string applicationExeDir();
// Creates the main window, shows it and runs the event loop.
int runWindow(QApplication& app);

} // namespace tintlace
