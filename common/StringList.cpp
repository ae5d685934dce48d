// Lists of strings: splitting, joining, searching and thinning out.
#include "common/StringList.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

namespace {

std::string TrimSpaces(const std::string& text, std::size_t begin, std::size_t end) {
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  return text.substr(begin, end - begin);
}

char LowerChar(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string LowerText(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), LowerChar);
  return s;
}

bool SameText(const std::string& a, const std::string& b, bool matchCase) {
  if (matchCase) return a == b;
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return LowerChar(x) == LowerChar(y); });
}

}  // namespace

void SplitText(const std::string& text, const std::string& separator, StringList& list) {
  list.clear();
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t found = separator.empty() ? std::string::npos : text.find(separator, begin);
    const std::size_t end = found == std::string::npos ? text.size() : found;
    list.push_back(TrimSpaces(text, begin, end));
    begin = found == std::string::npos ? text.size() : found + separator.size();
  }
}

std::string JoinText(const StringList& list, const std::string& separator) {
  std::string result;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) result += separator;
    result += list[i];
  }
  return result;
}

std::string JoinNonEmpty(const StringList& list, const std::string& separator) {
  std::string result;
  for (const std::string& item : list) AppendJoined(result, item, separator);
  return result;
}

void AppendJoined(std::string& a, const std::string& b, const std::string& separator) {
  if (!a.empty() && !b.empty()) a += separator;
  a += b;
}

int FindString(const StringList& list, const std::string& s, bool matchCase) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (SameText(list[i], s, matchCase)) return static_cast<int>(i);
  }
  return -1;
}

void RemoveString(StringList& list, const std::string& s, bool matchCase) {
  list.erase(std::remove_if(list.begin(), list.end(),
                            [&](const std::string& item) { return SameText(item, s, matchCase); }),
             list.end());
}

// One pass with a set of the keys seen so far, so long lists stay cheap.
void RemoveDuplicates(StringList& list, bool matchCase) {
  std::unordered_set<std::string> seen;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [&](const std::string& item) {
                              return !seen.insert(matchCase ? item : LowerText(item)).second;
                            }),
             list.end());
}
