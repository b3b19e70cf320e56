// The event core of the host stand-in and the table through which it reaches a backend; shared by
// the stand-in's units, not for callers outside src/platform/host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One input event. Press and Release at_pointer act where the pointer stands. Shown: the window was
// shown again (a windowed backend).
struct Host_Event {
    enum Kind { Move, Press, Release, Wheel, Key, Close, Shown } kind = Move;
    int x = 0, y = 0;
    bool at_pointer = false;
    int button = 0;   // Press, Release: 0 left, 1 right
    int amount = 0;   // Wheel: notches, positive upwards; Key: the key code
};

// A backend: where input comes from, what the clock reads and where the screen is shown.
struct Host_Backend {
    const char* name;
    bool person;   // a person answers: message boxes, menus and the sign table wait for input
    // The next event, waiting at most until the clock reads `until` (negative: no limit): 1 an
    // event, 0 none by then (the clock then reads `until`), -1 no more input.
    int (*next_event)(Host_Event& event, long long until);
    long long (*clock_ms)();
    void (*sleep_until)(long long time_ms);
    void (*present)();
    void (*set_cursor)(int shape);
    void (*warp_mouse)(int x, int y);
    void (*confine_mouse)(int x1, int y1, int x2, int y2);
    std::string (*clipboard)();                      // CP437
    void (*set_clipboard)(const std::string& cp437);
    void (*set_title)(const std::string& cp437);
    // The frame that the backend last showed, read back from where it shows it (0xRRGGBB pixels row
    // by row); false when it shows none.
    bool (*read_back)(std::vector<std::uint32_t>& pixels, int& width, int& height);
};

// Chooses the backend from the environment and starts the input on it (host_backends.cpp); the
// event core calls it at the first use of the input, the clock or the clipboard.
void Host_Choose_Backend();

// Starts the input afresh on a backend: mouse variables, pending keys, restrictions, the end of the
// input and the frame count are reset. The script, when given, is fed before the backend's own
// input (host_script.h).
struct Host_Script;
void Host_Start_Input(const Host_Backend& backend, const Host_Script* script);

// The core wait: takes events until one of the mask arrives (its bits, 0x10000 | key for a key),
// a periodic wake-up after periodic_ms when above 0 (0x40000000), or the end of the input (0).
// Every event taken updates the mouse variables and the pending keys; a close request calls the
// close callback. The event that ended the wait is copied to `taken`.
int Host_Wait(int mask, int periodic_ms, Host_Event* taken);
// Puts an event back, to be taken first by the next wait (an editor ended by a click elsewhere).
void Host_Unget_Event(const Host_Event& event);

bool Host_Input_Ended();
// The number of input events taken so far: the "frame" of a drawn text in the trace.
int Host_Frame_Number();
// Where the pointer stands.
void Host_Pointer(int& x, int& y);
// Boxes, menus and the sign table take the script's queued choices and never wait, unless a person
// gives the input.
bool Host_Choices_Scripted();
// Shows the screen (the backend's present), when a backend is in force.
void Host_Present();
// Shows the screen and reads the frame back from the backend (tests of a windowed backend); false
// when no backend shows frames.
bool Host_Read_Back_Frame(std::vector<std::uint32_t>& pixels, int& width, int& height);

// Ends the process with the exit code, or hands the code to the hook that a test run installed
// (which does not return either).
[[noreturn]] void Host_End_Process(int code);
using Host_Process_End_Hook = void (*)(int code);
void Host_Set_Process_End_Hook(Host_Process_End_Hook hook);

// The frame title, handed to the backend when one is in force (a backend chosen later reads
// Host_Frame_Title itself).
void Host_Set_Title(const std::string& cp437);

// The clipboard in CP437, through the backend.
std::string Host_Clipboard();
void Host_Set_Clipboard(const std::string& cp437);
