// The windowed backend of the host stand-in: the drawing surface shown in an SDL2 window, the
// person's mouse, keys and typed text taken from it. Chosen by host_backends.cpp when a display can
// be opened; a script (VEK_SCRIPT) may still give the input, the window then only shows the run.
//
// The surface goes into a streaming texture, shown whenever the event core waits for input, on
// pxFlsh and when pxBuff returns to direct drawing. On a screen large enough for it the window shows
// the surface enlarged by a whole factor; it may be resized, and mouse positions are always taken in
// surface pixels.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/host/host_input.h"

extern const Host_Backend Sdl_Backend;

// Opens the window on a display: true when it stands, false (with the reason in `reason`) when no
// display can be opened. A display is a real one: SDL's off-screen and dummy drivers count only when
// SDL_VIDEODRIVER names them.
bool Sdl_Open_Window(std::string& reason);

// The code of a key pressed with the modifiers (key codes of host_events.h); -1 for a key that is
// no input of its own (letters and other characters come as typed text).
int Sdl_Key_Code(SDL_Keycode key, Uint16 modifiers);

// The events of the event core that one SDL event gives (none for events the core does not know).
// Typed text (UTF-8) gives one key a character, in CP437; a character without a CP437 byte is left
// out.
void Sdl_Translate_Event(const SDL_Event& event, std::vector<Host_Event>& out);
