#pragma once
// Removing the ticked entries of a check-list box, shared by the history
// panel and the favorites window.
#include "forms/TCheckListBox.h"

// Scans from the last entry to the first, so a deletion never moves an
// entry still to be examined.
void DeleteTickedEntries(TCheckListBox& list);
