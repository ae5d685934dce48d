// Removing the spaces and tabs at the ends of the document's lines before it is saved.
#pragma once

class TextView;

// Every line loses its trailing spaces and tabs, except a display line that word wrap
// continues on the next one (its blanks lie inside the file's line). The whole text is
// replaced in one undoable step; the selection, the caret and the bookmarks stay on their
// characters and lines, and the first visible line and the horizontal scroll are kept.
// Without any blank to remove the view is not touched. Returns the number removed.
int RemoveTrailingBlanks(TextView& view);
