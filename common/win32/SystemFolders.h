// The product's folders as this computer gives them, gathered once per run.
#pragma once

#include "common/CommonFolders.h"

// What the platform reports: the program's path, the special folders (created when missing)
// and the environment variables that stand in for them.
FolderSources ReadFolderSources();
// Computed on first use, which is early at start-up, and kept for the whole run.
const CommonFolders& GetCommonFolders();
