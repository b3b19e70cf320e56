#include "common/notice_output.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "platform/host/host_messages.h"
#include "report/remark_lists.h"

namespace {

constexpr int Notice_Length = 500;                    // characters of one formatted notice
constexpr int Row_Text_Length = Notice_Row_Size - 2;  // room for the newline and the terminator
constexpr int Row_Growth = 10;
constexpr int Title_Size = 200;
constexpr int Report_Remark_List = 4;

struct Notice_Queue {
    int in_use = 0;
    char title[Title_Size] = {};
    char* rows = nullptr;   // capacity rows of Notice_Row_Size bytes
    int count = 0;
    int capacity = 0;
    int symbol = -1;
};

int Notices_On = 1;
int Notice_Output_Mode = 0;
int Console_Fallback = 0;
std::array<Notice_Queue, Notice_Queues> Queues;
int Current_Queue = 0;
Notice_Sheet_State Sheet;
Notice_Sheet_Hooks Sheet_Hooks;
// Set while a queue's row block grows: a notice printed meanwhile (the out-of-memory notice before
// the program ends) cannot go into that queue again and is shown as a box instead.
bool Growing_Rows = false;

Notice_Queue* Queue_In_Use(int queue) {
    if (queue < 0 || queue >= Notice_Queues) return nullptr;
    Notice_Queue& q = Queues[static_cast<std::size_t>(queue)];
    return q.in_use ? &q : nullptr;
}

char* Row(const Notice_Queue& q, int row) { return q.rows + static_cast<std::size_t>(row) * Notice_Row_Size; }

// A notice may begin with pairs of a caret and a letter (font switches of the notice sheet).
char* Skip_Escape_Pairs(char* text) {
    while (text[0] == '^' && text[1] != '\0') text += 2;
    return text;
}

void Reset_Write_Position() {
    Sheet.x = 15;
    Sheet.y = 20;
}

void Remove_Trailing_Newline(char* text) {
    const std::size_t n = std::strlen(text);
    if (n > 0 && text[n - 1] == '\n') text[n - 1] = '\0';
}

// Mode 2: the notice as the next row of the current queue, unless a row already begins with it.
void Store_In_Queue(const char* text) {
    Notice_Queue* q = Queue_In_Use(Current_Queue);
    if (!q) return;
    const std::size_t n = std::min(std::strlen(text), static_cast<std::size_t>(Row_Text_Length));
    if (n > 2) {
        for (int r = 0; r < q->count; ++r)
            if (std::strncmp(Row(*q, r), text, n) == 0) return;
    }
    if (q->count == q->capacity) {
        Growing_Rows = true;
        const auto bytes = static_cast<std::size_t>(q->capacity + Row_Growth) * Notice_Row_Size;
        q->rows = static_cast<char*>(Realloc_Or_Exit(q->rows, bytes, 0));
        Growing_Rows = false;
        q->capacity += Row_Growth;
    }
    char* row = Row(*q, q->count++);
    std::memcpy(row, text, n);
    row[n] = '\n';
    row[n + 1] = '\0';
}

// Mode 4: one line of the notice sheet at the write position. The leading pairs choose the font
// (^b bold, ^p toggles the plain font 4096) and the line step (^2 half a line). Without a sheet page
// to draw on, the notice is shown as a box.
void Draw_On_Sheet(char* text) {
    Remove_Trailing_Newline(text);
    int font = 4096;
    int step = 16;
    while (text[0] == '^' && text[1] != '\0') {
        if (text[1] == 'b') font |= 0x10000;
        else if (text[1] == 'p') font ^= 4096;
        else if (text[1] == '2') step = 8;
        text += 2;
    }
    if (!Sheet_Hooks.draw_line || !Sheet_Hooks.draw_line(font, Sheet.x, Sheet.y, text)) {
        PrintMessage("%s", text);
        return;
    }
    Sheet.y += step;
}

// Formats and delivers one notice in the mode in force; the text is formed on the stack.
void Deliver_Notice(const char* format, va_list args) {
    if (!Notices_On || !format || !*format) return;
    char text[Notice_Length + 1];
    std::vsnprintf(text, sizeof text, format, args);
    if (Console_Fallback && (Notice_Output_Mode == 0 || Notice_Output_Mode == 4)) Notice_Output_Mode = 1;

    switch (Notice_Output_Mode) {
    case 1:
        std::fprintf(stdout, "%s\n", Skip_Escape_Pairs(text));
        std::fflush(stdout);
        break;
    case 2:
        if (Growing_Rows) PrintMessage("%s", Skip_Escape_Pairs(text));
        else Store_In_Queue(text);
        break;
    case 3:
        break;
    case 4:
        Draw_On_Sheet(text);
        break;
    default:
        PrintMessage("%s", Skip_Escape_Pairs(text));
        break;
    }
}

// A finished text in the mode given, the mode in force restored afterwards; an empty text is skipped.
void Print_Text_In_Mode(int mode, const char* text) {
    if (!*text) return;
    const int kept = Notice_Output_Mode;
    Set_Notice_Output_Mode(mode);
    Print_Notice("%s", text);
    Set_Notice_Output_Mode(kept);
}

// The framed notices: the message (500 characters) inside its frame (cut to 500 again), printed in
// the mode given or, for a negative mode, in the mode in force.
void Print_Framed_Notice(int mode, const char* frame, const char* format, va_list args) {
    if (!format) return;
    char message[Notice_Length + 1];
    std::vsnprintf(message, sizeof message, format, args);
    char text[Notice_Length + 1];
    std::snprintf(text, sizeof text, frame, message);
    if (mode < 0) Print_Notice("%s", text);
    else Print_Text_In_Mode(mode, text);
}

// Loads the open message box with the rows of a queue: each row copied without its newline and
// its style pairs, so that the stored rows stay whole.
void Fill_Message_With_Rows(const Notice_Queue& q) {
    Init_Message();
    for (int r = 0; r < q.count; ++r) {
        char line[Notice_Row_Size];
        std::memcpy(line, Row(q, r), sizeof line);
        Remove_Trailing_Newline(line);
        Fill_Message(Skip_Escape_Pairs(line));
    }
}

void Present_Notice_Queue(int queue, int mode) {
    Set_Notice_Output_Mode(mode);
    // Without a screen the sheet and the boxes would show nothing to anybody: the rows go to the console.
    if (Console_Fallback && (mode == 0 || mode == 4)) Set_Notice_Output_Mode(mode = 1);
    const Notice_Queue& q = Queues[static_cast<std::size_t>(queue)];
    if (mode == 4 && Sheet_Hooks.present) {
        Reset_Write_Position();
        Sheet.shown_queue = queue;
        Sheet_Hooks.present(queue);
        return;
    }
    if (mode == 1) {
        for (int r = 0; r < q.count; ++r)
            if (*Row(q, r)) Print_Notice("%s", Row(q, r));
        return;
    }
    Fill_Message_With_Rows(q);
    if (q.symbol > 0) Set_Message_Symbol(q.symbol, 1, 0, 0);
    Draw_Message();
}

// Runs the sheet over the current queue with the check box as set up by the caller; the check
// box's result, the offer and the label are cleared for the next sheet.
int Run_Checked_Sheet() {
    Sheet.check_result = 0;
    Present_Notice_Queue(Current_Queue, 4);
    const int ticked = Sheet.check_result != 0;
    Sheet.check_result = 0;
    Sheet.offer_check = 0;
    Sheet.check_label = nullptr;
    return ticked;
}

}  // namespace

int Set_Notice_Output_Mode(int mode) {
    Notice_Output_Mode = mode;
    if (mode == 4) Reset_Write_Position();
    return mode;
}

void Switch_Notices_Off() { Notices_On = 0; }
void Switch_Notices_On() { Notices_On = 1; }
int Notices_Are_On() { return Notices_On; }
void Set_Notice_Console_Fallback(int flag) { Console_Fallback = flag; }

int Print_Notice(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Deliver_Notice(format, args);
    va_end(args);
    return 0;
}

int Print_Notice_In_Mode(int mode, const char* format, ...) {
    if (!format) return 0;
    char text[Notice_Length + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    Print_Text_In_Mode(mode, text);
    return 0;
}

int Queue_Notice(const char* format, ...) {
    if (!format) return 0;
    char text[Notice_Length + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    Print_Text_In_Mode(2, text);
    return 0;
}

constexpr const char* Error_Frame = "^bFEHLER: %s!";
constexpr const char* Warning_Frame = "^bWARNUNG: %s!";
constexpr const char* Hint_Frame = "^bHINWEIS: %s.";

int Print_Error_Notice(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Print_Framed_Notice(-1, Error_Frame, format, args);
    va_end(args);
    return 0;
}

int Print_Warning_Notice(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Print_Framed_Notice(-1, Warning_Frame, format, args);
    va_end(args);
    return 0;
}

int Print_Hint_Notice(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Print_Framed_Notice(-1, Hint_Frame, format, args);
    va_end(args);
    return 0;
}

int Print_Error_Notice_In_Mode(int mode, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Print_Framed_Notice(mode, Error_Frame, format, args);
    va_end(args);
    return 0;
}

int Print_Warning_Notice_In_Mode(int mode, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Print_Framed_Notice(mode, Warning_Frame, format, args);
    va_end(args);
    return 0;
}

int Print_Hint_Notice_In_Mode(int mode, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Print_Framed_Notice(mode, Hint_Frame, format, args);
    va_end(args);
    return 0;
}

int Open_Notice_Queue() {
    for (int k = 0; k < Notice_Queues; ++k) {
        Notice_Queue& q = Queues[static_cast<std::size_t>(k)];
        if (q.in_use) continue;
        q.in_use = 1;
        q.count = 0;
        q.capacity = 0;
        q.symbol = -1;
        Current_Queue = k;
        return k;
    }
    return -1;
}

int Select_Notice_Queue(int queue) {
    if (queue < 0 || queue >= Notice_Queues) return 2;
    if (!Queue_In_Use(queue)) return 1;
    Current_Queue = queue;
    return 0;
}

int Set_Notice_Queue_Title(int queue, const char* title) {
    if (queue < 0 || queue >= Notice_Queues) return 2;
    Notice_Queue* q = Queue_In_Use(queue);
    if (!q) return 1;
    std::memset(q->title, 0, sizeof q->title);
    if (title) std::strncpy(q->title, title, sizeof q->title - 1);
    return 0;
}

void Set_Notice_Queue_Symbol(int queue, int symbol) {
    if (queue < 0 || queue >= Notice_Queues) return;
    Queues[static_cast<std::size_t>(queue)].symbol = symbol;
}

int Get_Notice_Queue_Count(int queue) {
    const Notice_Queue* q = Queue_In_Use(queue);
    return q ? q->count : 0;
}

int Get_Current_Notice_Count() { return Get_Notice_Queue_Count(Current_Queue); }

void Close_Notice_Queue(int queue) {
    Notice_Queue* q = Queue_In_Use(queue);
    if (!q) return;
    std::memset(q->title, 0, sizeof q->title);
    if (q->capacity > 0) Free_And_Null(&q->rows);
    q->rows = nullptr;
    q->count = 0;
    q->capacity = 0;
    q->in_use = 0;
}

void Show_Notice_Queue(int queue, int mode) {
    if (Notices_On && Queue_In_Use(queue)) Present_Notice_Queue(queue, mode);
}

void Show_Current_Notice_Queue(int mode) { Show_Notice_Queue(Current_Queue, mode); }

int Confirm_Notice_Queue() {
    if (!Notices_On || !Queue_In_Use(Current_Queue)) return 1;
    Sheet.offer_check = 1;
    return Run_Checked_Sheet() ? 0 : 1;
}

int Ask_Notice_Queue_Check(const char* label) {
    if (!Notices_On || !Queue_In_Use(Current_Queue)) return 0;
    Sheet.check_label = label;
    return Run_Checked_Sheet();
}

int Ask_Notice_Queue(int n) {
    const Notice_Queue* q = Queue_In_Use(Current_Queue);
    if (!Notices_On || !q || Notice_Output_Mode == 1) return 0;
    Fill_Message_With_Rows(*q);
    Set_Message_Symbol(0, 1, 0, 0);
    return Answer_is_Yes(n);
}

int Ask_Notice_Queue_1() { return Ask_Notice_Queue(1); }
int Ask_Notice_Queue_0() { return Ask_Notice_Queue(0); }

void Print_Notice_Queue_To_Report(FILE* report) {
    const Notice_Queue* q = Queue_In_Use(Current_Queue);
    if (!q) return;
    OLI_Clear_Remark_List(Report_Remark_List);
    for (int r = 0; r < q->count; ++r) {
        std::string line = "╬b"_cp;
        line += Row(*q, r);
        if (line.back() == '\n') line.pop_back();
        OLI_Add_Remark(Report_Remark_List, "%s", line.c_str());
    }
    OLI_Print_Remark_List(report, Report_Remark_List, -1.0);
}

Notice_Sheet_State& Notice_Sheet() { return Sheet; }

void Set_Notice_Sheet_Background(int colour) { Sheet.background = colour; }

const char* Get_Notice_Queue_Row(int queue, int row) {
    const Notice_Queue* q = Queue_In_Use(queue);
    if (!q || row < 0 || row >= q->count) return nullptr;
    return Row(*q, row);
}

const char* Get_Notice_Queue_Title(int queue) {
    const Notice_Queue* q = Queue_In_Use(queue);
    return q ? q->title : nullptr;
}

void Set_Notice_Sheet_Hooks(const Notice_Sheet_Hooks& hooks) { Sheet_Hooks = hooks; }
Notice_Sheet_Hooks Get_Notice_Sheet_Hooks() { return Sheet_Hooks; }
