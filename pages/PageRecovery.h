#pragma once

#include <QString>
#include <QStringList>

// Finding the pages a working folder holds, for rebuilding the page list after a crash or at
// the next start. A renumbering or a split that was interrupted can leave a page's files under
// their ".tmp" names; those pages are given proper page names again.
namespace PageRecovery {

// Pages present in the folder: working images under page names or ".tmp" names.
int pageCount(const QString &folder);

// Renames the pages found under ".tmp" names back to page names (their own name when it is
// free, otherwise the next number after the highest in the folder; the page's three files
// together), gives a thumbnail or source left parked by an interrupted rename to the page that
// lacks it, gives a page still without a source a copy of its working image, then returns the file
// names of all working images, sorted by name.
QStringList preparePages(const QString &folder);

} // namespace PageRecovery
