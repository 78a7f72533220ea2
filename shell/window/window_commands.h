#pragma once
// The window's commands that keys reach: each with its shortcuts (in Qt's portable text) and
// the line the About box and docs/keyboard.md show for it. The shortcuts are made from here.

#include <array>
#include <string_view>

namespace tabulor {

enum class Command {
    Copy,
    Paste,
    ZoomIn,
    ZoomOut,
    Tape,
    Registers,
    Amortization,
    CashFlows,
    About,
    Exit
};

struct CommandFacts {
    Command command;
    // The first is the one shown; an empty one is no shortcut.
    std::array<std::string_view, 2> shortcuts;
    std::string_view keys;
    std::string_view meaning;
};

// They work in either mode, with or without the menu strip.
inline constexpr std::array kCommandTable{
    CommandFacts{Command::Copy, {"Ctrl+C", ""}, "Ctrl+C", "copy the number shown"},
    CommandFacts{Command::Paste, {"Ctrl+V", ""}, "Ctrl+V", "key in a copied number"},
    // Plus needs Shift on many layouts; Ctrl with the = key beneath it zooms in as well.
    CommandFacts{Command::ZoomIn, {"Ctrl++", "Ctrl+="}, "Ctrl++", "zoom in"},
    CommandFacts{Command::ZoomOut, {"Ctrl+-", ""}, "Ctrl+−", "zoom out"},
    CommandFacts{Command::Tape, {"Ctrl+T", ""}, "Ctrl+T", "show or hide the tape"},
    CommandFacts{Command::Registers, {"Ctrl+R", ""}, "Ctrl+R", "show or hide the registers"},
    CommandFacts{Command::Amortization, {"Ctrl+M", ""}, "Ctrl+M", "Amortization"},
    CommandFacts{Command::CashFlows, {"Ctrl+K", ""}, "Ctrl+K", "Cash flows"},
    CommandFacts{Command::About, {"Ctrl+A", ""}, "Ctrl+A", "About"},
    CommandFacts{Command::Exit, {"Ctrl+Q", ""}, "Ctrl+Q", "Exit"},
};

}  // namespace tabulor
