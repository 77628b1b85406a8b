#pragma once
// The windowed message box: installs a handler that shows a QMessageBox with
// the icon, buttons and default button the legacy style asks for.
namespace msg {
void installWidgetHandler();
}
