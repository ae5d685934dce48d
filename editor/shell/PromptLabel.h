// The label of the question that a %Prompt: macro asks.
#pragma once

#include <string>

// The message with a ":" behind it, unless it is empty or already ends with one.
std::string PromptLabel(const std::string& message);
