#include "platform/host/screen_bitmaps.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "platform/host/host_trace.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_raster.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Transparent_Operation = 201;
constexpr long long Largest_Side = 16384;
constexpr long long Largest_Picture = 16 << 20;   // pixels: 64 MiB decoded
constexpr std::size_t File_Header = 14;
constexpr std::size_t Info_Header = 40;
constexpr std::size_t Cache_Limit = 32;
constexpr std::uint32_t Placeholder_Fill = 0xE0E0E0;
constexpr std::uint32_t Placeholder_Frame = 0x808080;
constexpr int Placeholder_Font = 0x1002;

std::uint32_t Read_U32(std::span<const unsigned char> b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Read_U16(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

struct Cached_Bitmap {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    bool readable = false;
    Host_Bitmap picture;
};

std::map<std::string, Cached_Bitmap> cache;
std::set<std::string> traced;

// The decoded picture of a bitmap name, or null when it cannot be drawn (traced once per name).
const Host_Bitmap* Load(const char* name) {
    const std::string shown = name ? name : "";
    const std::string path = Resolve_Bitmap_Path(name);
    std::error_code ec;
    if (path.empty()) {
        if (traced.insert(shown).second) Host_Trace("Bitmap nicht gefunden: " + shown);
        return nullptr;
    }
    std::error_code time_ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    const auto time = std::filesystem::last_write_time(path, time_ec);
    auto it = cache.find(path);
    if (ec || time_ec || it == cache.end() || it->second.size != size || it->second.time != time) {
        if (cache.size() >= Cache_Limit) cache.clear();
        Cached_Bitmap entry{size, time, false, {}};
        std::ifstream in(path, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        entry.readable = Decode_Bmp(bytes, entry.picture);
        it = cache.insert_or_assign(path, std::move(entry)).first;
    }
    if (!it->second.readable) {
        if (traced.insert(shown).second) Host_Trace("Bitmap nicht lesbar: " + path);
        return nullptr;
    }
    return &it->second.picture;
}

// A framed light-grey box with the name in it, clipped to the box.
void Draw_Placeholder(const char* name, const Screen_Rect& target) {
    const Screen_Rect area = Intersect(target, Screen_Clip());
    if (area.empty()) return;
    for (int y = area.y1; y <= area.y2; ++y)
        for (int x = area.x1; x <= area.x2; ++x) {
            const bool edge = x == target.x1 || x == target.x2 || y == target.y1 || y == target.y2;
            Screen_Write(x, y, edge ? Placeholder_Frame : Placeholder_Fill);
        }
    if (!name) return;
    const Screen_Rect before = Screen_Set_Clip({area.x1, area.y1, std::min(area.x2, target.x2 - 1), std::min(area.y2, target.y2 - 1)});
    const int colour = pxQFgc();
    pxFgc(0x000000);
    Pop_RFont(Placeholder_Font);
    Text_Extent cell{};
    pxQTxX(name, 1, 0, 0, &cell);   // the cell's top row relative to the baseline
    pxText(target.x1 + 2, target.y1 + 2 - cell.top, name, static_cast<int>(std::string(name).size()));
    Push_RFont();
    pxFgc(colour);
    Screen_Set_Clip(before);
}

// Copies the source rectangle of the picture into the target, nearest pixel, inside the clip.
void Blit(const Host_Bitmap& p, long long sx1, long long sy1, long long sx2, long long sy2, const Screen_Rect& target,
          bool keyed, std::uint32_t key) {
    if (sx1 > sx2) std::swap(sx1, sx2);
    if (sy1 > sy2) std::swap(sy1, sy2);
    const __int128 sw = sx2 - sx1 + 1, sh = sy2 - sy1 + 1;
    const __int128 tw = static_cast<long long>(target.x2) - target.x1 + 1, th = static_cast<long long>(target.y2) - target.y1 + 1;
    const Screen_Rect area = Intersect(target, Screen_Clip());
    for (int y = area.y1; y <= area.y2; ++y) {
        const long long sy = sy1 + static_cast<long long>((static_cast<long long>(y) - target.y1) * sh / th);
        if (sy < 0 || sy >= p.height) continue;
        for (int x = area.x1; x <= area.x2; ++x) {
            const long long sx = sx1 + static_cast<long long>((static_cast<long long>(x) - target.x1) * sw / tw);
            if (sx < 0 || sx >= p.width) continue;
            const std::uint32_t c = p.pixels[static_cast<std::size_t>(sy * p.width + sx)];
            if (keyed && c == key) continue;
            Screen_Write(x, y, c);
        }
    }
}

bool Keyed(int operation, int red, int green, int blue) {
    return operation == Transparent_Operation && red >= 0 && green >= 0 && blue >= 0;
}

std::uint32_t Key(int red, int green, int blue) {
    return static_cast<std::uint32_t>(Nearest_RGB_Color(red, green, blue));
}

}  // namespace

bool Decode_Bmp(std::span<const unsigned char> b, Host_Bitmap& picture) {
    if (b.size() < File_Header + Info_Header || b[0] != 'B' || b[1] != 'M') return false;
    const std::size_t offset = Read_U32(b, 10);
    const std::size_t header = Read_U32(b, 14);
    if (header < Info_Header || header > b.size() - File_Header) return false;
    const long long width = static_cast<std::int32_t>(Read_U32(b, 18));
    const long long signed_height = static_cast<std::int32_t>(Read_U32(b, 22));
    const int bits = Read_U16(b, 28);
    const std::uint32_t compression = Read_U32(b, 30);
    const std::uint32_t colours_used = Read_U32(b, 46);
    const long long height = std::llabs(signed_height);
    if (Read_U16(b, 26) != 1 || compression != 0) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    if (width < 1 || width > Largest_Side || height < 1 || height > Largest_Side) return false;
    if (width * height > Largest_Picture) return false;

    std::vector<std::uint32_t> palette;
    const std::size_t at = File_Header + header;
    if (offset < at) return false;
    if (bits <= 8) {
        const std::size_t entries = colours_used ? colours_used : std::size_t{1} << bits;
        if (entries > (std::size_t{1} << bits) || at + entries * 4 > offset || at + entries * 4 > b.size()) return false;
        for (std::size_t k = 0; k < entries; ++k)
            palette.push_back(static_cast<std::uint32_t>(b[at + 4 * k + 2]) << 16 | b[at + 4 * k + 1] << 8 | b[at + 4 * k]);
    }
    const std::size_t stride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    if (offset > b.size() || stride * static_cast<std::size_t>(height) > b.size() - offset) return false;

    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.assign(static_cast<std::size_t>(width * height), 0);
    for (long long y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(signed_height > 0 ? height - 1 - y : y);
        for (long long x = 0; x < width; ++x) {
            std::uint32_t c = 0;
            if (bits <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x * bits);
                const unsigned index = b[row + bit / 8] >> (8 - bits - bit % 8) & ((1u << bits) - 1);
                c = index < palette.size() ? palette[index] : 0;
            } else {
                const std::size_t at = row + static_cast<std::size_t>(x) * (bits / 8);
                c = static_cast<std::uint32_t>(b[at + 2]) << 16 | b[at + 1] << 8 | b[at];
            }
            picture.pixels[static_cast<std::size_t>(y * width + x)] = c;
        }
    }
    return true;
}

namespace {

bool Same_Name_Ignoring_Case(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The file under the folder whose relative path matches without regard to case, component by
// component (the names were written for a file system that ignores case); empty when none does.
// An exact match of a component is taken before any other.
std::string Find_Ignoring_Case(const std::filesystem::path& folder, const std::string& relative) {
    std::error_code ec;
    std::filesystem::path at = folder;
    for (const auto& part : std::filesystem::path(relative)) {
        const std::string name = part.string();
        if (name.empty() || name == ".") continue;
        if (std::filesystem::exists(at / part, ec)) {
            at /= part;
            continue;
        }
        std::filesystem::path found;
        for (std::filesystem::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec))
            if (Same_Name_Ignoring_Case(it->path().filename().string(), name)) {
                found = it->path();
                break;
            }
        if (found.empty()) return {};
        at = found;
    }
    return std::filesystem::is_regular_file(at, ec) ? at.string() : std::string{};
}

}  // namespace

std::string Resolve_Bitmap_Path(const char* name) {
    if (!name || !*name) return {};
    std::string relative = name;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::error_code ec;
    if (relative.front() == '/') return std::filesystem::is_regular_file(relative, ec) ? relative : std::string{};
    const char* exec = std::getenv("EXEC");
    const char* data = std::getenv("DATA");
    for (const std::string& folder : {exec ? std::string(exec) + "/Talvo-EC301" : std::string{}, data ? std::string(data) : std::string{}}) {
        if (folder.empty()) continue;
        const std::string path = folder + "/" + relative;
        if (std::filesystem::is_regular_file(path, ec)) return path;
    }
    for (const std::string& folder : {exec ? std::string(exec) + "/Talvo-EC301" : std::string{}, data ? std::string(data) : std::string{}}) {
        if (folder.empty() || !std::filesystem::is_directory(folder, ec)) continue;
        if (std::string path = Find_Ignoring_Case(folder, relative); !path.empty()) return path;
    }
    return {};
}

void pxDrawTransparentDIB(const char* file, int x1, int y1, int x2, int y2, int operation, int, int red, int green,
                          int blue) {
    const Screen_Rect target = Normalised(x1, y1, x2, y2);
    if (Screen_Clip().empty()) return;
    const Host_Bitmap* p = Load(file);
    if (!p) return Draw_Placeholder(file, target);
    Blit(*p, 0, 0, p->width - 1, p->height - 1, target, Keyed(operation, red, green, blue), Key(red, green, blue));
}

void pxDrawPartialTransparentDIB(const char* file, int sx1, int sy1, int sx2, int sy2, int x1, int y1, int x2,
                                 int y2, int operation, int, int red, int green, int blue) {
    const Screen_Rect target = Normalised(x1, y1, x2, y2);
    if (Screen_Clip().empty()) return;
    const Host_Bitmap* p = Load(file);
    if (!p) return Draw_Placeholder(file, target);
    const long long far_x = sx2 < 0 ? static_cast<long long>(sx1) + (static_cast<long long>(target.x2) - target.x1) : sx2;
    const long long far_y = sy2 < 0 ? static_cast<long long>(sy1) + (static_cast<long long>(target.y2) - target.y1) : sy2;
    Blit(*p, sx1, sy1, far_x, far_y, target, Keyed(operation, red, green, blue), Key(red, green, blue));
}

void Draw_RPC_File(const char* file, int a, int b) {
    if (Host_Tracing())
        Host_Trace_Line("rpc file " + Trace_Text(file ? file : "") + " " + std::to_string(a) + " " + std::to_string(b));
    const Screen_Rect clip = Screen_Clip();
    if (!clip.empty()) Draw_Placeholder(file, clip);
}

void pxDrawDIB(const char* file, int x, int y) {
    if (Screen_Clip().empty()) return;
    const Host_Bitmap* p = Load(file);
    if (!p) return Draw_Placeholder(file, {x, y, x + 99, y + 29});
    const long long x2 = static_cast<long long>(x) + p->width - 1, y2 = static_cast<long long>(y) + p->height - 1;
    if (x2 > INT32_MAX || y2 > INT32_MAX) return;
    Blit(*p, 0, 0, p->width - 1, p->height - 1, {x, y, static_cast<int>(x2), static_cast<int>(y2)}, false, 0);
}
