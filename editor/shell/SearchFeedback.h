// What a search tells the user: information boxes and the wait cursor of long operations.
#pragma once

#include <string>

class SearchFeedback {
public:
  virtual ~SearchFeedback() = default;

  virtual void ShowInformation(const std::string& text, const char* caption) = 0;
  virtual void BeginWait() = 0;
  virtual void EndWait() = 0;
};
