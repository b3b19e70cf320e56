#include "annex/ec1_block.h"

namespace {

// Drops the values of table n (1 to 10) when the block defines it.
void Drop_Values(NAD_EC1_Block& b, int n) {
    NAD_EC1_Table* table = b.tables[n - 1].get();
    if (!table) return;
    table->current_text.clear();
    table->has_values = 0;
}

}  // namespace

// The readers of the table files are not part of this build yet: no table is defined, so the
// block holds its two built-in values and the kind only.
int NAD_Load_EC1_Definitions(NAD_EC1_Block*) { return 0; }

void NAD_Load_EC1_Values(int, const char*, NAD_EC1_Block*) {}

void NAD_Set_EC1_Defaults(NAD_EC1_Block* block) {
    if (!block) return;
    block->data[0] = 2;
    block->data[1] = 2;
    NAD_Load_EC1_Values(0, "EC-Standardparameter", block);
}

void NAD_Set_EC1_Kind(NAD_EC1_Block* block, int variant) {
    if (!block) return;
    block->kind = variant != 0 ? 2 : 1;
    Drop_Values(*block, variant != 0 ? 9 : 8);
}
