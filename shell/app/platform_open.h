#pragma once
// Opening Qt's platform, or ending with one line when it cannot be opened. Qt reports a platform
// that fails to load or to initialise (a plugin that is not there, a framebuffer or GPU device
// that is missing) only by a fatal message, after which it aborts.

#include <QApplication>
#include <memory>
#include <string>

namespace tabulor {

// The application, once its platform has opened with a screen to show a window on. Otherwise
// `failure` (one line, without its newline) goes to standard error instead of what Qt says, and
// the process ends with status 1 or null is returned. What Qt says while the platform opens is
// held back until then, and passed on once it has opened.
std::unique_ptr<QApplication> openPlatform(int& argc, char** argv, const std::string& failure);

}  // namespace tabulor
