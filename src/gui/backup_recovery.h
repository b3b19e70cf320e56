// The recovery question after an irregular end: when a temporary backup of the data file (see
// common/data_backups.h) is left over from the last session and differs from the data at hand, the
// user is asked whether to load it instead of the older regular data.
#pragma once

// 0 nothing loaded (no backup, an equal backup, or the answer no); 1 the temporary backup was
// loaded through the backup reader; -1 it could not be read after the answer yes: the error notice
// was shown and the caller reloads its regular data, which the reader may have changed. While the
// backups are switched on they are removed afterwards, except after -1: the backups are then kept
// for another try, and a no at the next start removes them.
int Offer_Temp_Backup_Recovery();
