#include "command.h"

#include "prompt.h"

namespace rv {

void showRefusal(Prompt& prompt, const UserError& refusal) {
    prompt.warning(QString::fromUtf8(refusal.what()));
}

void showFailure(Prompt& prompt, const std::exception& failure) {
    prompt.failure(QString::fromUtf8(failure.what()));
}

} // namespace rv
