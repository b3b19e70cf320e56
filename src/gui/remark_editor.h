// The modal editor of a preliminary remark ("Vorbemerkung"): a free text of at most 5000 characters.
#pragma once

constexpr int Remark_Length = 5000;

// Edits the heap text *text (null edits an empty text) in a dialog. Accepted: 1, and *text is
// replaced by a heap copy of the edited text, the old one freed. Broken, a null address or memory
// running out: 0, and *text is left as it was.
int Edit_Remark(char** text);
