// Titles of the standards, the literature list and the edition switches that date them.
#pragma once

// Code edition of the rules: 0 the EN 1993 parts of 2005 (German editions 2010), 1 those of
// 2022/2024 (German editions 2025).
void NAD_Set_Code_Edition(int edition);
int NAD_Get_Code_Edition();
