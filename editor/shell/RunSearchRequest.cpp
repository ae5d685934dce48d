// The search and replace rules of the main window: Replace All over the selection or the
// whole text as one undoable step, Replace of a selected match, and Find with its pass
// around the text and the messages that end it.
#include "editor/shell/RunSearchRequest.h"

#include "common/DiffRange.h"
#include "common/LineEnds.h"
#include "common/TextSearch.h"
#include "editor/shell/SearchFeedback.h"
#include "editor/shell/SearchProgress.h"
#include "editor/shell/SearchRequest.h"
#include "editor/view/TextView.h"

#include <cctype>
#include <cstdio>
#include <string_view>
#include <utility>

namespace {

const char* const FinishedCaption = "Finished Search";

class WaitScope {
public:
  explicit WaitScope(SearchFeedback& feedback) : Feedback(feedback) { Feedback.BeginWait(); }
  ~WaitScope() { Feedback.EndWait(); }
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;

private:
  SearchFeedback& Feedback;
};

// Equal the way find texts compare: exactly with match case, else after the runtime's
// tolower, as the search itself folds case.
bool SameText(const std::string& a, const std::string& b, bool matchCase) {
  if (matchCase) return a == b;
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

// The request's flags for the view's text: in a UTF-8 document a letter beyond ASCII is
// part of a word, as its bytes are.
int TextFlags(const TextView& view, const SearchRequest& request) {
  return request.flags | (view.IsUtf8() ? SearchUtf8Words : 0);
}

// Replace All always scans forwards, whatever the direction option says.
int ReplaceEvery(std::string& text, const TextView& view, const SearchRequest& request) {
  return ReplaceAll(text, request.findText, request.replaceText, TextFlags(view, request) & ~SearchBackwards, 0, -1,
                    nullptr, 0);
}

// The view's text without soft breaks. Without word wrap that is its own string, read in
// place, so that a search of a big document copies nothing; copy holds it otherwise.
std::string_view TextWithoutSoftBreaks(TextView& view, std::string& copy) {
  if (!view.GetWordWrap()) return view.RawTextInPlace();
  copy = view.GetText(NewLineLf);
  return copy;
}

int ReplaceAllInSelection(TextView& view, const SearchRequest& request) {
  std::string text = view.GetSelectedText();
  StripSoftBreaks(text);
  const int count = ReplaceEvery(text, view, request);
  if (count > 0) view.ReplaceSelection(text, true);
  return count;
}

// Where a position of the new text, counted without soft breaks, lies in the view's string
// just after the changed span [start, start + newLength) has gone in: ReplaceText takes the
// selection there, before word wrap fits the lines again, so around the span the soft
// breaks are still those of the old text.
int PositionAfterSpan(const TextView& view, int pos, int start, int oldLength, int newLength) {
  const int from = view.WrappedPosition(start);
  if (pos <= start) return view.WrappedPosition(pos);
  if (pos <= start + newLength) return from + pos - start;
  const int to = view.WrappedPosition(start + oldLength);
  return view.WrappedPosition(pos - newLength + oldLength) - (to - from) + newLength;
}

// Only the span in which the old and new texts differ goes into the view, so that undo
// keeps one small record and the lines around it keep their colouring and bookmarks.
// Positions are counted without the soft breaks of word wrap while the text is rebuilt.
// The carried selection goes in with the span, so that redo brings it back too.
int ReplaceAllInText(TextView& view, const SearchRequest& request) {
  const int top = view.TopLine();
  const int scrollX = view.ScrollX();
  std::string copy;
  const std::string_view old = TextWithoutSoftBreaks(view, copy);
  int selection[2] = {view.UnwrappedPosition(view.Anchor()), view.UnwrappedPosition(view.Caret())};
  std::string text;
  const int count = ReplaceAllInto(old, text, request.findText, request.replaceText,
                                   TextFlags(view, request) & ~SearchBackwards, 0, -1, selection, 2);
  if (count == 0) return 0;
  int start = 0, oldLength = 0, newLength = 0;
  DiffRange(old, text, start, oldLength, newLength);
  if (start < 0) return count;
  const int from = view.WrappedPosition(start);
  const int to = view.WrappedPosition(start + oldLength);
  const int anchor = PositionAfterSpan(view, selection[0], start, oldLength, newLength);
  const int caret = PositionAfterSpan(view, selection[1], start, oldLength, newLength);
  // The changed span is cut out of the new text in place rather than copied out of it.
  text.resize(static_cast<std::size_t>(start + newLength));
  text.erase(0, static_cast<std::size_t>(start));
  view.ReplaceText(from, to - from, std::move(text), anchor, caret, ScrollNone, true);
  view.SetTopLine(top);
  view.SetScrollX(scrollX);
  return count;
}

void RunReplaceAll(TextView& view, const SearchRequest& request, SearchFeedback& feedback) {
  int count = 0;
  {
    WaitScope wait(feedback);
    count = request.selectionOnly ? ReplaceAllInSelection(view, request) : ReplaceAllInText(view, request);
  }
  feedback.ShowInformation(ReplacementsMessage(count), "Replace All");
}

// Whole word plays no part: the selection is taken as it is.
void RunReplace(TextView& view, const SearchRequest& request) {
  if (request.findText.empty()) return;
  std::string selected = view.GetSelectedText();
  StripSoftBreaks(selected);
  if (SameText(selected, request.findText, request.MatchCase())) view.ReplaceSelection(request.replaceText, true);
}

// Joins the current pass or starts a new one; true when the direction differs from the one
// the pass began with.
bool JoinPass(const SearchRequest& request, SearchProgress& progress) {
  const bool same = !request.newSearch &&
                    (request.flags & ~SearchBackwards) == (progress.lastFlags & ~SearchBackwards) &&
                    request.selectionOnly == progress.lastSelectionOnly &&
                    request.allowEscapes == progress.lastAllowEscapes &&
                    SameText(request.findText, progress.lastFindText, request.MatchCase());
  if (same) return (request.flags & SearchBackwards) != (progress.lastFlags & SearchBackwards);
  progress.startPos = -1;
  progress.lastPos = -1;
  progress.finished = false;
  progress.lastFindText = request.findText;
  progress.lastFlags = request.flags;
  progress.lastSelectionOnly = request.selectionOnly;
  progress.lastAllowEscapes = request.allowEscapes;
  progress.lastNewSearch = request.newSearch;
  return false;
}

// True when the pass has gone once around: the message is shown instead of the match.
bool EndsPass(int match, bool dirChanged, SearchProgress& progress, const std::string& displayText,
              SearchFeedback& feedback) {
  if (progress.finished) return false;
  if (!dirChanged && match == progress.startPos) {
    feedback.ShowInformation(FinishedSearchingMessage(displayText), FinishedCaption);
  } else if (dirChanged && progress.lastPos == progress.startPos && progress.lastPos != -1) {
    feedback.ShowInformation(StartingPointMessage, "Search");
  } else {
    return false;
  }
  progress.finished = true;
  return true;
}

// The search runs over the text without soft breaks; the pass records positions of the
// view's own string, as the selection notification reports them.
void RunFind(TextView& view, SearchRequest& request, SearchProgress& progress, SearchFeedback& feedback) {
  std::string copy;
  const std::string_view text = TextWithoutSoftBreaks(view, copy);
  const int start = view.UnwrappedPosition(request.Backwards() ? view.SelectionStart() : view.SelectionEnd());
  const int found = text.empty() ? -1 : FindWrapped(text, request.findText, TextFlags(view, request), start, start);
  const std::string displayText = DisplayForm(request.findText, request.allowEscapes);
  if (found < 0) {
    feedback.ShowInformation(NoOccurrencesMessage(displayText), FinishedCaption);
    return;
  }
  const int match = view.WrappedPosition(found);
  const bool dirChanged = JoinPass(request, progress);
  request.newSearch = false;
  if (EndsPass(match, dirChanged, progress, displayText, feedback)) return;
  progress.finished = false;
  progress.lastPos = match;
  if (progress.startPos == -1) progress.startPos = match;
  const int end = view.WrappedPosition(found + static_cast<int>(request.findText.size()));
  view.SetSelection(match, end, ScrollToSelection);
}

}  // namespace

const char* const StartingPointMessage = "You have reached the starting point of the search.";

std::string ReplacementsMessage(int count) {
  char text[64];
  std::snprintf(text, sizeof text, "%d replacments made.", count);
  return text;
}

std::string NoOccurrencesMessage(const std::string& displayText) {
  return "There are no occurrences of '" + displayText + "'.";
}

std::string FinishedSearchingMessage(const std::string& displayText) {
  return "You have finished searching through all the text for '" + displayText + "'.";
}

void RunSearchRequest(TextView& view, SearchRequest& request, SearchProgress& progress, SearchFeedback& feedback) {
  if (request.doReplaceAll && !view.IsReadOnly()) RunReplaceAll(view, request, feedback);
  if (request.doReplace && !view.IsReadOnly()) RunReplace(view, request);
  if (request.doFind) RunFind(view, request, progress, feedback);
}
