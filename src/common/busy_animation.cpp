#include "common/busy_animation.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/host/host_library.h"

namespace {

constexpr const char* Picture = "Anima2.bmp";
constexpr int Side = 84;                       // pixels of a frame and of the square on the screen
constexpr int Frames = 12, Frame_Pitch = 85;   // frames at (1 + 85 k, 1) in the picture
constexpr int First_X = 1, First_Y = 1;
constexpr int Centre_Offset = 41;              // from the screen centre to a centred square's corner
constexpr auto Frame_Pause = std::chrono::milliseconds(100);
constexpr std::uint32_t Missing_Picture = 0xE0E0E0;

// A block of the screen as pxSvRc keeps it: x, y, width, height as 32-bit ints, then the pixels
// row by row.
struct Block_Head {
    std::int32_t x, y, w, h;
};

// The state shared with the animation thread. The thread touches the screen only through pxStRc,
// pxSvRc and pxFlsh, which use no drawing state of the main thread.
struct Busy_Animation {
    std::atomic<bool> running{false};
    std::thread thread;
    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;          // under the mutex
    bool first_shown = false;   // under the mutex
    Host_Bitmap picture;
};
Busy_Animation busy;

Host_Bitmap Load_Picture() {
    Host_Bitmap picture;
    const std::string path = Resolve_Bitmap_Path(Picture);
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (path.empty() || !Decode_Bmp(bytes, picture)) picture = Host_Bitmap{};
    return picture;
}

// Frame k of the picture over the background block, in a block of the same place and size.
void Compose_Frame(const std::vector<unsigned char>& background, int x, int y, int k, std::vector<unsigned char>& frame) {
    frame = background;
    Block_Head head{};
    std::memcpy(&head, frame.data(), sizeof head);
    auto* pixels = reinterpret_cast<std::uint32_t*>(frame.data() + sizeof head);
    const Host_Bitmap& p = busy.picture;
    for (int v = 0; v < head.h; ++v)
        for (int u = 0; u < head.w; ++u) {
            const int fx = head.x + u - x, fy = head.y + v - y;   // within the square
            const int px = First_X + k * Frame_Pitch + fx, py = First_Y + fy;
            std::uint32_t c = Missing_Picture;
            if (px < p.width && py < p.height) c = p.pixels[static_cast<std::size_t>(py) * p.width + px];
            std::memcpy(&pixels[static_cast<std::size_t>(v) * head.w + u], &c, sizeof c);
        }
}

void Animate(int x, int y) {
    std::vector<unsigned char> background(static_cast<std::size_t>(pxQSvR(x, y, x + Side - 1, y + Side - 1)));
    pxSvRc(x, y, x + Side - 1, y + Side - 1, background.data());
    std::vector<unsigned char> frame;
    std::unique_lock lock(busy.mutex);
    for (int k = 0;; k = (k + 1) % Frames) {
        Compose_Frame(background, x, y, k, frame);
        pxStRc(frame.data());
        pxFlsh();
        if (!busy.first_shown) {
            busy.first_shown = true;
            busy.wake.notify_all();
        }
        // A real-time pause that a stop cuts short; the main thread's clock is not touched.
        if (busy.wake.wait_for(lock, Frame_Pause, [] { return busy.stop; })) break;
    }
    pxStRc(background.data());
    pxFlsh();
}

// An animation still running when the process ends is stopped before the screen goes away.
void Stop_At_Exit() { Stop_Busy_Animation(); }

}  // namespace

void Start_Busy_Animation(int x, int y) {
    if (busy.running) return;
    if (x < 0 || y < 0) {
        x = NPIXEL_X / 2 - Centre_Offset;
        y = NPIXEL_Y / 2 - Centre_Offset;
    }
    static const bool registered = std::atexit(Stop_At_Exit) == 0;
    (void)registered;
    busy.picture = Load_Picture();
    {
        const std::lock_guard lock(busy.mutex);
        busy.stop = false;
        busy.first_shown = false;
    }
    Host_Concurrent_Drawing(true);
    busy.running = true;
    busy.thread = std::thread(Animate, x, y);
    std::unique_lock lock(busy.mutex);
    busy.wake.wait(lock, [] { return busy.first_shown; });
}

void Stop_Busy_Animation() {
    if (!busy.running) return;
    {
        const std::lock_guard lock(busy.mutex);
        busy.stop = true;
    }
    busy.wake.notify_all();
    busy.thread.join();
    busy.running = false;
    Host_Concurrent_Drawing(false);
}
