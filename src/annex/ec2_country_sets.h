// Whole predefined sets of the EN 1992 block: the set of a country type, and the parameters of the
// built-in annex "Deutschland" as its annex file holds them.
#pragma once

#include "annex/ec2_block.h"

// Fills the block with the set of the country type (NAD_Country_Type or a user annex's country):
// types 4 and 21 the recommended values of EN 1992, every other type the values of the German annex,
// whose joint coefficients of 6.2.5(1) follow the DIN edition switch. The German set keeps the block's
// stress factors of EN 1992-2 7.2 and its four prestress factors r of 5.10.9. Every set leaves the
// variant 0, the version 20 and the reserved values 0. A null block is ignored.
void NAD_Set_EC2_Country_Defaults(int country_type, NAD_EC2_Block* block);

// Copies the EN 1992 parameters of the built-in annex "Deutschland" into the block as NAD_Copy_EC2
// does. The annex file is read once per process, over the built-in values (which stay when the file
// is missing). A null block is ignored.
void NAD_Copy_German_EC2(NAD_EC2_Block* block);
