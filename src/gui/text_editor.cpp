#include "gui/text_editor.h"

void Text_Editor_State_Deleter::operator()(Text_Editor_State* state) const { delete state; }
