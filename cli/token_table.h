#pragma once
// The named tokens of tabulor-cli: every key of the keypad by its legend (and a few ways of
// typing the legends that need characters a keyboard lacks), the shifted functions, and WAIT.

#include <optional>
#include <span>
#include <string_view>

#include "engine/key_table.h"

namespace tabulor {

enum class TokenAction {
    Tap,         // one full tap of `code`
    ShiftedTap,  // SHIFT, then `code`: two taps
    Wait,        // let the clock run until a shown message has expired
};

struct NamedToken {
    std::string_view name;  // as documented; matched without regard to ASCII letter case
    TokenAction action = TokenAction::Tap;
    KeyCode code = 0;
};

// All named tokens, aliases included, in the order the help lists them.
std::span<const NamedToken> namedTokens();

// The entry whose name equals `text` ignoring ASCII letter case, if any.
std::optional<NamedToken> findNamedToken(std::string_view text);

}  // namespace tabulor
