// Carries out a request of the find dialog, or of Find Next and Find Previous, on the view:
// Replace All, then Replace, then Find, each when the request asks for it.
#pragma once

#include <string>

class SearchFeedback;
class TextView;
struct SearchProgress;
struct SearchRequest;

// Replace and Replace All do nothing in a read-only view. Clears request.newSearch once a
// match was found.
void RunSearchRequest(TextView& view, SearchRequest& request, SearchProgress& progress,
                      SearchFeedback& feedback);

// The messages of a search, with the find text in its display form.
std::string ReplacementsMessage(int count);
std::string NoOccurrencesMessage(const std::string& displayText);
std::string FinishedSearchingMessage(const std::string& displayText);
extern const char* const StartingPointMessage;
