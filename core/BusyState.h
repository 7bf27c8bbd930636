#pragma once

#include "core/Job.h"

// Which commands the window offers while a job runs. This is the one place that decides it: the
// window gives each command its kind and asks here whenever a job starts or ends.
class BusyState
{
public:
    enum class CommandKind {
        View,        // zoom, choosing the page to look at, scrolling the page list
        Help,        // about, the web site, the update check
        Cancel,      // stops the running job
        ChangePages, // anything that changes the pages, their order or their checks
        History,     // undo and redo
        AddPages,    // scanning, opening images and PDF files
        Export,      // documents, image files, printing
        Project,     // new, open, recover and save a project
        Settings     // options, the scanner and the quick scan choices
    };

    // Whether a command of the kind may run while a job of the kind runs (None: no job).
    // Beside any job only looking, help and Cancel remain: every other command reads or changes
    // the pages the job is working on, or settings it has already read.
    static bool allows(JobKind running, CommandKind command);
};
