#include "common/user_comment.h"

#include <cstring>
#include <string>
#include <string_view>

#include "common/stream_print.h"
#include "platform/host/host_library.h"
#include "platform/printlist/print_list_library.h"
#include "report/paragraph_writer.h"

int User_Comment_Wrap_Width = 600;

namespace {

// Font in which the comment blocks measure their text.
constexpr int Comment_Font = 4096;

// Pixel width of the first n characters in the host's current font.
int Text_Width(const char* text, std::size_t n) {
    if (n == 0) return 0;
    Text_Extent extent{};
    pxQTxX(text, static_cast<int>(n), 0, 0, &extent);
    return extent.right - extent.left;
}

// Length of the first output line of a text line of the given length (at least 1) and where the
// text goes on. The line grows character by character while it fits; once the first L characters
// are too wide it ends after the last blank among positions L..1, or, without one, after L
// characters.
struct Wrapped_Line {
    std::size_t length;
    std::size_t next;
};

Wrapped_Line Wrap_One_Line(const char* line, std::size_t line_length, int width) {
    std::size_t L = 0;
    while (Text_Width(line, L) <= width) {
        if (L + 1 >= line_length) return {line_length, line_length};
        ++L;
    }
    for (std::size_t i = L; i >= 1; --i)
        if (line[i] == ' ') return {i + 1, i + 1};
    if (L == 0) return {1, 1};   // a width below one character still takes one
    return {L, L};
}

}  // namespace

void For_Each_Wrapped_Line(const char* text, int width, const std::function<void(std::string_view line)>& emit) {
    if (!text) return;
    const std::size_t n = std::strlen(text);
    for (std::size_t p = 0; p < n;) {
        if (text[p] == '\n') {   // an empty line of the text
            emit({});
            ++p;
            continue;
        }
        const char* end = static_cast<const char*>(std::memchr(text + p, '\n', n - p));
        const std::size_t line_length = end ? static_cast<std::size_t>(end - text) - p : n - p;
        const Wrapped_Line w = Wrap_One_Line(text + p, line_length, width);
        emit(std::string_view(text + p, w.length));
        p += w.next;
        if (p < n && text[p] == '\n') ++p;   // the line end that closed this line
    }
}

void Print_Wrapped_Text(FILE* stream, const char* text) {
    std::string out;
    For_Each_Wrapped_Line(text, User_Comment_Wrap_Width, [&](std::string_view line) {
        if (line.empty()) {
            OLI_Printf(stream, " \n");
            return;
        }
        out.assign(line);
        out += '\n';
        OLI_Printf(stream, "%s", out.c_str());
    });
}

namespace {

bool Is_Empty_Comment(const char* text) {
    return !text || !*text || std::strcmp(text, " ") == 0 || std::strcmp(text, "\n") == 0;
}

// The text of a comment block in a paragraph of its own (an open paragraph is ended first),
// measured in the comment font; the paragraph is marked as the last of its block and written out.
void Print_Comment_Paragraph(FILE* stream, const char* text, int wrap_width) {
    User_Comment_Wrap_Width = wrap_width;
    Pop_RFont(Comment_Font);
    OLI_End_Paragraph(stream);
    Print_Wrapped_Text(stream, text);
    OLI_Mark_Last_Paragraph();
    OLI_End_Paragraph(stream);
    Push_RFont();
}

void Set_Comment_Flags(FILE* stream) {
    OLI_setFlags(stream, 0x1000000);
    OLI_setFlags(stream, 0x8000000);
    OLI_setFlags(stream, 512);
}

}  // namespace

void Print_User_Comment_With_Logo(FILE* stream, const char* text) {
    if (Is_Empty_Comment(text)) return;
    Set_Comment_Flags(stream);
    OLI_storeYPosition(stream, 1);
    // The logo: a graphic block of one picture, 1.2 cm square.
    Print_To_Stream(stream, "#SHOWGRAFIC\n");
    Print_To_Stream(stream, "0 0 0\n");
    Print_To_Stream(stream, "0 0 0\n");
    Print_To_Stream(stream, "-1\n");
    Print_To_Stream(stream, "0.0 1.2 1.2 0.0\n");
    Print_To_Stream(stream, "27 0.0 0.0 %%FONT%%\\UserCommentLogo.ocm\n");
    Print_To_Stream(stream, "-1\n");
    // The text stands right of the logo, beginning at its top.
    OLI_pushMargins(stream);
    OLI_setMarginsCM(stream, 1, 1.4f, 0.0f);
    OLI_restoreYPosition(stream, 1);
    Print_Comment_Paragraph(stream, text, 600);
    OLI_popMargins(stream, 0x100000);
    OLI_setYPositionCM(stream, 4, 0.0f);
    OLI_setFlags(stream, 0x2000000);
}

void Print_User_Comment(FILE* stream, const char* text) {
    if (Is_Empty_Comment(text)) return;
    Set_Comment_Flags(stream);
    Print_Comment_Paragraph(stream, text, 675);
    OLI_setFlags(stream, 0x2000000);
}
