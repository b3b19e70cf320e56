#include "platform/host/host_sdl.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

#include "common/cp437.h"
#include "platform/host/host_library.h"
#include "platform/host/screen_raster.h"

namespace {

constexpr int Hand_Cursor = 18;
constexpr int Sleep_Slice_Ms = 10;   // a pause still takes the window's events this often

struct Sdl_State {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;   // streaming, the surface's size
    int width = 0, height = 0;        // of the texture
    int scale = 1;                    // whole factor of the window at its start
    std::vector<std::uint32_t> presented;   // the pixels last put into the texture
    SDL_Cursor* arrow = nullptr;
    SDL_Cursor* hand = nullptr;
    std::deque<Host_Event> pending;   // of an SDL event that gave several (typed text)
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

Sdl_State sdl;

struct Key_Row {
    SDL_Keycode key;
    int code;
    int with_ctrl;   // the code when Ctrl is held
};
// Keys that are input of their own; characters come as typed text. The keypad's keys count as
// their navigation keys while Num Lock is off.
constexpr Key_Row Key_Table[] = {
    {SDLK_F1, 315, 315},       {SDLK_HOME, 327, 375},     {SDLK_UP, 328, 328},
    {SDLK_PAGEUP, 329, 329},   {SDLK_LEFT, 331, 331},     {SDLK_RIGHT, 333, 333},
    {SDLK_END, 335, 373},      {SDLK_DOWN, 336, 336},     {SDLK_PAGEDOWN, 337, 337},
    {SDLK_DELETE, 339, 339},   {SDLK_RETURN, 13, 13},     {SDLK_KP_ENTER, 13, 13},
    {SDLK_ESCAPE, 27, 27},     {SDLK_BACKSPACE, 8, 8},    {SDLK_TAB, 9, 9},
};
constexpr Key_Row Keypad_Table[] = {
    {SDLK_KP_7, 327, 375}, {SDLK_KP_8, 328, 328}, {SDLK_KP_9, 329, 329}, {SDLK_KP_4, 331, 331},
    {SDLK_KP_6, 333, 333}, {SDLK_KP_1, 335, 373}, {SDLK_KP_2, 336, 336}, {SDLK_KP_3, 337, 337},
    {SDLK_KP_PERIOD, 339, 339},
};
// Ctrl and a letter: select all, copy, paste, cut.
constexpr Key_Row Ctrl_Letters[] = {{SDLK_a, 1, 1}, {SDLK_c, 3, 3}, {SDLK_v, 22, 22}, {SDLK_x, 24, 24}};

Host_Event Event_Of(Host_Event::Kind kind, int x = 0, int y = 0) {
    Host_Event e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    return e;
}

long long Clock() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - sdl.start).count();
}

// A texture of the surface's size; the renderer scales it into the window, keeping its proportions.
bool Fit_Texture(int width, int height) {
    if (sdl.texture && sdl.width == width && sdl.height == height) return true;
    if (sdl.texture) SDL_DestroyTexture(sdl.texture);
    sdl.texture = SDL_CreateTexture(sdl.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    sdl.presented.clear();
    if (!sdl.texture) return false;
    const bool first = sdl.width == 0;
    sdl.width = width;
    sdl.height = height;
    SDL_RenderSetLogicalSize(sdl.renderer, width, height);
    if (!first) SDL_SetWindowSize(sdl.window, width * sdl.scale, height * sdl.scale);
    return true;
}

void Draw_Texture() {
    SDL_SetRenderDrawColor(sdl.renderer, 0, 0, 0, 255);
    SDL_RenderClear(sdl.renderer);
    SDL_RenderCopy(sdl.renderer, sdl.texture, nullptr, nullptr);
    SDL_RenderPresent(sdl.renderer);
}

// Shows what the screen shows; a frame that did not change is not uploaded again unless `again`.
void Show(bool again) {
    if (!sdl.window) return;
    const Screen_Pixels& surface = Screen_Surface();
    const std::vector<std::uint32_t>& shown = Screen_Shown_Pixels();
    if (surface.pixels.empty() || shown.size() != surface.pixels.size()) return;
    if (!Fit_Texture(surface.width, surface.height)) return;
    if (!again && shown == sdl.presented) return;
    // SDL's RGB888 pixel is the 32-bit word 0x00RRGGBB, the surface's own pixel.
    SDL_UpdateTexture(sdl.texture, nullptr, shown.data(), surface.width * static_cast<int>(sizeof(std::uint32_t)));
    sdl.presented = shown;
    Draw_Texture();
}

void Present() { Show(false); }

int Next_Event(Host_Event& event, long long until) {
    for (;;) {
        if (!sdl.pending.empty()) {
            event = sdl.pending.front();
            sdl.pending.pop_front();
            return 1;
        }
        if (!sdl.window) return -1;
        SDL_Event e;
        int got = 0;
        if (until < 0) {
            got = SDL_WaitEvent(&e);
            if (!got) return -1;
        } else {
            const long long left = until - Clock();
            got = left > 0 ? SDL_WaitEventTimeout(&e, static_cast<int>(std::min<long long>(left, INT_MAX))) : SDL_PollEvent(&e);
            if (!got && Clock() >= until) return 0;
            if (!got) continue;
        }
        std::vector<Host_Event> out;
        Sdl_Translate_Event(e, out);
        for (const Host_Event& h : out) {
            if (h.kind == Host_Event::Shown) Show(true);
            sdl.pending.push_back(h);
        }
    }
}

void Sleep_Until(long long time) {
    for (long long left = time - Clock(); left > 0; left = time - Clock()) {
        SDL_Delay(static_cast<Uint32>(std::min<long long>(left, Sleep_Slice_Ms)));
        SDL_PumpEvents();
    }
}

void Set_Cursor(int shape) {
    if (!sdl.window) return;
    SDL_Cursor*& c = shape == Hand_Cursor ? sdl.hand : sdl.arrow;
    if (!c) c = SDL_CreateSystemCursor(shape == Hand_Cursor ? SDL_SYSTEM_CURSOR_HAND : SDL_SYSTEM_CURSOR_ARROW);
    if (c) SDL_SetCursor(c);
}

// A surface pixel's centre in the window's coordinates.
void To_Window(int x, int y, int& wx, int& wy) {
    SDL_RenderLogicalToWindow(sdl.renderer, x + 0.5f, y + 0.5f, &wx, &wy);
}

void Warp_Mouse(int x, int y) {
    if (!sdl.window || !(SDL_GetWindowFlags(sdl.window) & SDL_WINDOW_MOUSE_FOCUS)) return;
    int wx = 0, wy = 0;
    To_Window(x, y, wx, wy);
    SDL_WarpMouseInWindow(sdl.window, wx, wy);
}

// The whole surface releases the pointer; a smaller rectangle holds it there.
void Confine_Mouse(int x1, int y1, int x2, int y2) {
    if (!sdl.window) return;
    if (x1 <= 0 && y1 <= 0 && x2 >= NPIXEL_X - 1 && y2 >= NPIXEL_Y - 1) {
        SDL_SetWindowMouseRect(sdl.window, nullptr);
        return;
    }
    int wx1 = 0, wy1 = 0, wx2 = 0, wy2 = 0;
    To_Window(x1, y1, wx1, wy1);
    To_Window(x2, y2, wx2, wy2);
    const SDL_Rect r{wx1, wy1, std::max(1, wx2 - wx1 + 1), std::max(1, wy2 - wy1 + 1)};
    SDL_SetWindowMouseRect(sdl.window, &r);
}

std::string Clipboard() {
    char* text = SDL_GetClipboardText();
    if (!text) return "";
    const std::string cp437 = To_Cp437_Typed(text);
    SDL_free(text);
    return cp437;
}

// Every CP437 byte goes out as its own character and comes back as the same byte.
void Set_Clipboard(const std::string& cp437) { SDL_SetClipboardText(From_Cp437(cp437).c_str()); }

void Set_Title(const std::string& cp437) {
    if (sdl.window) SDL_SetWindowTitle(sdl.window, From_Cp437(cp437).c_str());
}

// Reads the frame back at the surface's size: the texture drawn into a target of that size, whose
// pixels the renderer gives back.
bool Read_Back(std::vector<std::uint32_t>& pixels, int& width, int& height) {
    if (!sdl.texture) return false;
    SDL_Texture* target = SDL_CreateTexture(sdl.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET, sdl.width, sdl.height);
    if (!target) return false;
    bool read = SDL_SetRenderTarget(sdl.renderer, target) == 0;
    if (read) {
        SDL_RenderCopy(sdl.renderer, sdl.texture, nullptr, nullptr);
        pixels.assign(static_cast<std::size_t>(sdl.width) * sdl.height, 0);
        read = SDL_RenderReadPixels(sdl.renderer, nullptr, SDL_PIXELFORMAT_RGB888, pixels.data(),
                                    sdl.width * static_cast<int>(sizeof(std::uint32_t))) == 0;
        for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
        SDL_SetRenderTarget(sdl.renderer, nullptr);
    }
    SDL_DestroyTexture(target);
    width = sdl.width;
    height = sdl.height;
    Draw_Texture();
    return read;
}

void Close_Window() {
    if (sdl.texture) SDL_DestroyTexture(sdl.texture);
    if (sdl.renderer) SDL_DestroyRenderer(sdl.renderer);
    if (sdl.window) SDL_DestroyWindow(sdl.window);
    if (sdl.arrow) SDL_FreeCursor(sdl.arrow);
    if (sdl.hand) SDL_FreeCursor(sdl.hand);
    sdl = Sdl_State{};
    SDL_Quit();
}

// The whole factor by which the surface fits the display's usable part, at least 1.
int Window_Scale(int width, int height) {
    SDL_Rect usable{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    return std::max(1, std::min(usable.w / std::max(1, width), usable.h / std::max(1, height)));
}

}  // namespace

const Host_Backend Sdl_Backend = {
    "sdl", true, Next_Event, Clock, Sleep_Until, Present, Set_Cursor, Warp_Mouse, Confine_Mouse,
    Clipboard, Set_Clipboard, Set_Title, Read_Back,
};

bool Sdl_Open_Window(std::string& reason) {
    if (sdl.window) return true;
    // Interrupts and terminations end the process as they would without a window; the window's
    // own close box is the close request.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        reason = SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* wanted = std::getenv("SDL_VIDEODRIVER");
    if (driver && (!std::strcmp(driver, "offscreen") || !std::strcmp(driver, "dummy")) && !(wanted && *wanted)) {
        reason = "keine Anzeige (DISPLAY oder WAYLAND_DISPLAY)";
        SDL_Quit();
        return false;
    }
    const int width = NPIXEL_X, height = NPIXEL_Y;
    sdl.scale = Window_Scale(width, height);
    sdl.window = SDL_CreateWindow(From_Cp437(Host_Frame_Title()).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width * sdl.scale, height * sdl.scale, SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (sdl.window) sdl.renderer = SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_TARGETTEXTURE);
    if (!sdl.renderer) sdl.renderer = sdl.window ? SDL_CreateRenderer(sdl.window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
    if (!sdl.renderer || !Fit_Texture(width, height)) {
        reason = SDL_GetError();
        Close_Window();
        return false;
    }
    std::atexit(Close_Window);
    SDL_StartTextInput();
    Show(true);
    return true;
}

int Sdl_Key_Code(SDL_Keycode key, Uint16 modifiers) {
    const bool ctrl = modifiers & KMOD_CTRL;
    const auto find = [&](const auto& table) {
        for (const Key_Row& r : table)
            if (r.key == key) return ctrl ? r.with_ctrl : r.code;
        return -1;
    };
    int code = find(Key_Table);
    if (code < 0 && !(modifiers & KMOD_NUM)) code = find(Keypad_Table);
    if (code < 0 && ctrl && !(modifiers & KMOD_ALT)) code = find(Ctrl_Letters);
    return code;
}

void Sdl_Translate_Event(const SDL_Event& e, std::vector<Host_Event>& out) {
    switch (e.type) {
        case SDL_MOUSEMOTION: out.push_back(Event_Of(Host_Event::Move, e.motion.x, e.motion.y)); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
            Host_Event h = Event_Of(e.type == SDL_MOUSEBUTTONDOWN ? Host_Event::Press : Host_Event::Release, e.button.x, e.button.y);
            h.button = e.button.button == SDL_BUTTON_RIGHT ? 1 : 0;
            out.push_back(h);
            break;
        }
        case SDL_MOUSEWHEEL: {
            // Positive notches turn the wheel upwards, away from the person.
            const int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            if (notches == 0) break;
            Host_Event h = Event_Of(Host_Event::Wheel);
            h.amount = notches;
            out.push_back(h);
            break;
        }
        case SDL_KEYDOWN: {
            const int code = Sdl_Key_Code(e.key.keysym.sym, e.key.keysym.mod);
            if (code < 0) break;
            Host_Event h = Event_Of(Host_Event::Key);
            h.amount = code;
            out.push_back(h);
            break;
        }
        case SDL_TEXTINPUT: {
            const char* end = static_cast<const char*>(std::memchr(e.text.text, 0, sizeof e.text.text));
            const std::size_t n = end ? static_cast<std::size_t>(end - e.text.text) : sizeof e.text.text;
            for (const char ch : To_Cp437_Typed(std::string_view(e.text.text, n))) {
                Host_Event h = Event_Of(Host_Event::Key);
                h.amount = static_cast<unsigned char>(ch);
                out.push_back(h);
            }
            break;
        }
        case SDL_WINDOWEVENT:
            // The last window's close also raises SDL_QUIT, which is left alone so that one close
            // of the window asks the program once.
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) out.push_back(Event_Of(Host_Event::Close));
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_RESTORED)
                out.push_back(Event_Of(Host_Event::Shown));
            break;
        default: break;
    }
}
