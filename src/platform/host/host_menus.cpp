// Menus and the sign table of the host stand-in.
#include <algorithm>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/host/host_drawing.h"
#include "platform/host/host_editors.h"
#include "platform/host/host_events.h"
#include "platform/host/host_input.h"
#include "platform/host/host_script.h"
#include "platform/host/host_sheet_state.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Menu_Events = 0x2 | 0x8 | 0x20 | 0x10000;
constexpr int Menu_Font = 0;
constexpr int Row = 18;
constexpr int Cell = 8;
constexpr int Sign_Cell = 24;
constexpr int Signs_Per_Row = 8;
constexpr int Menu_Depth_Limit = 8;
constexpr std::size_t Entry_Limit = 256;

// The screen under a box, put back when the box goes.
class Saved_Under {
public:
    explicit Saved_Under(const Screen_Rect& r) : pixels_(static_cast<std::size_t>(pxQSvR(r.x1, r.y1, r.x2, r.y2))) {
        pxSvRc(r.x1, r.y1, r.x2, r.y2, pixels_.data());
    }
    ~Saved_Under() { pxStRc(pixels_.data()); }
    Saved_Under(const Saved_Under&) = delete;
    Saved_Under& operator=(const Saved_Under&) = delete;

private:
    std::vector<unsigned char> pixels_;
};

// A box of the size at the point, moved to lie on the screen.
Screen_Rect Placed(int x, int y, int width, int height) {
    x = std::clamp(x, 0, std::max(0, NPIXEL_X - width));
    y = std::clamp(y, 0, std::max(0, NPIXEL_Y - height));
    return {x, y, x + width - 1, y + height - 1};
}

int Entries(const Context_Menu& m) { return std::clamp(m.count, 0, static_cast<int>(Entry_Limit)); }

std::string Text_Of(const char* text) { return text ? text : ""; }

void Draw_Menu(const Context_Menu& m, const Screen_Rect& box, int lit) {
    const Widget_Drawing plain;
    Fill_Rect(box, Face_Colour);
    Frame_3D(box, true, 2);
    for (int k = 0; k < Entries(m); ++k) {
        const Context_Menu_Entry& e = m.entries[k];
        const Screen_Rect row{box.x1 + 2, box.y1 + 2 + k * Row, box.x2 - 2, box.y1 + 1 + (k + 1) * Row};
        const bool on = k == lit && e.active;
        if (on) Fill_Rect(row, Title_Colour);
        const int ink = !e.active ? Grey_Text_Colour : on ? Light_Colour : Text_Colour;
        Draw_Text(row.x1 + 6, row.y1 + 13, Text_Of(e.text), Menu_Font, ink);
        const std::string right = e.sub_menu ? ">" : Text_Of(e.key_text);
        Draw_Text(row.x2 - 6 - Text_Width(right, Menu_Font), row.y1 + 13, right, Menu_Font, ink);
    }
}

// Runs a menu for a person at the point: the chosen entry's callback (searched along the sub-menus)
// through `run`; true when something was chosen.
bool Run_Menu(const Context_Menu& m, int x, int y, int depth, int& chosen, void (*&run)(), std::string& name) {
    const int n = Entries(m);
    if (n == 0 || !m.entries || depth > Menu_Depth_Limit) return false;
    const int width = std::max(m.width, 4) * Cell + 40;
    const Screen_Rect box = Placed(x, y, width, n * Row + 4);
    const Saved_Under under(box);
    int lit = -1;
    const auto row_at = [&](int px, int py) { return Contains(box, px, py) ? std::clamp((py - box.y1 - 2) / Row, 0, n - 1) : -1; };
    for (;;) {
        Draw_Menu(m, box, lit);
        Host_Event e;
        if (Host_Wait(Menu_Events, 0, &e) == 0) return false;
        int pick = -1;
        if (e.kind == Host_Event::Move) {
            lit = row_at(M_XPOS, M_YPOS);
            continue;
        }
        if (e.kind == Host_Event::Press) {
            pick = row_at(M_XPOS, M_YPOS);
            if (pick < 0) return false;
        } else if (e.kind == Host_Event::Key) {
            const int key = getkey();
            if (key == 27) return false;
            if (key == 328) lit = lit <= 0 ? n - 1 : lit - 1;
            if (key == 336) lit = lit < 0 || lit >= n - 1 ? 0 : lit + 1;
            if ((key == 13 || key == 333) && lit >= 0) pick = lit;
        }
        if (pick < 0 || !m.entries[pick].active) continue;
        const Context_Menu_Entry& entry = m.entries[pick];
        if (entry.sub_menu) {
            if (Run_Menu(*entry.sub_menu, box.x2 - 4, box.y1 + 2 + pick * Row, depth + 1, chosen, run, name)) return true;
            continue;
        }
        chosen = pick + 1;
        run = entry.callback;
        name = Text_Of(entry.text);
        return true;
    }
}

// The script's queued path through the menu: the callback and number of its last entry, when every
// step names an active entry and only the last one has no sub-menu.
bool Follow_Path(const Context_Menu& top, const std::vector<int>& path, int& chosen, void (*&run)(), std::string& name) {
    const Context_Menu* m = &top;
    for (std::size_t k = 0; k < path.size(); ++k) {
        if (!m || !m->entries || path[k] < 1 || path[k] > Entries(*m)) return false;
        const Context_Menu_Entry& e = m->entries[path[k] - 1];
        if (!e.active) return false;
        const bool last = k + 1 == path.size();
        if (last != !e.sub_menu) return false;
        if (last) {
            chosen = path[k];
            run = e.callback;
            name = Text_Of(e.text);
            return true;
        }
        m = e.sub_menu;
    }
    return false;
}

// The signs of the sign map, in the map's order.
std::vector<unsigned char> Signs() {
    std::vector<unsigned char> bytes;
    for (const cp437_detail::Sign& s : cp437_detail::Display_Signs) bytes.push_back(s.byte);
    return bytes;
}

void Draw_Signs(const std::vector<unsigned char>& signs, const Screen_Rect& box, int lit) {
    const Widget_Drawing plain;
    Fill_Rect(box, Face_Colour);
    Frame_3D(box, true, 2);
    for (std::size_t k = 0; k < signs.size(); ++k) {
        const int c = static_cast<int>(k) % Signs_Per_Row, r = static_cast<int>(k) / Signs_Per_Row;
        const Screen_Rect cell{box.x1 + 4 + c * Sign_Cell, box.y1 + 4 + r * Sign_Cell, box.x1 + 3 + (c + 1) * Sign_Cell,
                               box.y1 + 3 + (r + 1) * Sign_Cell};
        Fill_Rect(cell, static_cast<int>(k) == lit ? Title_Colour : Field_Colour);
        Frame_Rect(cell, Shadow_Colour);
        Draw_Text(cell.x1 + 8, cell.y1 + 16, std::string(1, static_cast<char>(signs[k])), Menu_Font,
                  static_cast<int>(k) == lit ? Light_Colour : Text_Colour);
    }
}

int Pick_Sign(const std::vector<unsigned char>& signs) {
    const int rows = (static_cast<int>(signs.size()) + Signs_Per_Row - 1) / Signs_Per_Row;
    const Screen_Rect box = Placed(M_XPOS, M_YPOS, Signs_Per_Row * Sign_Cell + 8, rows * Sign_Cell + 8);
    const Saved_Under under(box);
    const auto cell_at = [&](int x, int y) {
        if (!Contains({box.x1 + 4, box.y1 + 4, box.x2 - 4, box.y2 - 4}, x, y)) return -1;
        const int k = (y - box.y1 - 4) / Sign_Cell * Signs_Per_Row + (x - box.x1 - 4) / Sign_Cell;
        return k < static_cast<int>(signs.size()) ? k : -1;
    };
    int lit = -1;
    for (;;) {
        Draw_Signs(signs, box, lit);
        Host_Event e;
        if (Host_Wait(Menu_Events, 0, &e) == 0) return -1;
        if (e.kind == Host_Event::Move) lit = cell_at(M_XPOS, M_YPOS);
        if (e.kind == Host_Event::Key && getkey() == 27) return -1;
        if (e.kind == Host_Event::Press) {
            const int k = cell_at(M_XPOS, M_YPOS);
            return k < 0 ? -1 : signs[static_cast<std::size_t>(k)];
        }
    }
}

}  // namespace

int Menue_Manager(const Context_Menu* menu) {
    if (!menu) return 0;
    int chosen = 0;
    void (*run)() = nullptr;
    std::string name;
    bool picked = false;
    if (Host_Choices_Scripted()) {
        std::vector<int> path;
        picked = Script_Take_Menu_Path(path) && Follow_Path(*menu, path, chosen, run, name);
    } else {
        picked = Run_Menu(*menu, M_XPOS, M_YPOS, 0, chosen, run, name);
    }
    if (Host_Tracing()) Host_Trace_Line(picked ? "menu " + std::to_string(chosen) + " " + Trace_Text(name) : std::string("menu none"));
    if (!picked) return 0;
    if (run) run();
    return chosen;
}

int Get_UserSelected_SpecialCharacter() {
    const std::vector<unsigned char> signs = Signs();
    int byte = -1;
    if (Host_Choices_Scripted()) {
        if (!Script_Take_Special(byte)) byte = -1;
    } else {
        byte = Pick_Sign(signs);
    }
    if (Host_Tracing())
        Host_Trace_Line(byte < 0 ? std::string("special none") : "special " + Trace_Text(std::string(1, static_cast<char>(byte))));
    return byte;
}
