#pragma once

#include "engine/errors.h"

#include <exception>
#include <utility>

namespace rv {

class Prompt;

void showRefusal(Prompt& prompt, const UserError& refusal);
void showFailure(Prompt& prompt, const std::exception& failure);

// Runs one window command. A refusal (UserError) is shown as a warning, any other failure as an
// error, both in a box titled "Равелта"; the command stops there and the program goes on.
// True when the command ran to its end.
template <typename Command> bool runCommand(Prompt& prompt, Command&& command) {
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const UserError& refusal) {
        showRefusal(prompt, refusal);
    } catch (const std::exception& failure) {
        showFailure(prompt, failure);
    }
    return false;
}

} // namespace rv
