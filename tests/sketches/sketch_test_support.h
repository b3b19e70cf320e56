// Expected graphic blocks of the report sketch tests, written line by line from hand-worked model
// coordinates: the test states each point in mm and the scale, and the helpers only format the
// product in the print list's "%lf" centimetres. Dimensions are drawn by the report library's
// dimension writer into the same expected stream (its own tests check its lines), so a block is
// compared as one byte string.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "report/graphic_capture.h"

struct Expected_Block {
    Graphic_Capture capture;
    double k;   // cm of paper per mm

    // Opens the block's state (window in mm, as the sketch must write it) and starts the text
    // with the head lines of every report sketch up to the dimension flags.
    Expected_Block(double k, double x1, double y1, double x2, double y2);

    Expected_Block& raw(const std::string& text);            // literal lines
    Expected_Block& pen(int n);                               // " 4 n"
    Expected_Block& font(int n);                              // " 7 n"
    Expected_Block& fill(int pattern);                        // " 20  p"
    Expected_Block& colour(int r, int g, int b);              // "50 r g b"
    Expected_Block& black() { return colour(0, 0, 0); }
    Expected_Block& line(double x1, double y1, double x2, double y2);
    Expected_Block& polygon(std::initializer_list<std::pair<double, double>> points);
    Expected_Block& closed(std::initializer_list<std::pair<double, double>> points);   // outline
    Expected_Block& rectangle(double x1, double y1, double x2, double y2);              // " 24"
    Expected_Block& text(double x, double y, const char* text);   // centred, command 10
    Expected_Block& dimension(double x1, double y1, double x2, double y2, int placement);
    // A report-library primitive (sector, circle, arc, section marker) written into the expected
    // stream; its own tests check its lines.
    Expected_Block& call(const std::function<void()>& draw);
    Expected_Block& solid() { return raw(" 38 0   0\n"); }
    Expected_Block& dashed() { return raw(" 38 2 0.1 0.1 0\n"); }
    // The green scale label "Maßstab 1:10.0" at the window's lower left corner (x −1 cm, y in cm),
    // then Black.
    Expected_Block& scale_label_ten(double y_cm = -1.0);
    // The closing lines of every report sketch.
    Expected_Block& end();

    // The expected block, without the head that opening the state wrote.
    std::string str() { return capture.text().substr(start); }
    std::size_t start = 0;
};

// How often the text holds what (not overlapping).
int Count(const std::string& text, const std::string& what);
