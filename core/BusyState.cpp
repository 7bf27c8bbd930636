#include "core/BusyState.h"

bool BusyState::allows(JobKind running, CommandKind command)
{
    switch (command) {
    case CommandKind::View:
    case CommandKind::Help:
        return true;
    case CommandKind::Cancel:
        return running != JobKind::None;
    case CommandKind::ChangePages:
    case CommandKind::History:
    case CommandKind::AddPages:
    case CommandKind::Export:
    case CommandKind::Project:
    case CommandKind::Settings:
        return running == JobKind::None;
    }
    return false;
}
