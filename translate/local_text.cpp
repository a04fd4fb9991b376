#include "translate/local_text.h"

namespace kestara {
namespace {

bool IsLead(unsigned char b) { return b >= 0x80; }

// Walks the character starts of a text forward; positions asked about must
// not decrease between calls (except through Restart).
class CharStarts {
 public:
  explicit CharStarts(std::string_view text) : text_(text) {}
  bool IsStart(size_t pos) {
    while (next_ < pos) next_ += CharLength(text_, next_);
    return next_ == pos;
  }
  void Restart(size_t pos) { next_ = pos; }

 private:
  std::string_view text_;
  size_t next_ = 0;
};

// Whether a character starts at `pos`, found by looking backwards: the byte
// after any byte below 0x80 starts a character (that byte is either a
// character of its own or the end of a pair), and from there a run of lead
// bytes consists of whole pairs.
bool IsCharStartBackwards(std::string_view text, size_t pos) {
  size_t run = 0;
  while (run < pos && IsLead(static_cast<unsigned char>(text[pos - run - 1]))) ++run;
  return run % 2 == 0;
}

char FoldByte(char c, bool upper) {
  if (upper && c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (!upper && c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

std::string Fold(std::string_view text, bool upper) {
  std::string out(text);
  for (size_t i = 0; i < out.size();) {
    if (IsLead(static_cast<unsigned char>(out[i]))) {
      i += CharLength(out, i);
    } else {
      out[i] = FoldByte(out[i], upper);
      ++i;
    }
  }
  return out;
}

}  // namespace

int FindFirst(std::string_view text, std::string_view what) {
  if (what.empty()) return -1;
  CharStarts starts(text);
  for (size_t pos = text.find(what); pos != std::string_view::npos; pos = text.find(what, pos + 1)) {
    if (starts.IsStart(pos)) return static_cast<int>(pos + 1);
  }
  return -1;
}

int FindLast(std::string_view text, std::string_view what) {
  if (what.empty() || what.size() > text.size()) return -1;
  for (size_t pos = text.rfind(what); pos != std::string_view::npos;) {
    if (IsCharStartBackwards(text, pos)) return static_cast<int>(pos + 1);
    if (pos == 0) break;
    pos = text.rfind(what, pos - 1);
  }
  return -1;
}

int FindFirstNoCase(std::string_view text, std::string_view what) {
  // Folding keeps every byte's place, so positions carry over.
  return FindFirst(ToLowerAscii(text), ToLowerAscii(what));
}

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
  if (what.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  CharStarts starts(text);
  size_t copied = 0;
  size_t pos = text.find(what);
  while (pos != std::string_view::npos) {
    if (!starts.IsStart(pos)) {
      pos = text.find(what, pos + 1);
      continue;
    }
    out.append(text.substr(copied, pos - copied));
    out.append(with);
    copied = pos + what.size();
    starts.Restart(copied);
    pos = text.find(what, copied);
  }
  out.append(text.substr(copied));
  return out;
}

std::string TrimSpaces(std::string_view text) {
  size_t end = text.size();
  if (end > 0 && IsLead(static_cast<unsigned char>(text[end - 1])) &&
      IsCharStartBackwards(text, end - 1)) {
    --end;  // a lead byte without its second byte
  }
  auto spaceAt = [&](size_t i) -> size_t {  // length of a space character at i, or 0
    if (text[i] == ' ') return 1;
    if (i + 1 < end && text[i] == '\xA1' && text[i + 1] == '\xA1') return 2;
    return 0;
  };
  size_t begin = 0;
  while (begin < end) {
    size_t len = spaceAt(begin);
    if (len == 0) break;
    begin += len;
  }
  // Forward, so that pairs are stepped over whole; remember where the last
  // character that is not a space ends.
  size_t keepEnd = begin;
  for (size_t i = begin; i < end;) {
    size_t len = spaceAt(i);
    if (len == 0) {
      len = (IsLead(static_cast<unsigned char>(text[i])) && i + 1 < end) ? 2 : 1;
      keepEnd = i + len;
    }
    i += len;
  }
  return std::string(text.substr(begin, keepEnd - begin));
}

std::string ToUpperAscii(std::string_view text) { return Fold(text, true); }

std::string ToLowerAscii(std::string_view text) { return Fold(text, false); }

}  // namespace kestara
