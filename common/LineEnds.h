// Conversions between the file line-break styles and the editor's internal LF form.
#pragma once

#include <string>

// In place: CR LF and a lone CR both become LF; every other byte stays.
void NormalizeLineEnds(std::string& text);

// A copy in which every LF is preceded by a CR (existing CRs are not examined). A caller
// that knows the number of lines may pass it to size the result without counting.
std::string ToCrLf(const std::string& text, int lineCount = -1);

// Every position at or behind at moves by delta, but never to below at.
void ShiftPositions(int at, int positions[], int positionCount, int delta);

// Deletes every CR; each position moves back by the number of CRs removed before it.
// Returns the number of CRs removed.
int RemoveCarriageReturns(std::string& text, int positions[], int positionCount);

// In place, removes word-wrap breaks: a run of two or more CRs before an LF goes with the
// LF, a single CR before an LF leaves the LF, and CRs before any other byte are dropped.
void StripSoftBreaks(std::string& text);

// In place: every LF becomes CR.
void LineFeedsToCarriageReturns(std::string& text);
