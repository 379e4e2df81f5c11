#include "retailpro/session_hold.h"

#include "retailpro/uLumoraRPro9ConnectorSQLs.h"

namespace lumora {
namespace {

class TProcessSession final : public TSessionSource {
 public:
  void GetSession() override { lumora::GetSession(); }
  void ReleaseSession() override { lumora::ReleaseSession(); }
};

}  // namespace

TSessionSource& ProcessSession() {
  static TProcessSession session;
  return session;
}

TSessionHold::TSessionHold(TSessionSource& ASource) : source_(ASource) {
  source_.GetSession();
  held_ = true;
}

TSessionHold::~TSessionHold() {
  try {
    Release();
  } catch (...) {
  }
}

void TSessionHold::Release() {
  if (!held_) return;
  // Given back once only, also when the release fails.
  held_ = false;
  source_.ReleaseSession();
}

TVerrinConnection& TSessionHold::Connection() const {
  if (!held_) throw EDatabaseError("The database session has been released");
  return SessionConnection();
}

}  // namespace lumora
