#pragma once

// The store database of the program: the shared Retail Pro session and its
// queries.

#include <memory>

#include "configurator/store_database.h"

namespace lumora {

// The windows' database access over GetSession, ReleaseSession,
// OpenQueryOnStores and OpenQueryOnInventory.
std::unique_ptr<TStoreDatabase> CreateRetailProStoreDatabase();

}  // namespace lumora
