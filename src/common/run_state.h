// The state of one run that every floor may read: the road chosen at start-up and the names the
// host handed over. Start-up fills it; everything else only reads it.
#pragma once

// 1 on the batch road: no window, and notices of the input file stay silent.
extern int Refresh_Mode;

// The component id as handed to the report viewer and printer (at most 7 characters kept), and the
// file-name suffixes formed from the file id: "_%02d.INP", "_%02d.OLI", "_%02d.TXT".
extern char Component_Id[8];
extern char Input_File_Suffix[12];
extern char Report_File_Suffix[12];
extern char Position_File_Suffix[12];
