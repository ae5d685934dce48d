// The rules of a filter run that need no platform: its file names and how its output is
// taken back.
#pragma once

#include <string>

// The temporary file of one standard stream ("In", "Out" or "Err") of the editor with this
// process id: tempDir\QuilvaneStd<stream><id>.txt.
std::string FilterFileName(const std::string& tempDir, const std::string& stream, unsigned long processId);

// The program's output (with LF line breaks) as the selection's new text: a line feed that
// the program added behind input without a final line break is dropped again.
std::string FilterOutputText(std::string output, bool inputEndsWithNewLine);
