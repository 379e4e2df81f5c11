#include "configuration/connector_config.h"

namespace lumora {

TConnectorConfig ConnectorConfig;

std::string_view ClientIDName(std::string_view entry) {
  const auto pos = entry.find('=');
  return pos == std::string_view::npos ? entry : entry.substr(0, pos);
}

std::string_view ClientIDValue(std::string_view entry) {
  const auto pos = entry.find('=');
  return pos == std::string_view::npos ? std::string_view{} : entry.substr(pos + 1);
}

}  // namespace lumora
