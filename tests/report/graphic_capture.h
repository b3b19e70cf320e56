// A stream in memory for the graphic writers' tests: everything written to it reads back as one
// string, and a mark lets a test compare only what a call wrote.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "report/graphic_block.h"
#include "report/plot_file.h"

struct Graphic_Capture {
    char* buffer = nullptr;
    std::size_t size = 0;
    FILE* stream = nullptr;
    std::size_t mark = 0;

    Graphic_Capture() { stream = open_memstream(&buffer, &size); }
    ~Graphic_Capture() {
        if (stream) std::fclose(stream);
        std::free(buffer);
    }
    Graphic_Capture(const Graphic_Capture&) = delete;
    Graphic_Capture& operator=(const Graphic_Capture&) = delete;

    // Everything written so far.
    std::string text() {
        if (stream) std::fflush(stream);
        return std::string(buffer ? buffer : "", size);
    }
    // What was written since the last call of since() or set_mark().
    std::string since() {
        const std::string all = text();
        const std::string part = all.substr(mark);
        mark = all.size();
        return part;
    }
    void set_mark() { mark = text().size(); }
    // The stream was closed by the code under test; the buffer stays readable.
    void closed_elsewhere() { stream = nullptr; }
};

// A capture used as plot file: a plot still open at the end of the test is closed, which closes
// the stream.
struct Plot_Capture : Graphic_Capture {
    ~Plot_Capture() {
        if (Plot_State.stream == stream && stream) {
            Plot_Close();
            closed_elsewhere();
        }
    }
    // Closes the plot (which writes its end and closes the stream) and gives the whole file.
    std::string close_and_read() {
        Plot_Close();
        closed_elsewhere();
        return text();
    }
};

// The lines of a text, without their line ends.
inline std::vector<std::string> Split_Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The command of each line: its first blank-separated word.
inline std::vector<std::string> Command_Codes(const std::string& text) {
    std::vector<std::string> codes;
    for (const std::string& line : Split_Lines(text)) {
        const std::size_t b = line.find_first_not_of(' ');
        if (b == std::string::npos) continue;
        codes.push_back(line.substr(b, line.find(' ', b) - b));
    }
    return codes;
}

// The texts between the bytes 174 and 175 (« and » in code page 437), in order.
inline std::vector<std::string> Quoted_Texts(const std::string& text) {
    std::vector<std::string> texts;
    std::size_t p = 0;
    while ((p = text.find('\xAE', p)) != std::string::npos) {
        const std::size_t e = text.find('\xAF', p + 1);
        if (e == std::string::npos) break;
        texts.push_back(text.substr(p + 1, e - p - 1));
        p = e + 1;
    }
    return texts;
}

// A graphic block opened on a capture, 100 × 100 units at the given scale with x to the right and y
// upwards (or downwards), without the verbose group marks; the mark stands after the block's head.
struct Quiet_Block {
    Graphic_Capture out;
    explicit Quiet_Block(double scale = 1, bool y_down = false) {
        OLI_Open_Graphic(out.stream, 0, y_down ? 100 : 0, 100, y_down ? 0 : 100, scale, scale, 0, nullptr);
        OLI_Set_Graphic_Verbose(0);
        out.set_mark();
    }
};

// The lines of a text that begin with the given start.
inline std::vector<std::string> Lines_Starting(const std::string& text, const std::string& start) {
    std::vector<std::string> out;
    for (const std::string& l : Split_Lines(text))
        if (l.rfind(start, 0) == 0) out.push_back(l);
    return out;
}
