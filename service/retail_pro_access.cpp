#include "foundation/exceptions.h"
#include "service/retail_pro_access.h"

namespace lumora {

// Wired to the shared Retail Pro session and its queries once the database
// module is part of the service. Until then every run reports the database
// as unreachable instead of pretending to succeed.
namespace {
LUMORA_DECLARE_EXCEPTION(EDatabaseUnavailable, Exception);
[[noreturn]] void Unavailable() {
  throw EDatabaseUnavailable("The Retail Pro database access is not part of this build");
}
}  // namespace

void TConnectorDatabase::GetSession() { Unavailable(); }
void TConnectorDatabase::ReleaseSession() {}
void TConnectorDatabase::GetRProVersion(std::string&, std::string&) { Unavailable(); }
void TConnectorDatabase::GetSbsAndStoreNo(int&, int&) { Unavailable(); }
bool TConnectorDatabase::DoesLocalUPCExist() { Unavailable(); }

}  // namespace lumora
