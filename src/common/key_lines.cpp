#include "common/key_lines.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <stdio.h>

#include "common/cp437.h"
#include "common/stream_print.h"

namespace {

// The marks around a name: « and » of code page 437.
constexpr int Open_Mark = static_cast<unsigned char>("«"_cp[0]);
constexpr int Close_Mark = static_cast<unsigned char>("»"_cp[0]);

enum class Piece_End {
    More,         // the buffer is full and the line goes on
    Line_End,     // LF or CR LF was read
    End_Of_File,  // the stream ended
};

// Puts back the character that did not fit into a full buffer. After a lone carriage return the
// character behind it has been read as well, so the stream steps back over both (a stream that
// cannot seek keeps the second and loses the carriage return).
void Put_Back(FILE* s, int c, bool lone_cr, int next) {
    if (!lone_cr) {
        std::ungetc(c, s);
    } else if (next == EOF) {
        std::ungetc(c, s);
    } else if (std::fseek(s, -2, SEEK_CUR) != 0) {
        std::ungetc(next, s);
    }
}

// Holds a stream's lock while a line is read character by character, so that each character is
// taken without locking again (the key search reads whole annex files this way, once per key).
struct Stream_Lock {
    FILE* s;
    explicit Stream_Lock(FILE* stream) : s(stream) { flockfile(s); }
    ~Stream_Lock() { funlockfile(s); }
    Stream_Lock(const Stream_Lock&) = delete;
    Stream_Lock& operator=(const Stream_Lock&) = delete;
};

// Reads the text of one line into buffer, at most max characters, and terminates it (buffer holds
// max + 1 bytes). A line end directly after the last stored character is consumed as well, so a
// line that just fits is read whole. Length receives the number of characters stored.
Piece_End Read_Line_Piece(FILE* s, char* buffer, int max, int& length) {
    const Stream_Lock lock(s);
    length = 0;
    Piece_End end;
    for (;;) {
        const int c = getc_unlocked(s);
        if (c == EOF) {
            end = Piece_End::End_Of_File;
            break;
        }
        if (c == '\n') {
            end = Piece_End::Line_End;
            break;
        }
        int next = EOF;
        const bool lone_cr = c == '\r';
        if (lone_cr) {
            next = getc_unlocked(s);
            if (next == '\n') {
                end = Piece_End::Line_End;
                break;
            }
        }
        if (length == max) {
            Put_Back(s, c, lone_cr, next);
            end = Piece_End::More;
            break;
        }
        buffer[length++] = static_cast<char>(c);
        if (lone_cr && next != EOF) std::ungetc(next, s);
    }
    buffer[length] = '\0';
    return end;
}

// Stores the int that the text begins with (after white space), when it holds one in range.
void Store_Number(const char* text, int* number) {
    char* stop = nullptr;
    errno = 0;
    const long v = std::strtol(text, &stop, 10);
    if (stop != text && errno == 0 && v >= INT_MIN && v <= INT_MAX) *number = static_cast<int>(v);
}

// Reads the text of a «» string behind its opening mark into buffer, at most max characters; the
// closing mark or end of file ends it and is consumed. Closed tells whether the text ended.
int Read_To_Close_Mark(FILE* s, char* buffer, int max, bool& closed) {
    int n = 0;
    closed = false;
    while (n < max) {
        const int c = std::getc(s);
        if (c == EOF || c == Close_Mark) {
            closed = true;
            break;
        }
        buffer[n++] = static_cast<char>(c);
    }
    buffer[n] = '\0';
    return n;
}

}  // namespace

int Find_Key_Line(const char* key, FILE* stream, int* number) {
    if (!key || !stream) return 0;
    std::rewind(stream);
    const std::size_t key_length = std::strlen(key);
    char piece[Key_Line_Piece + 1];
    for (;;) {
        int n = 0;
        const Piece_End end = Read_Line_Piece(stream, piece, Key_Line_Piece, n);
        if (end == Piece_End::End_Of_File && n == 0) return 0;
        // A key longer than the piece meets the piece's terminator and does not match.
        if (std::strncmp(piece, key, key_length) == 0) {
            if (number) Store_Number(piece + key_length, number);
            return 1;
        }
    }
}

int Seek_Key_Line(FILE* stream, const char* key, int rewind) {
    if (!stream || !key || !*key) return 0;
    if (rewind) std::rewind(stream);
    const int length = static_cast<int>(std::min<std::size_t>(std::strlen(key), Seek_Key_Limit));
    char head[Seek_Key_Limit + 1];
    for (;;) {
        int n = 0;
        const Piece_End end = Read_Line_Piece(stream, head, length, n);
        if (n < length) {  // a shorter line cannot hold the key
            if (end == Piece_End::End_Of_File) return 0;
            continue;
        }
        if (end == Piece_End::More) Skip_Rest_Of_Line(stream);
        if (std::memcmp(head, key, static_cast<std::size_t>(length)) == 0) return 1;
    }
}

int Skip_Rest_Of_Line(FILE* stream) {
    if (!stream) return EOF;
    int c;
    while ((c = std::getc(stream)) != EOF && c != '\n') {
    }
    return c;
}

int Skip_Blanks(FILE* stream) {
    if (!stream) return EOF;
    int c;
    while ((c = std::getc(stream)) == ' ' || c == '\t' || c == '\n' || c == '\r') {
    }
    return c;
}

int Read_Guillemet_String(FILE* stream, char* name) {
    if (!name) return 0;
    name[0] = '\0';
    if (!stream || Skip_Blanks(stream) != Open_Mark) return 0;
    bool closed = false;
    const int n = Read_To_Close_Mark(stream, name, Guillemet_Name_Size - 1, closed);
    // The hundredth character of a name is read and dropped, whatever it is.
    if (!closed) std::getc(stream);
    return n;
}

int Read_Guillemet_Text(FILE* stream, char* text) {
    if (!text) return -1;
    text[0] = '\0';
    if (!stream || Skip_Blanks(stream) != Open_Mark) return -1;
    bool closed = false;
    return Read_To_Close_Mark(stream, text, Guillemet_Text_Size - 1, closed);
}

int Read_Guillemet_Whole(FILE* stream, std::string& text) {
    text.clear();
    if (!stream || Skip_Blanks(stream) != Open_Mark) return -1;
    for (int c; (c = std::getc(stream)) != EOF && c != Close_Mark;) text += static_cast<char>(c);
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

int Write_Guillemet_String(FILE* stream, const char* text) {
    return Print_To_Stream(stream, "«%s»"_cp, text ? text : "") > 0 ? 0 : 1;
}

long long Stream_Bytes_Left(FILE* stream) {
    if (!stream) return -1;
    const long here = std::ftell(stream);
    if (here < 0 || std::fseek(stream, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(stream);
    if (std::fseek(stream, here, SEEK_SET) != 0 || end < here) return -1;
    return static_cast<long long>(end) - here;
}

int Read_Delimited_String(FILE* stream, char* buffer, int size, char open, char close) {
    if (!buffer || size < 1) return -1;
    buffer[0] = '\0';
    if (!stream) return -1;
    int c;
    while ((c = std::getc(stream)) != EOF && std::isspace(c)) {
    }
    if (c != static_cast<unsigned char>(open)) return 0;
    int n = 0;
    while ((c = std::getc(stream)) != EOF && c != static_cast<unsigned char>(close))
        if (n < size - 1) buffer[n++] = static_cast<char>(c);
    buffer[n] = '\0';
    return n;
}

int Write_Delimited_String(FILE* stream, const char* text, char open, char close) {
    return Print_To_Stream(stream, "%c%s%c", open, text ? text : "", close) > 0 ? 0 : 1;
}

int Read_Line_Bounded(FILE* stream, char* buffer, int size) {
    if (!buffer || size < 1) return -1;
    buffer[0] = '\0';
    if (!stream) return 1;
    int n = 0;
    if (Read_Line_Piece(stream, buffer, size - 1, n) == Piece_End::More) Skip_Rest_Of_Line(stream);
    return n + 1;
}

char* Read_Line_Stripped(char* buffer, int size, FILE* stream) {
    if (!buffer || size < 1 || !stream) return nullptr;
    int n = 0;
    const Piece_End end = Read_Line_Piece(stream, buffer, size - 1, n);
    if (end == Piece_End::End_Of_File && n == 0) return nullptr;
    return buffer;
}
