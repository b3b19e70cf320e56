// The windowed backend's translation of SDL events into the event core's events; no display needed.
#include "platform/host/host_sdl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Key_Case {
    SDL_Keycode key;
    Uint16 modifiers;
    int code;
};

TEST(HostSdl, KeysGiveTheHostKeyCodes) {
    const Key_Case cases[] = {
        {SDLK_F1, KMOD_NONE, 315},        {SDLK_HOME, KMOD_NONE, 327},       {SDLK_UP, KMOD_NONE, 328},
        {SDLK_PAGEUP, KMOD_NONE, 329},    {SDLK_LEFT, KMOD_NONE, 331},       {SDLK_RIGHT, KMOD_NONE, 333},
        {SDLK_END, KMOD_NONE, 335},       {SDLK_DOWN, KMOD_NONE, 336},       {SDLK_PAGEDOWN, KMOD_NONE, 337},
        {SDLK_DELETE, KMOD_NONE, 339},    {SDLK_END, KMOD_LCTRL, 373},       {SDLK_HOME, KMOD_RCTRL, 375},
        {SDLK_a, KMOD_LCTRL, 1},          {SDLK_c, KMOD_LCTRL, 3},           {SDLK_v, KMOD_RCTRL, 22},
        {SDLK_x, KMOD_LCTRL | KMOD_LSHIFT, 24},
        {SDLK_RETURN, KMOD_NONE, 13},     {SDLK_KP_ENTER, KMOD_NUM, 13},     {SDLK_ESCAPE, KMOD_NONE, 27},
        {SDLK_BACKSPACE, KMOD_NONE, 8},   {SDLK_TAB, KMOD_NONE, 9},
        // The keypad navigates while Num Lock is off; with it on, its digits come as typed text.
        {SDLK_KP_7, KMOD_NONE, 327},      {SDLK_KP_1, KMOD_LCTRL, 373},      {SDLK_KP_PERIOD, KMOD_NONE, 339},
        {SDLK_KP_7, KMOD_NUM, -1},
        // Characters come as typed text, never as keys; other Ctrl letters and AltGr are no input.
        {SDLK_a, KMOD_NONE, -1},          {SDLK_v, KMOD_NONE, -1},           {SDLK_b, KMOD_LCTRL, -1},
        {SDLK_v, KMOD_LCTRL | KMOD_RALT, -1},                                 {SDLK_LCTRL, KMOD_LCTRL, -1},
    };
    for (const Key_Case& c : cases)
        EXPECT_EQ(Sdl_Key_Code(c.key, c.modifiers), c.code) << SDL_GetKeyName(c.key) << " with modifiers " << c.modifiers;
}

std::vector<Host_Event> Translate(const SDL_Event& e) {
    std::vector<Host_Event> out;
    Sdl_Translate_Event(e, out);
    return out;
}

// The key codes of the events of typed text.
std::vector<int> Typed(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    std::vector<int> codes;
    for (const Host_Event& h : Translate(e)) {
        EXPECT_EQ(h.kind, Host_Event::Key);
        codes.push_back(h.amount);
    }
    return codes;
}

TEST(HostSdl, TypedTextGivesCp437Keys) {
    EXPECT_EQ(Typed("ä ö ü ß Ä Ö Ü"),
              (std::vector<int>{0x84, ' ', 0x94, ' ', 0x81, ' ', 0xE1, ' ', 0x8E, ' ', 0x99, ' ', 0x9A}));
    EXPECT_EQ(Typed("Größe"), (std::vector<int>{'G', 'r', 0x94, 0xE1, 'e'}));
    EXPECT_EQ(Typed("²≤°"), (std::vector<int>{0xFD, 0xF3, 0xF8}));
    // Characters without a CP437 byte are left out whole, never passed on as UTF-8 fragments.
    EXPECT_EQ(Typed("a€b"), (std::vector<int>{'a', 'b'}));
    EXPECT_EQ(Typed("\xF0\x9F\x98\x80"), std::vector<int>{});
    EXPECT_EQ(Typed("\xC3"), std::vector<int>{});   // a broken sequence
}

TEST(HostSdl, MouseAndWindowEvents) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 17;
    e.motion.y = 23;
    std::vector<Host_Event> out = Translate(e);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].kind, Host_Event::Move);
    EXPECT_EQ(out[0].x, 17);
    EXPECT_EQ(out[0].y, 23);

    struct Button_Case {
        Uint32 type;
        Uint8 button;
        Host_Event::Kind kind;
        int host_button;
    };
    const Button_Case buttons[] = {
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, Host_Event::Press, 0},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, Host_Event::Release, 0},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, Host_Event::Press, 1},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, Host_Event::Release, 1},
    };
    for (const Button_Case& b : buttons) {
        e = SDL_Event{};
        e.type = b.type;
        e.button.button = b.button;
        e.button.x = 5;
        e.button.y = 6;
        out = Translate(e);
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(out[0].kind, b.kind);
        EXPECT_EQ(out[0].button, b.host_button);
        EXPECT_EQ(out[0].x, 5);
        EXPECT_EQ(out[0].y, 6);
        EXPECT_FALSE(out[0].at_pointer);
    }
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_MIDDLE;
    EXPECT_TRUE(Translate(e).empty());

    // A wheel turned upwards (away from the person) gives positive notches, also when the system
    // reports it flipped.
    e = SDL_Event{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = 2;
    out = Translate(e);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].kind, Host_Event::Wheel);
    EXPECT_EQ(out[0].amount, 2);
    e.wheel.y = -3;
    e.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    out = Translate(e);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].amount, 3);
    e.wheel.y = 0;   // a sideways turn
    EXPECT_TRUE(Translate(e).empty());

    // The window's close is the close request; the SDL_QUIT that follows it is not a second one. A
    // window shown again is reported; other window events are not input.
    struct Window_Case {
        Uint32 type;
        Uint8 event;
        std::vector<Host_Event::Kind> kinds;
    };
    const Window_Case window_cases[] = {
        {SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE, {Host_Event::Close}},
        {SDL_QUIT, 0, {}},
        {SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED, {Host_Event::Shown}},
        {SDL_WINDOWEVENT, SDL_WINDOWEVENT_RESTORED, {Host_Event::Shown}},
        {SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST, {}},
    };
    for (const Window_Case& c : window_cases) {
        e = SDL_Event{};
        e.type = c.type;
        e.window.event = c.event;
        std::vector<Host_Event::Kind> kinds;
        for (const Host_Event& h : Translate(e)) kinds.push_back(h.kind);
        EXPECT_EQ(kinds, c.kinds) << c.type << " " << int(c.event);
    }

    e = SDL_Event{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_F1;
    out = Translate(e);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].kind, Host_Event::Key);
    EXPECT_EQ(out[0].amount, 315);
    e.type = SDL_KEYUP;
    EXPECT_TRUE(Translate(e).empty());
}

}  // namespace
