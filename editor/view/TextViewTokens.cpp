// Tokens for the lines being shown: made from the line's start state and kept in a cache of
// about two windows of lines, each entry naming the start state it was made from. A line too
// long to colour whole is coloured in pieces from its nearest checkpoint.
#include "editor/view/TextView.h"

#include <algorithm>

namespace {

// A piece of a long line is coloured this far beyond its end, so that no token in it is cut
// short by where the colouring stopped.
constexpr int PieceMargin = 4096;

}  // namespace

const std::vector<TokenSpan>& TextView::TokensOf(int line) {
  const int start = LineStartState(line);
  for (CachedTokens& entry : TokenCache) {
    if (entry.Line != line) continue;
    if (entry.StartState != start) {
      entry.Tokens.clear();
      ColourPiece(line, 0, LineLength(line), entry.Tokens);
      entry.StartState = start;
    }
    return entry.Tokens;
  }
  const std::size_t capacity = static_cast<std::size_t>(std::max(64, 2 * VisibleLineCount(false) + 16));
  if (TokenCache.size() >= capacity) DropFarthestCachedLine();
  TokenCache.push_back(CachedTokens{line, start, {}});
  ColourPiece(line, 0, LineLength(line), TokenCache.back().Tokens);
  return TokenCache.back().Tokens;
}

// Appends the tokens of the columns [from, to) of a line and those before them back to where
// the colouring starts: column 0, or for a long line its last checkpoint before from.
void TextView::ColourPiece(int line, int from, int to, std::vector<TokenSpan>& tokens) {
  const int length = LineLength(line);
  int column = 0;
  int state = LineStartState(line);
  int end = length;
  if (length > LongLine) {
    end = static_cast<int>(std::min<long long>(length, static_cast<long long>(std::max(from, to)) + PieceMargin));
    if (!Language) {
      column = std::min(from, length);  // plain text: any column starts a run
    } else {
      ScanLongLine(line, state);
      const std::vector<StateCheckpoint>& checkpoints = Buffer.Record(line)->Checkpoints;
      auto after = std::upper_bound(checkpoints.begin(), checkpoints.end(), from,
                                    [](int c, const StateCheckpoint& checkpoint) { return c < checkpoint.Column; });
      if (after != checkpoints.begin()) {
        column = std::prev(after)->Column;
        state = std::prev(after)->State;
      }
    }
  }
  const char* text = Buffer.RangePointer(LineStart(line) + column, end - column);
  ColourState running = States.State(state);
  const std::size_t first = tokens.size();
  ColourFrom(Language.Get(), std::string_view(text, static_cast<std::size_t>(end - column)), 0, running, tokens);
  for (std::size_t i = first; i < tokens.size(); ++i) tokens[i].Column += column;
}

std::vector<TokenSpan> TextView::TokensBetween(int line, int from, int to) {
  std::vector<TokenSpan> tokens;
  if (LineLength(line) > LongLine) ColourPiece(line, from, to, tokens);
  else tokens = TokensOf(line);
  tokens.erase(std::remove_if(tokens.begin(), tokens.end(),
                              [&](const TokenSpan& t) { return t.Column + t.Length <= from || t.Column >= to; }),
               tokens.end());
  return tokens;
}

RefPtr<LineColouring> TextView::ColouringOf(int line) {
  line = std::max(0, std::min(line, LineCount() - 1));
  RefPtr<LineColouring> colouring(new LineColouring);
  colouring->LineText = LineText(line);
  const std::vector<TokenSpan> tokens = TokensBetween(line, 0, LineLength(line));
  for (const TokenSpan& token : tokens)
    colouring->Tokens.push_back(ColouredToken{
        token.Kind,
        std::string_view(colouring->LineText).substr(static_cast<std::size_t>(token.Column),
                                                     static_cast<std::size_t>(token.Length)),
        token.Column});
  colouring->StartState = StartStateOf(line);
  colouring->EndState = EndStateOf(line);
  return colouring;
}

// The cached tokens of the lines firstLine to lastLine - lineDelta are set aside for
// comparing; those of the lines below move with the edit.
void TextView::ShiftTokenCache(int firstLine, int lastLine, int lineDelta) {
  ReplacedTokens.clear();
  const int lastBefore = lastLine - lineDelta;
  std::size_t kept = 0;
  for (CachedTokens& entry : TokenCache) {
    if (entry.Line >= firstLine && entry.Line <= lastBefore) {
      ReplacedTokens.push_back(std::move(entry));
      continue;
    }
    if (entry.Line > lastBefore) entry.Line += lineDelta;
    if (&TokenCache[kept] != &entry) TokenCache[kept] = std::move(entry);
    ++kept;
  }
  TokenCache.resize(kept);
}

void TextView::DropFarthestCachedLine() {
  const int top = Top;
  const int bottom = Top + VisibleLineCount(false);
  auto distance = [&](const CachedTokens& entry) {
    return entry.Line < top ? top - entry.Line : std::max(0, entry.Line - bottom);
  };
  auto farthest = std::max_element(TokenCache.begin(), TokenCache.end(),
                                   [&](const CachedTokens& a, const CachedTokens& b) { return distance(a) < distance(b); });
  if (farthest == TokenCache.end()) return;
  if (farthest != std::prev(TokenCache.end())) *farthest = std::move(TokenCache.back());
  TokenCache.pop_back();
}
