// The face of the interface text: menus, status bar, dialogs, help. On Windows it is the face
// Windows uses for its own interface, or a sans face like it where that one is missing; a report
// of what the program resolved lets the Windows check see it.
#pragma once

#include <QFont>
#include <QString>

namespace cw {

// The interface font for a desktop that asks for `asked`: asked itself where the font system
// gives that face; else the same size in the first face of Segoe UI, Tahoma, Microsoft Sans
// Serif, Arial, Verdana and the common free sans faces that it does give. Unchanged when none is.
QFont InterfaceFont(const QFont& asked);

// On Windows, the application's font becomes InterfaceFont of the one Windows gave (its message
// font). Elsewhere the desktop's font stays.
void UseInterfaceFont();

// Writes, one line each, the face and size the application, menus, status bar, dialogs and the
// help actually get, as "what: family point-size (asked families)", then the installed faces.
bool ReportInterfaceFonts(const QString& path);

}  // namespace cw
