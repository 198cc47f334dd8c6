#pragma once
// The ranking's tables, and the changes that bring an older database up to them.

#include "server/Sqlite.h"

namespace server {

// Creates what is missing, in one transaction, so that connections opening the file at the
// same time cannot race. Throws StorageError.
void prepareRankingSchema(SqliteConnection& connection);

}  // namespace server
