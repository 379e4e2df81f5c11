#include "retailpro/connection_string.h"

#include <memory>
#include <vector>

#include "foundation/text.h"

namespace lumora {
namespace {

// A descriptor is a tree of "(KEY = value)" and "(KEY = (..)(..))" nodes.
struct DescriptorNode {
  std::string key;
  std::string value;
  std::vector<DescriptorNode> children;
};

class DescriptorParser {
 public:
  explicit DescriptorParser(std::string_view text) : text_(text) {}

  // Parses the children of one level up to (not past) its closing ")".
  bool ParseList(std::vector<DescriptorNode>& nodes, int depth) {
    // Deeper than any real descriptor: refuse rather than recurse without end.
    if (depth > 32) return false;
    SkipBlanks();
    while (pos_ < text_.size() && text_[pos_] == '(') {
      ++pos_;
      DescriptorNode node;
      const auto equals = text_.find_first_of("=()", pos_);
      if (equals == std::string_view::npos || text_[equals] != '=') return false;
      node.key = AsciiUpper(Trim(text_.substr(pos_, equals - pos_)));
      pos_ = equals + 1;
      SkipBlanks();
      if (pos_ < text_.size() && text_[pos_] == '(') {
        if (!ParseList(node.children, depth + 1)) return false;
      } else {
        const auto close = text_.find_first_of("()", pos_);
        if (close == std::string_view::npos || text_[close] != ')') return false;
        node.value = std::string(Trim(text_.substr(pos_, close - pos_)));
        pos_ = close;
      }
      SkipBlanks();
      if (pos_ >= text_.size() || text_[pos_] != ')') return false;
      ++pos_;
      nodes.push_back(std::move(node));
      SkipBlanks();
    }
    return true;
  }

  bool AtEnd() {
    SkipBlanks();
    return pos_ == text_.size();
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlankOrControl(text_[pos_])) ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

const DescriptorNode* FindNode(const std::vector<DescriptorNode>& nodes, std::string_view key) {
  for (const auto& node : nodes) {
    if (node.key == key) return &node;
    if (const auto* found = FindNode(node.children, key)) return found;
  }
  return nullptr;
}

}  // namespace

ConnectionSettings ParseConnectionString(std::string_view text) {
  ConnectionSettings settings;
  std::size_t start = 0;
  while (start <= text.size()) {
    // A data source is a parenthesised descriptor; a ";" inside it does not
    // end the item.
    std::size_t end = start;
    int depth = 0;
    while (end < text.size() && (text[end] != ';' || depth > 0)) {
      if (text[end] == '(') ++depth;
      if (text[end] == ')' && depth > 0) --depth;
      ++end;
    }
    const std::string_view item = text.substr(start, end - start);
    const auto equals = item.find('=');
    if (equals != std::string_view::npos) {
      const std::string key = AsciiUpper(Trim(item.substr(0, equals)));
      std::string value(Trim(item.substr(equals + 1)));
      if (key == "PROVIDER") settings.provider = std::move(value);
      else if (key == "DATA SOURCE") settings.data_source = std::move(value);
      else if (key == "USER ID") settings.user_id = std::move(value);
      else if (key == "PASSWORD") settings.password = std::move(value);
    }
    start = end + 1;
  }
  return settings;
}

std::optional<DescriptorAddress> ParseDescriptorAddress(std::string_view descriptor) {
  DescriptorParser parser(descriptor);
  std::vector<DescriptorNode> nodes;
  if (!parser.ParseList(nodes, 0) || !parser.AtEnd()) return std::nullopt;
  const DescriptorNode* address = FindNode(nodes, "ADDRESS");
  if (address == nullptr) return std::nullopt;
  const DescriptorNode* protocol = FindNode(address->children, "PROTOCOL");
  if (protocol == nullptr) return std::nullopt;
  DescriptorAddress result;
  result.protocol = protocol->value;
  if (const DescriptorNode* file = FindNode(address->children, "FILE")) result.file = file->value;
  return result;
}

}  // namespace lumora
