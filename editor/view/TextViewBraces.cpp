// Brace matching: the brace beside the caret and its partner, among the braces that the
// colouring leaves outside comments and strings. The search walks the raw text line by line
// (a soft break is no brace) and colours only the lines that hold a brace of the kind, each
// from the start state the view keeps for it; it stops BraceReach bytes from the brace, so
// its cost never grows with the document. The caret's match is kept for painting.
#include "editor/view/TextView.h"

#include "editor/syntax/ColourMix.h"

#include <algorithm>

namespace {

// PartnerOf's answers that are no position.
constexpr int NoPartner = -1;    // the document ends first
constexpr int NotABrace = -2;    // no brace character, or one inside a comment or string
constexpr int BeyondReach = -3;  // the search gave up at its reach

// A long line that reaches beyond the search is coloured from its start this far past the
// search's end only, so that a marker running past that end still colours its first byte.
constexpr int HeadMargin = 4096;

struct BracePair {
  char Open;
  char Close;
};

constexpr BracePair BracePairs[] = {{'(', ')'}, {'[', ']'}, {'{', '}'}};

const BracePair* PairOf(char c) {
  for (const BracePair& pair : BracePairs)
    if (c == pair.Open || c == pair.Close) return &pair;
  return nullptr;
}

bool IsCodeAt(const std::vector<TokenSpan>& tokens, int column) {
  const auto token = TokenAt(tokens, column);
  if (token == tokens.end() || token->Column > column) return true;
  return token->Kind != Comment && token->Kind != String;
}

constexpr Colour Red = 0x0000FF;

}  // namespace

Colour MatchedBraceBackground(Colour background, Colour plainText) { return MixColours(background, plainText, 1, 5); }

// Red mixed into a grey as bright as the background, not into the background itself: a
// blue background would turn purple, not red.
Colour UnmatchedBraceBackground(Colour background) { return MixColours(GreyOf(background), Red, 1, 3); }

// A brace right after the caret wins over one right before it; a brace character inside a
// comment or string is passed over.
BraceMatch TextView::FindBraceMatch(int caret) {
  caret = std::min(std::max(caret, 0), Length());
  for (const int brace : {caret, caret - 1}) {
    if (brace < 0 || brace >= Length() || !PairOf(CharAt(brace))) continue;
    const int partner = PartnerOf(brace);
    if (partner == NotABrace) continue;
    if (partner == BeyondReach) return BraceMatch{};
    return BraceMatch{brace, partner};
  }
  return BraceMatch{};
}

// From the brace towards its partner (forward from an opening brace, back from a closing
// one), counting the braces of its kind in code, the brace itself first: the partner is the
// one that brings the depth back to 0.
int TextView::PartnerOf(int brace) {
  const char self = CharAt(brace);
  const BracePair& pair = *PairOf(self);
  const bool forward = self == pair.Open;
  const int step = forward ? 1 : -1;
  // The search covers the text [low, high).
  const int low = forward ? brace : std::max(0, brace - BraceReach);
  const int high = forward ? static_cast<int>(std::min<long long>(Length(), brace + 1LL + BraceReach)) : brace + 1;
  std::vector<TokenSpan> tokens;
  int depth = 0;
  for (int line = LineFromPosition(brace); line >= 0 && line < LineCount(); line += step) {
    const int start = LineStart(line);
    if (forward ? start >= high : start + LineLength(line) < low) break;
    const int from = std::max(low - start, 0);
    const int to = std::min(high - start, LineLength(line));
    if (from >= to) continue;
    const char* text = Buffer.RangePointer(start + from, to - from);
    bool coloured = false;
    for (int i = forward ? from : to - 1; i >= from && i < to; i += step) {
      const char c = text[i - from];
      if (c != pair.Open && c != pair.Close) continue;
      if (!coloured) {
        BraceTokens(line, from, to, tokens);
        text = Buffer.RangePointer(start + from, to - from);  // colouring may move the text
        coloured = true;
      }
      if (!IsCodeAt(tokens, i)) {
        if (start + i == brace) return NotABrace;
        continue;
      }
      depth += c == self ? 1 : -1;
      if (depth == 0) return start + i;
    }
  }
  return (forward ? high == Length() : low == 0) ? NoPartner : BeyondReach;
}

// A line coloured from its start goes only a little past the columns looked at: a long line
// below the reach is not scanned to its end for its head's sake. Elsewhere the tokens are
// those painting makes.
void TextView::BraceTokens(int line, int from, int to, std::vector<TokenSpan>& tokens) {
  tokens.clear();
  const int length = LineLength(line);
  if (from > 0 || length <= LongLine) {
    ColourPiece(line, from, to, tokens);
    return;
  }
  const int end = static_cast<int>(std::min<long long>(length, static_cast<long long>(to) + HeadMargin));
  ColourState state = States.State(LineStartState(line));
  const char* text = Buffer.RangePointer(LineStart(line), end);
  ColourFrom(Language.Get(), std::string_view(text, static_cast<std::size_t>(end)), 0, state, tokens);
}

void TextView::MatchBrace() {
  const BraceMatch match = BracesCaret == CaretPos ? Braces : FindBraceMatch(CaretPos);
  if (match.Brace < 0 || match.Partner < 0) {
    Host.Beep();
    return;
  }
  SetSelection(match.Partner, match.Partner, ScrollToCaret);
}

// Found only while the caret's line is shown: painting needs the states down to it then
// anyway, so the search adds no more than its reach to what is scanned.
void TextView::UpdateBraces() {
  if (BracesHeld || BracesCaret == CaretPos) return;
  const int line = LineFromPosition(CaretPos);
  const bool shown = line >= Top && line <= LastVisibleLine(false);
  const BraceMatch found = shown ? FindBraceMatch(CaretPos) : BraceMatch{};
  BracesCaret = shown ? CaretPos : -1;
  if (found == Braces) return;
  InvalidateBraces();
  Braces = found;
  InvalidateBraces();
}

// Before an edit: the braces painted go, and none is found until the text is whole again.
void TextView::HoldBraces() {
  InvalidateBraces();
  Braces = BraceMatch{};
  BracesCaret = -1;
  BracesHeld = true;
}

void TextView::ReleaseBraces() {
  BracesHeld = false;
  UpdateBraces();
}

void TextView::FindBracesAgain() {
  BracesCaret = -1;
  UpdateBraces();
}

void TextView::InvalidateBraces() {
  for (const int brace : {Braces.Brace, Braces.Partner})
    if (brace >= 0) InvalidateRange(brace, brace + 1);
}

Colour TextView::BraceBackground() {
  const Colour background = BackgroundColour();
  return Braces.Partner >= 0 ? MatchedBraceBackground(background, Scheme->Colors[PlainText])
                             : UnmatchedBraceBackground(background);
}
