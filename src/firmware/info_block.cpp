#include "firmware/info_block.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

void SkipBlanks(std::string_view text, size_t& i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
}

// A quoted token runs to the next quote (an unclosed quote takes the rest of
// the value); an empty pair of quotes ends the splitting. Tokens over the
// limit keep their first kMaxInfoToken characters; the rest of them is skipped.
std::vector<std::string> SplitTokens(std::string_view value) {
  std::vector<std::string> tokens;
  size_t i = 0;
  for (;;) {
    SkipBlanks(value, i);
    if (i >= value.size()) break;
    std::string_view token;
    if (value[i] == '"') {
      const size_t close = value.find('"', i + 1);
      const size_t end = close == std::string_view::npos ? value.size() : close;
      token = value.substr(i + 1, end - i - 1);
      if (token.empty()) break;
      i = close == std::string_view::npos ? value.size() : close + 1;
    } else {
      const size_t start = i;
      while (i < value.size() && !IsBlank(value[i])) ++i;
      token = value.substr(start, i - start);
    }
    tokens.emplace_back(token.substr(0, kMaxInfoToken));
  }
  return tokens;
}

void StoreCode(char (&field)[4], std::string_view token) {
  std::memset(field, 0, sizeof field);
  std::memcpy(field, token.data(), std::min<size_t>(3, token.size()));
}

// The whole token must be a decimal number; "3a" or "" is no number.
bool ReadDecimal(std::string_view token, int& value) {
  const char* end = token.data() + token.size();
  const auto result = std::from_chars(token.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

OVFileInfo::OVFileInfo() {
  for (auto& aux : m_szFileAux) aux[0] = '?';
}

std::string ReadInfoHeader(OVArchive& ar) {
  std::string header;
  for (char c = ar.ReadChar(); c != ':'; c = ar.ReadChar()) header += c;
  // The header began at the start of the file, so its length is the offset of the ':'.
  ar.Seek(header.size());
  return header;
}

void ParseInfoBlocks(std::string_view header, OVFileInfo& info) {
  for (size_t i = 0; i < header.size(); ++i) {
    if (header[i] != '{') continue;
    info.m_bInfoBlock = 1;
    const size_t close = header.find('}', i + 1);
    const size_t end = close == std::string_view::npos ? header.size() : close;
    // A block over the limit is read as its first kMaxInfoBlock characters.
    ParseInfoEntry(header.substr(i + 1, std::min(end - i - 1, kMaxInfoBlock)), info);
  }
}

std::vector<std::string> HardwareVersionRange(const std::vector<std::string>& tokens) {
  std::vector<std::string> list;
  if (tokens.size() != 2) list.emplace_back("??");
  // A missing token, or one of a single character, gives no range to walk.
  if (tokens.size() < 2 || tokens[0].size() < 2 || tokens[1].size() < 2) return list;
  auto code = [](char c) { return static_cast<int>(static_cast<unsigned char>(c)); };
  int l = code(tokens[0][0]);
  int d = code(tokens[0][1]);
  // Codes are printable below 0x7F; clamping the ends keeps the walk finite.
  const int l2 = std::min(code(tokens[1][0]), 0x7E);
  const int d2 = std::min(code(tokens[1][1]), 0x7E);
  if (l > l2) return list;
  for (;;) {
    if (d <= d2 || (l != l2 && d <= 'Z')) {
      list.push_back({static_cast<char>(l), static_cast<char>(d)});
      ++d;
    } else {
      ++l;
      d = 'A';
      if (l > l2) break;
    }
  }
  return list;
}

int ParseInfoEntry(std::string_view block, OVFileInfo& info) {
  size_t i = 0;
  SkipBlanks(block, i);
  const size_t keyStart = i;
  while (i < block.size() && !IsBlank(block[i])) ++i;
  const std::string_view key = block.substr(keyStart, i - keyStart);
  if (key.empty() || key.size() > kMaxInfoKey) return -1;

  std::vector<std::string> tokens;
  SkipBlanks(block, i);
  if (i < block.size() && block[i] == '=') {
    ++i;
    SkipBlanks(block, i);
    tokens = SplitTokens(block.substr(i));
  }

  const auto found = std::find(kInfoKeys.begin(), kInfoKeys.end(), key);
  if (found == kInfoKeys.end()) return -1;
  const int index = static_cast<int>(found - kInfoKeys.begin());

  int n = 0;
  switch (index) {
    case kKeyHardwareVersionList:
      info.m_hwVersions = tokens;
      break;
    case kKeyHardwareVersionRange:
      info.m_hwVersions = HardwareVersionRange(tokens);
      break;
    case kKeyFirmwareVersion:
      // Without a token the entry names nothing and changes nothing.
      if (!tokens.empty()) StoreCode(info.m_szFileFirmware, tokens[0]);
      break;
    case kKeyDeviceType:
      if (!tokens.empty()) StoreCode(info.m_szFileDeviceType, tokens[0]);
      break;
    case kKeyAuxiliaryVersion:
      // N outside 1..20 or not a decimal number: the entry is ignored.
      if (tokens.size() >= 2 && ReadDecimal(tokens[0], n) && n >= 1 && n <= kAuxVersionCount)
        StoreCode(info.m_szFileAux[n - 1], tokens[1]);
      break;
    case kKeyDisplay:
      // Labels belong to the 20 auxiliary versions; a larger N would only make
      // the file choose how much to allocate, so it is ignored like N below 1.
      if (tokens.size() >= 2 && ReadDecimal(tokens[0], n) && n >= 1 && n <= kAuxVersionCount) {
        if (info.m_auxLabels.size() < static_cast<size_t>(n)) info.m_auxLabels.resize(n);
        info.m_auxLabels[n - 1] = tokens[1] + ": ";
      }
      break;
  }
  return index;
}
