#include "platform/host/host_events.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "platform/host/host_input.h"
#include "platform/host/host_script.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_surface.h"

int M_LEFT = 0;
int M_RIGHT = 0;
int M_SCROLL = 0;
int M_XPOS = 0;
int M_YPOS = 0;

namespace {

constexpr int Periodic_Bit = 0x40000000;
constexpr int Key_Bit = 0x10000;
constexpr int Shown_Bit = 0x80000;
constexpr int Mouse_Bits = 0x1 | 0x2 | 0x4 | 0x8 | 0x20 | 0x4000;
constexpr int Timer_Period = 100;             // ms between timer messages without a wait value
constexpr std::size_t Pending_Key_Limit = 1024;
constexpr std::size_t Saved_Position_Limit = 16;
constexpr std::size_t Restriction_Limit = 16;
constexpr int Close_Allowed = 0x8000;
// Waits that may still ask for input after it has ended before the stand-in ends a program that
// ignores getkeymask (), so that no run can hang.
constexpr int Waits_After_End_Limit = 1000;
constexpr int Hanging_Exit_Code = 2;

struct Rect {
    int x1, y1, x2, y2;
};

struct Input_State {
    const Host_Backend* backend = nullptr;
    bool ended = false;
    int waits_after_end = 0;
    int frame = 0;
    std::deque<int> keys;
    std::deque<Host_Event> put_back;
    int pointer_x = 0, pointer_y = 0;
    bool restricted = false;            // Init_Mouse_Move_Restriction was called
    Rect restriction{0, 0, 0, 0};
    std::vector<Rect> restrictions;     // Pop_Mouse_Move_Restriction
    std::vector<Rect> saved_positions;  // x1, y1 used
    int timer = 0;
    int cursor = 0;
    bool left_down = false;             // the device's left button, whatever callers write to M_LEFT
};

Input_State input;
VEK_Close_Function close_function = nullptr;
bool closing = false;
Host_Process_End_Hook end_hook = nullptr;

const Host_Backend& Backend() {
    if (!input.backend) Host_Choose_Backend();
    return *input.backend;
}

// The rectangle the pointer can reach: the innermost restriction within the screen.
Rect Reach() {
    Rect r{0, 0, NPIXEL_X - 1, NPIXEL_Y - 1};
    const auto cut = [&](const Rect& q) {
        r = {std::max(r.x1, q.x1), std::max(r.y1, q.y1), std::min(r.x2, q.x2), std::min(r.y2, q.y2)};
    };
    if (input.restricted) cut(input.restriction);
    if (!input.restrictions.empty()) cut(input.restrictions.back());
    if (r.x1 > r.x2) r.x2 = r.x1;
    if (r.y1 > r.y2) r.y2 = r.y1;
    return r;
}

void Put_Pointer(int x, int y) {
    const Rect r = Reach();
    input.pointer_x = std::clamp(x, r.x1, r.x2);
    input.pointer_y = std::clamp(y, r.y1, r.y2);
    M_XPOS = input.pointer_x;
    M_YPOS = input.pointer_y;
}

void Confine() {
    if (!input.backend) return;
    const Rect r = Reach();
    input.backend->confine_mouse(r.x1, r.y1, r.x2, r.y2);
}

void Request_Close() {
    if (Host_Tracing()) Host_Trace_Line("close request");
    if (!close_function || closing) return;
    closing = true;
    const int answer = close_function();
    closing = false;
    if (Host_Tracing()) Host_Trace_Line(answer == Close_Allowed ? "close allowed" : "close refused");
    if (answer == Close_Allowed) Host_End_Process(0);
}

void Apply(const Host_Event& e) {
    switch (e.kind) {
        case Host_Event::Move: Put_Pointer(e.x, e.y); break;
        case Host_Event::Press:
        case Host_Event::Release:
            if (e.at_pointer) Put_Pointer(input.pointer_x, input.pointer_y);
            else Put_Pointer(e.x, e.y);
            (e.button == 1 ? M_RIGHT : M_LEFT) = e.kind == Host_Event::Press ? 1 : 0;
            if (e.button == 0) input.left_down = e.kind == Host_Event::Press;
            break;
        case Host_Event::Wheel:
            M_SCROLL = static_cast<int>(std::clamp(static_cast<long long>(M_SCROLL) + e.amount, -100000LL, 100000LL));
            break;
        case Host_Event::Key:
            if (input.keys.size() == Pending_Key_Limit) input.keys.pop_front();
            input.keys.push_back(e.amount);
            break;
        case Host_Event::Close: Request_Close(); break;
        case Host_Event::Shown: break;
    }
}

int Bits_Of(const Host_Event& e) {
    switch (e.kind) {
        case Host_Event::Move: return 0x20;
        case Host_Event::Press: return e.button == 1 ? 0x8 : 0x2;
        case Host_Event::Release: return e.button == 1 ? 0x4 : 0x1;
        case Host_Event::Wheel: return 0x4000;
        case Host_Event::Key: return Key_Bit;
        case Host_Event::Close: return 0;
        case Host_Event::Shown: return Shown_Bit;
    }
    return 0;
}

// The end of the input: buttons released, wheel zeroed, a close requested; from then on every wait
// returns at once.
void End_Input() {
    if (input.ended) return;
    input.ended = true;
    M_LEFT = 0;
    M_RIGHT = 0;
    M_SCROLL = 0;
    if (Host_Tracing()) Host_Trace_Line("end of input");
    Request_Close();
}

int After_End() {
    if (++input.waits_after_end > Waits_After_End_Limit) {
        std::fprintf(stderr, "host: das Programm wartet nach dem Ende der Eingabe weiter und wird beendet\n");
        if (Host_Tracing()) Host_Trace_Line("still waiting after the end of input");
        Host_End_Process(Hanging_Exit_Code);
    }
    if (close_function) Request_Close();
    return 0;
}

// A script, while one runs, is the whole input: its end is the end of the input on every backend.
int Next_Input(Host_Event& e, long long until) {
    return Script_Running() ? Script_Next_Event(e, until) : input.backend->next_event(e, until);
}

}  // namespace

void Host_Start_Input(const Host_Backend& backend, const Host_Script* script) {
    const int timer = input.timer;
    input = Input_State{};
    input.timer = timer;
    input.backend = &backend;
    M_LEFT = M_RIGHT = M_SCROLL = 0;
    M_XPOS = M_YPOS = 0;
    Script_Start(script, backend);
}

int Host_Wait(int mask, int periodic_ms, Host_Event* taken) {
    Backend();
    Host_Present();
    if (input.ended) return After_End();
    const long long until = periodic_ms > 0 ? input.backend->clock_ms() + periodic_ms : -1;
    for (;;) {
        Host_Event e;
        if (!input.put_back.empty()) {
            e = input.put_back.front();
            input.put_back.pop_front();
        } else {
            const int r = Next_Input(e, until);
            if (r == 0) return Periodic_Bit;
            if (r < 0) {
                End_Input();
                return 0;
            }
            ++input.frame;
        }
        Apply(e);
        if (input.ended) return 0;
        const int bits = Bits_Of(e);
        if (bits & mask) {
            if (taken) *taken = e;
            return e.kind == Host_Event::Key ? Key_Bit | (e.amount & 0xFFFF) : bits;
        }
    }
}

void Host_Unget_Event(const Host_Event& event) { input.put_back.push_front(event); }

bool Host_Input_Ended() { return input.ended; }

int Host_Frame_Number() { return input.frame; }

void Host_Pointer(int& x, int& y) {
    x = input.pointer_x;
    y = input.pointer_y;
}

bool Host_Choices_Scripted() { return !Backend().person || Script_Running(); }

void Host_Present() {
    if (input.backend) input.backend->present();
}

bool Host_Read_Back_Frame(std::vector<std::uint32_t>& pixels, int& width, int& height) {
    Host_Present();
    return input.backend && input.backend->read_back(pixels, width, height);
}

void Host_End_Process(int code) {
    if (Host_Tracing()) Host_Trace_Line("process end " + std::to_string(code));
    if (end_hook) end_hook(code);
    std::fflush(nullptr);
    std::exit(code);
}

void Host_Set_Process_End_Hook(Host_Process_End_Hook hook) { end_hook = hook; }

void Host_Set_Title(const std::string& cp437) {
    if (input.backend) input.backend->set_title(cp437);
}

std::string Host_Clipboard() { return Backend().clipboard(); }

void Host_Set_Clipboard(const std::string& cp437) { Backend().set_clipboard(cp437); }

void InitVEKMessage(VEK_Message_Record* record) {
    if (record) *record = VEK_Message_Record{};
}

int GetVEKMessage(int mask, VEK_Message_Record* record) {
    int periodic = 0;
    if (mask & Periodic_Bit) periodic = record && record->wait > 0 ? record->wait : input.timer ? Timer_Period : 0;
    Host_Event e;
    const int result = Host_Wait(mask, periodic, &e);
    if (record) {
        record->result = result;
        record->key = result & Key_Bit ? result & 0xFFFF : 0;
        record->x = M_XPOS;
        record->y = M_YPOS;
    }
    return result;
}

// A caller that wrote M_LEFT = 1 while the device's button is up (a table moving to the next row by
// a key) learns at once that the button is up, as a polling host would tell it, instead of waiting
// for the next mouse event.
int Get_Mouse_Event() {
    if (M_LEFT && !input.left_down && !input.ended) {
        M_LEFT = 0;
        return 0x1;
    }
    return Host_Wait(Mouse_Bits, 0, nullptr);
}

int hitkey() { return input.keys.empty() ? -1 : input.keys.front(); }

int getkey() {
    while (input.keys.empty())
        if (Host_Wait(Key_Bit, 0, nullptr) == 0) return -1;
    const int k = input.keys.front();
    input.keys.pop_front();
    return k;
}

int getkeymask() { return input.ended ? 1 : 0; }

void Init_Mouse_Position(int x, int y) { msStCu(x, y); }

void Init_Mouse_Move_Restriction(int x1, int y1, int x2, int y2) {
    input.restricted = true;
    input.restriction = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    input.restrictions.clear();
    Confine();
}

void Pop_Mouse_Move_Restriction(int x1, int y1, int x2, int y2) {
    if (input.restrictions.size() == Restriction_Limit) input.restrictions.erase(input.restrictions.begin());
    input.restrictions.push_back({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    Put_Pointer(input.pointer_x, input.pointer_y);
    Confine();
}

void Push_Mouse_Move_Restriction() {
    if (!input.restrictions.empty()) input.restrictions.pop_back();
    Confine();
}

void Save_Mouse_Position() {
    if (input.saved_positions.size() == Saved_Position_Limit) input.saved_positions.erase(input.saved_positions.begin());
    input.saved_positions.push_back({input.pointer_x, input.pointer_y, 0, 0});
}

void Restore_Mouse_Position() {
    if (input.saved_positions.empty()) return;
    const Rect p = input.saved_positions.back();
    input.saved_positions.pop_back();
    msStCu(p.x1, p.y1);
}

void msStCu(int x, int y) {
    Put_Pointer(x, y);
    Backend().warp_mouse(input.pointer_x, input.pointer_y);
}

int msStat(int* x, int* y) {
    if (x) *x = input.pointer_x;
    if (y) *y = input.pointer_y;
    return (M_LEFT ? 1 : 0) | (M_RIGHT ? 2 : 0);
}

void setMouseCursor(int shape) {
    input.cursor = shape;
    if (Host_Tracing()) Host_Trace_Line("cursor " + std::to_string(shape));
    Backend().set_cursor(shape);
}

namespace {
bool pointer_hidden = false;   // msVisi
}  // namespace

int msVisi(int mode) {
    const int before = pointer_hidden ? -1 : 0;
    pointer_hidden = mode < 0;
    if (Host_Tracing()) Host_Trace_Line(pointer_hidden ? "pointer hidden" : "pointer shown");
    return before;
}

int VEKSetTimer(int on) {
    const int before = input.timer;
    input.timer = on;
    return before;
}

void VEKSleep(int milliseconds) {
    if (milliseconds <= 0) return;
    const Host_Backend& b = Backend();
    b.sleep_until(b.clock_ms() + milliseconds);
}

void Wait_Seconds(double seconds) {
    if (!std::isfinite(seconds) || seconds <= 0) return;
    VEKSleep(static_cast<int>(std::lround(std::min(seconds, 86400.0) * 1000)));
}

long long Host_Clock_Ms() { return Backend().clock_ms(); }

void VEKSetCloseFct(VEK_Close_Function callback) { close_function = callback; }
