#include "calculator/core/CommandTable.h"

namespace abacor {

CommandOutcome DispatchCommand(Calculator& calculator, int id)
{
    for (const CommandBinding& binding : kCommandTable) {
        if (binding.id != id)
            continue;
        if (binding.handler == nullptr)
            return CommandOutcome::ForWindow;
        // The setting is read at each press.
        if (id == IdLeftSoftKey && calculator.LeftSoftKeyOpensClearMenu())
            return CommandOutcome::ForWindow;
        (calculator.*binding.handler)();
        return CommandOutcome::Calculated;
    }
    return CommandOutcome::Unknown;
}

}  // namespace abacor
