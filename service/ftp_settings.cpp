#include "service/batch_uploader.h"

// The build passes the deployment values of the receiving service's FTP
// account to this file only.
#ifndef LUMORA_FTP_HOST
#define LUMORA_FTP_HOST ""
#endif
#ifndef LUMORA_FTP_PORT
#define LUMORA_FTP_PORT 21
#endif
#ifndef LUMORA_FTP_USER
#define LUMORA_FTP_USER ""
#endif
#ifndef LUMORA_FTP_PASSWORD
#define LUMORA_FTP_PASSWORD ""
#endif

namespace lumora {

TFtpSettings BuiltInFtpSettings() {
  TFtpSettings settings;
  settings.Host = LUMORA_FTP_HOST;
  settings.Port = LUMORA_FTP_PORT;
  settings.User = LUMORA_FTP_USER;
  settings.Password = LUMORA_FTP_PASSWORD;
  return settings;
}

}  // namespace lumora
