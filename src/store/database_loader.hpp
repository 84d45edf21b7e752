// Copies the name database file into the in-memory database at start-up.
#pragma once

#include <functional>
#include <string>

#include "store/name_database.hpp"

namespace qinghe {

// Receives each failure message (GBK) of the loader; the window shows it in an error box, the
// command-line tool prints it.
using LoaderMessageSink = std::function<void(const std::string& message)>;

// Opens db in memory, creates the nine tables, copies every table of dataFile into them in one
// transaction and builds the indexes. Returns true when the copy was committed. On any failure
// the sink gets one message and db is left closed.
bool loadNameDatabase(NameDatabase& db, const std::string& dataFile, const LoaderMessageSink& sink);

}  // namespace qinghe
