// The program's answer to the annex library whether an annex parameter matters for its report.
#pragma once

// 1: every annex parameter counts for this program's report.
int Is_NAD_Parameter_Relevant();
