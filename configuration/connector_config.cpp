#include "configuration/connector_config.h"

namespace lumora {

TConnectorConfig ConnectorConfig;

}  // namespace lumora
