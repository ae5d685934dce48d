// The find dialog's vertical place beside a match: above it when there is more room there,
// else halfway between the match and the bottom of the work area.
#include "editor/shell/FindDialogPlacement.h"

int PlaceFindDialog(int selectionTop, int selectionBottom, int dialogTop, int dialogHeight, int workAreaHeight) {
  if (dialogTop + dialogHeight <= selectionTop || dialogTop >= selectionBottom) return dialogTop;
  const int above = selectionTop - dialogHeight;
  const int limit = workAreaHeight - dialogHeight;
  const int middleBelow = (limit + selectionBottom) / 2;
  return above / 2 <= limit - middleBelow ? middleBelow : above / 2;
}
