#pragma once
// The system's answers to the display choice: whether a display accepts a connection and whether
// a Qt platform plugin is installed, asked without loading anything Qt does not load anyway.

#include <string>
#include <vector>

#include "shell/instance/display_target.h"

struct xcb_connection_t;

namespace tabulor {

DisplayEnvironment systemDisplayEnvironment();

// Connections opened to X displays to see whether they open, kept until Qt has its own: an X
// server whose last client leaves resets itself and refuses connections for a moment, which
// would make Qt's connection, a few milliseconds after ours, fail.
class X11Connections {
  public:
    X11Connections() = default;
    X11Connections(const X11Connections&) = delete;
    X11Connections& operator=(const X11Connections&) = delete;
    ~X11Connections();

    // True when the display opened. A failure is tried again a few times, briefly, in case the
    // server was resetting just then.
    bool open(const std::string& name);
    void closeAll();

  private:
    std::vector<xcb_connection_t*> open_;
};

// The probes of the system, opening X displays through `connections`.
DisplayProbes systemDisplayProbes(X11Connections& connections);

}  // namespace tabulor
