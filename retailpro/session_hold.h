#pragma once

// Holding the shared Retail Pro session for one scope.

namespace lumora {

class TVerrinConnection;

// What hands out the shared, reference-counted session: the process-wide one
// (ProcessSession) or a seam in front of it, which a test may stand in for.
class TSessionSource {
 public:
  virtual ~TSessionSource() = default;
  virtual void GetSession() = 0;
  virtual void ReleaseSession() = 0;
};

// GetSession and ReleaseSession of the process-wide session.
TSessionSource& ProcessSession();

// Takes the session on construction (raising what GetSession raises) and
// releases it in the destructor, however the scope ends. Release gives it
// back early and raises what the release raises; the destructor swallows
// that, since it may run while another error is on its way (the release has
// logged it already).
class TSessionHold {
 public:
  explicit TSessionHold(TSessionSource& ASource = ProcessSession());
  ~TSessionHold();
  TSessionHold(const TSessionHold&) = delete;
  TSessionHold& operator=(const TSessionHold&) = delete;

  void Release();
  // The held session's connection; raises EDatabaseError once released or
  // when the session has no connection.
  TVerrinConnection& Connection() const;

 private:
  TSessionSource& source_;
  bool held_ = false;
};

}  // namespace lumora
