#include "records/sgf_tree.h"

namespace kz {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

class Scanner {
 public:
  explicit Scanner(std::string_view bytes) : bytes_(bytes) {}

  SgfMainLine Run() {
    SgfMainLine out;
    if (!FindStart()) return out;
    out.status = SgfMainLine::kOk;
    // depth: the nesting of "(" now open. mainDepth: the depth of the main
    // line's innermost sequence; once it closes (mainDone) every later node
    // belongs to a side variation.
    int depth = 0;
    int mainDepth = 0;
    bool mainDone = false;
    bool inMainNode = false;
    while (true) {
      SkipSpace();
      if (pos_ >= bytes_.size()) return Fail(out, SgfMainLine::kTruncated);
      const char c = bytes_[pos_];
      if (c == '(') {
        ++pos_;
        if (!mainDone && depth == mainDepth) mainDepth = depth + 1;
        ++depth;
        inMainNode = false;
      } else if (c == ')') {
        ++pos_;
        if (!mainDone && depth == mainDepth) mainDone = true;
        inMainNode = false;
        if (--depth == 0) return out;  // the first game tree is complete
      } else if (c == ';') {
        ++pos_;
        inMainNode = !mainDone && depth == mainDepth;
        if (inMainNode) {
          if (out.nodes.size() >= kMaxSgfMainLineNodes) {
            out.cut = true;
            return out;
          }
          out.nodes.emplace_back();
        }
      } else if (c >= 'A' && c <= 'Z' && depth > 0) {
        if (!ReadProperty(inMainNode && mainDepth == depth && !mainDone
                              ? &out.nodes.back()
                              : nullptr,
                          out))
          return out;
      } else {
        return Fail(out, SgfMainLine::kBadSyntax);
      }
    }
  }

 private:
  SgfMainLine& Fail(SgfMainLine& out, SgfMainLine::Status status) {
    out.status = status;
    out.errorOffset = pos_;
    out.nodes.clear();
    return out;
  }

  void SkipSpace() {
    while (pos_ < bytes_.size() && IsSpace(bytes_[pos_])) ++pos_;
  }

  // The first "(" that is followed by ";": what stands before it (a mail
  // header, a byte order mark) is not part of the collection.
  bool FindStart() {
    while (pos_ < bytes_.size()) {
      const std::size_t open = bytes_.find('(', pos_);
      if (open == std::string_view::npos) return false;
      std::size_t k = open + 1;
      while (k < bytes_.size() && IsSpace(bytes_[k])) ++k;
      if (k < bytes_.size() && bytes_[k] == ';') {
        pos_ = open;
        return true;
      }
      pos_ = open + 1;
    }
    return false;
  }

  // An identifier (upper-case letters; the lower-case letters older files
  // mix in are dropped) and one or more values. Stored in `node` when given.
  bool ReadProperty(SgfNode* node, SgfMainLine& out) {
    std::string id;
    while (pos_ < bytes_.size()) {
      const char c = bytes_[pos_];
      if (c >= 'A' && c <= 'Z') {
        if (id.size() < 16) id += c;
      } else if (!(c >= 'a' && c <= 'z')) {
        break;
      }
      ++pos_;
    }
    SkipSpace();
    if (pos_ >= bytes_.size()) return Fail(out, SgfMainLine::kTruncated), false;
    if (bytes_[pos_] != '[') return Fail(out, SgfMainLine::kBadSyntax), false;
    SgfProperty* property = nullptr;
    if (node != nullptr) {
      node->push_back({std::move(id), {}});
      property = &node->back();
    }
    while (pos_ < bytes_.size() && bytes_[pos_] == '[') {
      const std::size_t start = ++pos_;
      while (pos_ < bytes_.size() && bytes_[pos_] != ']') {
        if (bytes_[pos_] == '\\') ++pos_;  // the escaped character
        ++pos_;
      }
      if (pos_ >= bytes_.size()) return Fail(out, SgfMainLine::kTruncated), false;
      if (property != nullptr)
        property->values.emplace_back(bytes_.substr(start, pos_ - start));
      ++pos_;  // "]"
      SkipSpace();
    }
    return true;
  }

  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

SgfMainLine ReadSgfMainLine(std::string_view bytes) { return Scanner(bytes).Run(); }

std::string SgfValueText(std::string_view raw, bool simple) {
  std::string text;
  text.reserve(raw.size());
  for (std::size_t k = 0; k < raw.size(); ++k) {
    char c = raw[k];
    if (c == '\\' && k + 1 < raw.size()) {
      c = raw[++k];
      if (c == '\n' || c == '\r') {  // a soft line break: removed
        if (k + 1 < raw.size() && (raw[k + 1] == '\n' || raw[k + 1] == '\r') &&
            raw[k + 1] != c)
          ++k;
        continue;
      }
      text += IsSpace(c) && c != '\n' && c != '\r' ? ' ' : c;
      continue;
    }
    if (c == '\\') continue;  // a lone "\" at the end
    if (c == '\n' || c == '\r') {
      // One line break, whichever pair of CR and LF spells it.
      if (k + 1 < raw.size() && (raw[k + 1] == '\n' || raw[k + 1] == '\r') && raw[k + 1] != c)
        ++k;
      text += simple ? ' ' : '\n';
      continue;
    }
    text += IsSpace(c) ? ' ' : c;
  }
  return text;
}

}  // namespace kz
