#include "app/TickedEntries.h"

void DeleteTickedEntries(TCheckListBox& list) {
  const int count = list.Items()->Count();
  for (int i = count - 1; i >= 0; --i)
    if (list.Checked(i)) list.Items()->Delete(i);
}
