#pragma once
// What this build of the application says about itself.

#include <QIcon>
#include <QString>

namespace tabulor {

// "Dec 7 2026": the day this file was compiled.
QString buildDate();
// "1.0", the project's version.
QString versionNumber();
// The application icon in every size we ship.
QIcon applicationIcon();
// The sizes a window's title bar and task bar use; decoding the big ones would delay the first
// paint for pictures the desktop takes from the installed icons anyway.
QIcon smallApplicationIcon();

}  // namespace tabulor
