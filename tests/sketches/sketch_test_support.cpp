#include "sketches/sketch_test_support.h"

#include "common/cp437.h"
#include "common/stream_print.h"
#include "report/dimension_lines.h"
#include "report/graphic_block.h"
#include "report/graphic_shapes.h"

Expected_Block::Expected_Block(double k_, double x1, double y1, double x2, double y2) : k(k_) {
    OLI_Open_Graphic(capture.stream, x1, y1, x2, y2, k, k, 0, nullptr);
    OLI_Set_Graphic_Verbose(1);
    OLI_Set_Dimension_Flags(8);
    start = capture.text().size();
    raw("#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n");
    Print_To_Stream(capture.stream, "%lf %lf %lf %lf\n", x1 * k, x2 * k, y1 * k, y2 * k);
    raw(" 30\n 52\n 8 6\n 7 9\n 4 1\n 38 0   0\n");
}

Expected_Block& Expected_Block::raw(const std::string& text) {
    std::fputs(text.c_str(), capture.stream);
    return *this;
}

Expected_Block& Expected_Block::pen(int n) { return raw(Format_Text(" 4 %d\n", n)); }
Expected_Block& Expected_Block::font(int n) { return raw(Format_Text(" 7 %d\n", n)); }
Expected_Block& Expected_Block::fill(int p) { return raw(Format_Text(" 20  %d\n", p)); }
Expected_Block& Expected_Block::colour(int r, int g, int b) {
    return raw(Format_Text("50 %d %d %d\n", r, g, b));
}

Expected_Block& Expected_Block::line(double x1, double y1, double x2, double y2) {
    return raw(Format_Text(" 1  %lf %lf %lf %lf\n", x1 * k, y1 * k, x2 * k, y2 * k));
}

Expected_Block& Expected_Block::polygon(std::initializer_list<std::pair<double, double>> points) {
    std::string s = Format_Text(" 18 %d", static_cast<int>(points.size()));
    for (const auto& [x, y] : points) s += Format_Text(" %lf %lf", x * k, y * k);
    return raw(s + " \n");
}

Expected_Block& Expected_Block::closed(std::initializer_list<std::pair<double, double>> points) {
    const auto* p = points.begin();
    const std::size_t n = points.size();
    for (std::size_t i = 0; i + 1 < n; ++i) line(p[i].first, p[i].second, p[i + 1].first, p[i + 1].second);
    return line(p[0].first, p[0].second, p[n - 1].first, p[n - 1].second);
}

Expected_Block& Expected_Block::rectangle(double x1, double y1, double x2, double y2) {
    return raw(Format_Text(" 24  %lf %lf %lf %lf\n", std::min(x1, x2) * k, std::min(y1, y2) * k,
                           std::max(x1, x2) * k, std::max(y1, y2) * k));
}

Expected_Block& Expected_Block::text(double x, double y, const char* t) {
    return raw(Format_Text(" 14 %lf 0\n 10 %lf %lf %lf %lf 210 «%s»\n"_cp, 0.0, x * k, y * k, x * k,
                           y * k, t));
}

Expected_Block& Expected_Block::dimension(double x1, double y1, double x2, double y2, int placement) {
    std::fflush(capture.stream);
    OLI_Draw_Dimension(x1, y1, x2, y2, 0.1, placement);
    return *this;
}

Expected_Block& Expected_Block::call(const std::function<void()>& draw) {
    std::fflush(capture.stream);
    draw();
    return *this;
}

Expected_Block& Expected_Block::scale_label_ten(double y_cm) {
    colour(30, 150, 30);
    raw(Format_Text(" 9 -1.000000 %lf -1.000000 %lf 201 «Maßstab 1:10.0»\n"_cp, y_cm, y_cm));
    return black();
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t p = 0; (p = text.find(what, p)) != std::string::npos; p += what.size()) ++n;
    return n;
}

Expected_Block& Expected_Block::end() {
    return raw(" 31\n 53\n -1\n#LAYOUT setYPositionCM 1 -0.5\n");
}
