#include "common/periodic_callbacks.h"

#include <vector>

namespace {

std::vector<Sheet_Periodic_Callback> Callback_Stack;
bool Callbacks_Active = false;

Sheet_Periodic_Callback Top() { return Callback_Stack.empty() ? nullptr : Callback_Stack.back(); }

}  // namespace

void Push_Periodic_Callback(Sheet_Periodic_Callback callback) {
    if (Callback_Stack.size() == Callback_Stack.capacity())
        Callback_Stack.reserve(Callback_Stack.size() + 10);
    Callback_Stack.push_back(callback);
    Callbacks_Active = true;
    Set_CallSometimesFunc_to_PS(callback);
}

void Pop_Periodic_Callback() {
    if (!Callback_Stack.empty()) Callback_Stack.pop_back();
    Callbacks_Active = true;
    Set_CallSometimesFunc_to_PS(Top());
}

void Suspend_Periodic_Callbacks() {
    Callbacks_Active = false;
    Set_CallSometimesFunc_to_PS(nullptr);
}

void Resume_Periodic_Callbacks() {
    Callbacks_Active = true;
    Set_CallSometimesFunc_to_PS(Top());
}

void Clear_Periodic_Callbacks() {
    Callback_Stack.clear();
    Set_CallSometimesFunc_to_PS(nullptr);
}
