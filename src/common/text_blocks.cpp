#include "common/text_blocks.h"

#include <cstring>
#include <string>

#include "common/cp437.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "common/tracked_alloc.h"

namespace {

constexpr char Open_Mark = "«"_cp[0];
constexpr char Close_Mark = "»"_cp[0];
// A line end inside a chunk is carried as this byte.
constexpr char Line_End_Byte = '\1';

// The next character that is not a blank, tab or line end, left in the stream.
int Peek_After_Blanks(FILE* s) {
    const int c = Skip_Blanks(s);
    if (c != EOF) std::ungetc(c, s);
    return c;
}

}  // namespace

int Write_Text_Block(FILE* stream, const char* text) {
    if (!stream) return 0;
    const std::size_t n = text ? std::strlen(text) : 0;
    if (n > static_cast<std::size_t>(Text_Block_Limit) || (n && std::memchr(text, Close_Mark, n))) return 0;
    if (Print_To_Stream(stream, "TXB%d\n", static_cast<int>(n)) < 0) return 0;
    for (std::size_t at = 0; at < n; at += Text_Block_Chunk) {
        std::string chunk(1, Open_Mark);
        for (std::size_t k = at; k < n && k < at + Text_Block_Chunk; ++k)
            chunk += text[k] == '\n' ? Line_End_Byte : text[k];
        chunk += Close_Mark;
        chunk += '\n';
        if (std::fwrite(chunk.data(), 1, chunk.size(), stream) != chunk.size()) return 0;
    }
    return 1;
}

char* Read_Text_Block(FILE* stream) {
    if (!stream || Skip_Blanks(stream) != 'T') return nullptr;
    int length = 0;
    if (Scan_Stream(stream, "XB%d", &length) != 1 || length <= 0 || length > Text_Block_Limit) return nullptr;
    // Every character takes at least one byte of the file.
    const long long left = Stream_Bytes_Left(stream);
    if (left >= 0 && length > left) return nullptr;
    char* text = static_cast<char*>(MEM_ALLOC(static_cast<std::size_t>(length) + 1));
    if (!text) return nullptr;
    int stored = 0;
    char chunk[Guillemet_Text_Size];
    for (int chunks = 0; stored < length && chunks < Text_Block_Limit / Text_Block_Chunk; ++chunks) {
        if (Peek_After_Blanks(stream) != static_cast<unsigned char>(Open_Mark)) break;
        const int n = Read_Guillemet_Text(stream, chunk);
        for (int k = 0; k < n && stored < length; ++k) text[stored++] = chunk[k] == Line_End_Byte ? '\n' : chunk[k];
    }
    text[stored] = '\0';
    return text;
}

std::size_t Get_Text_Size_With_Terminator(const char* text) { return text ? std::strlen(text) + 1 : 0; }

void* Free_If_Set(void* block) {
    if (block) MEM_FREE(block);
    return nullptr;
}
