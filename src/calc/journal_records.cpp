#include "calc/journal_records.h"

#include <array>
#include <charconv>

namespace tivorum {

namespace {

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

constexpr std::size_t kCrcDigits = 8;
constexpr char kHex[] = "0123456789abcdef";

void escapeInto(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
}

// Whether every "\" of an escaped text starts one of the three escapes.
bool validEscapes(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') continue;
    if (i + 1 == text.size()) return false;
    const char next = text[++i];
    if (next != '\\' && next != 'n' && next != 'r') return false;
  }
  return true;
}

std::string unescape(std::string_view text) {
  if (text.find('\\') == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size()) {
      c = text[++i];
      if (c == 'n') c = '\n';
      if (c == 'r') c = '\r';
    }
    out += c;
  }
  return out;
}

// "<checksum> <body>\n", the checksum over the body.
std::string record(std::string body) {
  std::uint32_t crc = crc32(body);
  std::string out(kCrcDigits, '0');
  for (std::size_t i = kCrcDigits; i-- > 0; crc >>= 4) out[i] = kHex[crc & 0xF];
  out += ' ';
  out += body;
  out += '\n';
  return out;
}

bool readChecksum(std::string_view hex, std::uint32_t& value) {
  if (hex.size() != kCrcDigits) return false;
  value = 0;
  for (char c : hex) {
    const char* digit = std::char_traits<char>::find(kHex, 16, c);
    if (!digit) return false;
    value = (value << 4) | static_cast<std::uint32_t>(digit - kHex);
  }
  return true;
}

}  // namespace

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : bytes) c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string appendRecord(std::string_view line) {
  std::string body = "a ";
  escapeInto(body, line);
  return record(std::move(body));
}

std::string removeLastRecord() {
  return record("r");
}

std::string clearRecord() {
  return record("c");
}

std::string noteRecord(std::size_t index, std::string_view note) {
  std::string body = "n " + std::to_string(index) + ' ';
  escapeInto(body, note);
  return record(std::move(body));
}

JournalReplay::JournalReplay(std::string text, std::size_t maxLines) : bytes_(std::move(text)) {
  std::string_view bytes = bytes_;
  if (!bytes.starts_with(kJournalHeader)) return;
  hasHeader_ = true;
  bytes.remove_prefix(kJournalHeader.size());
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) {
      ++damaged_;  // cut short: the write that would have ended it never came
      break;
    }
    if (apply(bytes.substr(0, end)))
      ++records_;
    else
      ++damaged_;
    bytes.remove_prefix(end + 1);
  }
  if (lines_.size() > maxLines) first_ = lines_.size() - maxLines;
}

bool JournalReplay::apply(std::string_view text) {
  std::uint32_t checksum = 0;
  if (text.size() < kCrcDigits + 2 || text[kCrcDigits] != ' ' ||
      !readChecksum(text.substr(0, kCrcDigits), checksum))
    return false;
  const std::string_view body = text.substr(kCrcDigits + 1);
  if (crc32(body) != checksum) return false;
  const char op = body[0];
  if (body.size() == 1) {
    if (op == 'r') {
      if (lines_.empty()) return false;
      notes_.erase(lines_.size() - 1);
      lines_.pop_back();
      return true;
    }
    if (op == 'c') {
      lines_.clear();
      notes_.clear();
      return true;
    }
    return false;
  }
  if (body[1] != ' ') return false;
  std::string_view payload = body.substr(2);
  if (!validEscapes(payload)) return false;
  if (op == 'a') {
    lines_.push_back(payload);
    return true;
  }
  if (op != 'n') return false;
  std::size_t index = 0;
  const auto [end, error] = std::from_chars(payload.data(), payload.data() + payload.size(), index);
  if (error != std::errc() || end == payload.data() || end == payload.data() + payload.size() ||
      *end != ' ' || index >= lines_.size())
    return false;
  payload.remove_prefix(static_cast<std::size_t>(end - payload.data()) + 1);
  if (payload.empty())
    notes_.erase(index);
  else
    notes_[index] = payload;
  return true;
}

std::string JournalReplay::line(std::size_t i) const {
  return unescape(lines_.at(first_ + i));
}

std::string JournalReplay::note(std::size_t i) const {
  const auto it = notes_.find(first_ + i);
  return it == notes_.end() ? std::string() : unescape(it->second);
}

std::vector<std::size_t> JournalReplay::notedLines() const {
  std::vector<std::size_t> out;
  for (auto it = notes_.lower_bound(first_); it != notes_.end(); ++it)
    out.push_back(it->first - first_);
  return out;
}

}  // namespace tivorum
