#include "pages/page_edit_flags.h"

Page_Edit_Flags_Record Page_Edit_Flags;

void Reseed_Page_Edit_Flags() { Page_Edit_Flags.long_joint_ticked = -1; }
