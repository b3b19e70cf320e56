// Extraction of one member of an archive with the host's archive tool "7za" in the EXEC folder.
// The tool is started with an argument vector, never through a shell, so no quote, semicolon or
// "$(...)" in a path can run a command; its standard output goes to 7zprot.txt in the TEMP folder.
#pragma once

// Extracts the member of the archive into the folder. 0 done; 1 the archive cannot be read; 2 the
// folder cannot be written; 3 EXEC is not set; 4 TEMP is not set; 5 the tool failed: it cannot
// start, it exits with a code other than 0, or the member is empty or starts with '-' (which the
// tool would take as a switch).
int Extract_With_7za(const char* archive, const char* member, const char* folder);
