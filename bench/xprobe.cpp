// Measures the game on a real X server from outside, the way a player meets it: when its window
// maps and first paints, how much memory and CPU it takes, how soon a clicked card shows, and
// how long its pauses last on screen. Windows are watched through SubstructureNotify on the root
// window and the DAMAGE extension; clicks go through XTEST. Every line printed is "key value".
//
//   velmora_xprobe startup RUNS GAME GAME_TITLE FLOOR FLOOR_TITLE
//   velmora_xprobe memory RUNS GAME GAME_TITLE FLOOR FLOOR_TITLE
//   velmora_xprobe play GAME GAME_TITLE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

double Now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The program under measure, ended with us if a measurement fails.
pid_t running = -1;

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "velmora_xprobe: %s\n", why.c_str());
  if (running > 0) kill(running, SIGKILL);
  std::exit(1);
}

double Median(std::vector<double> values) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void Print(const std::string& key, double value) {
  std::printf("%s %.3f\n", key.c_str(), value);
}

// Windows of other programs come and go while we ask about them; their errors are expected.
int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  int Overlap(const Rect& o) const {
    const int w = std::min(x + width, o.x + o.width) - std::max(x, o.x);
    const int h = std::min(y + height, o.y + o.height) - std::max(y, o.y);
    return w > 0 && h > 0 ? w * h : 0;
  }
};

struct Damage {
  double time;
  Rect area;
};

// The X connection, the windows seen on the root, and what was drawn into each.
class Screen {
 public:
  Screen() {
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) Fail("cannot open the display (is DISPLAY set?)");
    XSetErrorHandler(IgnoreErrors);
    int error = 0;
    if (!XDamageQueryExtension(display_, &damageEvent_, &error)) Fail("no DAMAGE extension");
    int major = 0, minor = 0;
    if (!XTestQueryExtension(display_, &error, &error, &major, &minor)) Fail("no XTEST extension");
    root_ = DefaultRootWindow(display_);
    XSelectInput(display_, root_, SubstructureNotifyMask);
    XSync(display_, False);
  }
  ~Screen() { XCloseDisplay(display_); }

  // Forgets every window seen so far: the next program starts a clean record.
  void Reset() {
    Drain();
    created_.clear();
    mapped_.clear();
    unmapped_.clear();
    damage_.clear();
  }

  // Handles events until `done` holds or the deadline passes; returns whether `done` held.
  bool WaitFor(const std::function<bool()>& done, double deadline) {
    while (true) {
      Drain();
      if (done()) return true;
      const double left = deadline - Now();
      if (left <= 0) return false;
      pollfd p{ConnectionNumber(display_), POLLIN, 0};
      poll(&p, 1, static_cast<int>(std::ceil(std::min(left, 0.05) * 1000.0)));
    }
  }
  void Idle(double seconds) {
    WaitFor([] { return false; }, Now() + seconds);
  }

  // The first top-level window with this title to map after `since`, if any.
  std::optional<Window> Mapped(const std::string& title, double since = 0) const {
    for (const auto& [time, window, name] : mapped_) {
      if (time >= since && name == title) return window;
    }
    return std::nullopt;
  }
  double MapTime(Window w) const {
    for (const auto& [time, window, name] : mapped_) {
      if (window == w) return time;
    }
    return NAN;
  }
  std::optional<double> UnmapTime(Window w) const {
    auto it = unmapped_.find(w);
    if (it == unmapped_.end()) return std::nullopt;
    return it->second;
  }
  const std::vector<Damage>& Damages(Window w) { return damage_[w]; }

  void Close(Window w) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, w, False, NoEventMask, &e);
    XFlush(display_);
  }

  Rect Geometry(Window w) {
    XWindowAttributes a{};
    XGetWindowAttributes(display_, w, &a);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, w, root_, 0, 0, &x, &y, &child);
    return {x, y, a.width, a.height};
  }

  void MovePointer(int x, int y) {
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XFlush(display_);
  }
  // Press and release of the left button where the pointer is; returns when they were sent.
  double Click() {
    const double sent = Now();
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XFlush(display_);
    return sent;
  }

  // The window's pixels in `r`, for telling a card back from an empty slot.
  std::vector<unsigned long> Pixels(Window w, const Rect& r) {
    std::vector<unsigned long> out;
    XImage* image = XGetImage(display_, w, r.x, r.y, static_cast<unsigned>(r.width),
                              static_cast<unsigned>(r.height), AllPlanes, ZPixmap);
    if (image == nullptr) return out;
    for (int y = 0; y < r.height; ++y) {
      for (int x = 0; x < r.width; ++x) out.push_back(XGetPixel(image, x, y));
    }
    XDestroyImage(image);
    return out;
  }

 private:
  void Drain() {
    while (XPending(display_) > 0) {
      XEvent e;
      XNextEvent(display_, &e);
      const double t = Now();
      if (e.type == CreateNotify && e.xcreatewindow.parent == root_) {
        // Watched from its creation, so no paint after the map can come before the watch.
        XDamageCreate(display_, e.xcreatewindow.window, XDamageReportRawRectangles);
        created_.insert(e.xcreatewindow.window);
      } else if (e.type == MapNotify && e.xmap.event == root_) {
        mapped_.push_back({t, e.xmap.window, Title(e.xmap.window)});
      } else if (e.type == UnmapNotify && e.xunmap.event == root_) {
        unmapped_.emplace(e.xunmap.window, t);
      } else if (e.type == damageEvent_ + XDamageNotify) {
        const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
        damage_[d.drawable].push_back({t, {d.area.x, d.area.y, d.area.width, d.area.height}});
      }
    }
  }

  std::string Title(Window w) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    if (XGetWindowProperty(display_, w, XInternAtom(display_, "_NET_WM_NAME", False), 0, 256, False,
                           utf8, &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
      title.assign(reinterpret_cast<char*>(data), count);
      XFree(data);
    }
    if (title.empty()) {
      char* name = nullptr;
      if (XFetchName(display_, w, &name) && name != nullptr) {
        title = name;
        XFree(name);
      }
    }
    return title;
  }

  struct MapRecord {
    double time;
    Window window;
    std::string title;
  };

  Display* display_ = nullptr;
  Window root_ = 0;
  int damageEvent_ = 0;
  std::set<Window> created_;
  std::vector<MapRecord> mapped_;
  std::map<Window, double> unmapped_;
  std::map<Window, std::vector<Damage>> damage_;
};

struct Child {
  pid_t pid = -1;
  double started = 0;
  std::string program;
};

Child Spawn(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  Child child;
  child.program = argv[0];
  child.started = Now();
  child.pid = fork();
  if (child.pid < 0) Fail("fork failed");
  if (child.pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDOUT_FILENO);
    execv(args[0], args.data());
    _exit(127);
  }
  running = child.pid;
  return child;
}

// Waits for the program to end by itself; ends it if it will not. Returns its exit status.
int Reap(const Child& child, double timeout = 10.0) {
  const double deadline = Now() + timeout;
  int status = 0;
  while (Now() < deadline) {
    if (waitpid(child.pid, &status, WNOHANG) == child.pid) {
      running = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    usleep(10000);
  }
  kill(child.pid, SIGKILL);
  waitpid(child.pid, &status, 0);
  Fail(child.program + " did not end within " + std::to_string(static_cast<int>(timeout)) +
       " s of its window's close");
}

struct Start {
  double mapMs;
  double paintMs;
  Window window;
};

// Runs the program until its main window has mapped and painted.
Start Launch(Screen& screen, Child& child, const std::vector<std::string>& argv,
             const std::string& title) {
  screen.Reset();
  child = Spawn(argv);
  std::optional<Window> w;
  const bool shown = screen.WaitFor(
      [&] {
        if (!w) w = screen.Mapped(title);
        return w && !screen.Damages(*w).empty();
      },
      child.started + 20.0);
  if (!shown) Fail("no window titled \"" + title + "\" mapped and painted: " + argv[0]);
  const double paint = screen.Damages(*w).front().time;
  return {(screen.MapTime(*w) - child.started) * 1000.0, (paint - child.started) * 1000.0, *w};
}

void CloseAndReap(Screen& screen, const Start& start, const Child& child) {
  screen.Close(start.window);
  const int status = Reap(child);
  if (status != 0) Fail(child.program + " ended with status " + std::to_string(status));
}

struct Program {
  std::string path, title, name;
};

void StartupFigures(int runs, const Program& game, const Program& floor) {
  Screen screen;
  std::map<std::string, std::vector<double>> map, paint;
  // One start of each first, unrecorded, so that neither pays for a cold file cache.
  for (int i = -1; i < runs; ++i) {
    for (const Program* p : {&floor, &game}) {
      Child child;
      const Start s = Launch(screen, child, {p->path}, p->title);
      screen.Idle(0.2);
      CloseAndReap(screen, s, child);
      if (i < 0) continue;
      map[p->name].push_back(s.mapMs);
      paint[p->name].push_back(s.paintMs);
    }
  }
  for (const Program* p : {&game, &floor}) {
    Print(p->name + "_map_ms", Median(map[p->name]));
    Print(p->name + "_paint_ms", Median(paint[p->name]));
  }
  Print("map_ratio", Median(map["game"]) / Median(map["floor"]));
  Print("paint_ratio", Median(paint["game"]) / Median(paint["floor"]));
  Print("startup_runs", runs);
}

// /usr/bin/time -v's report of the largest resident set, in kilobytes.
double PeakKilobytes(const std::string& report) {
  std::ifstream in(report);
  std::string line;
  const std::string key = "Maximum resident set size (kbytes): ";
  while (std::getline(in, line)) {
    const auto at = line.find(key);
    if (at != std::string::npos) return std::stod(line.substr(at + key.size()));
  }
  Fail("no peak RSS in " + report);
}

void MemoryFigures(int runs, const Program& game, const Program& floor) {
  Screen screen;
  std::map<std::string, std::vector<double>> peak;
  const std::string report = "/tmp/velmora_xprobe_time_" + std::to_string(getpid());
  for (int i = 0; i < runs; ++i) {
    for (const Program* p : {&floor, &game}) {
      Child child;
      const Start s =
          Launch(screen, child, {"/usr/bin/time", "-v", "-o", report, p->path}, p->title);
      screen.Idle(0.5);
      CloseAndReap(screen, s, child);
      peak[p->name].push_back(PeakKilobytes(report) / 1024.0);
    }
  }
  std::remove(report.c_str());
  Print("game_peak_mb", Median(peak["game"]));
  Print("floor_peak_mb", Median(peak["floor"]));
  Print("peak_over_floor_mb", Median(peak["game"]) - Median(peak["floor"]));
  Print("memory_runs", runs);
}

// CPU time of every thread of the process, in seconds: clock ticks from /proc/PID/stat, and
// nanoseconds from each thread's schedstat, which sees what a tick is too coarse for.
struct Cpu {
  double ticks = 0;
  double precise = 0;
};

Cpu ReadCpu(pid_t pid) {
  Cpu cpu;
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  double utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::stod(field);
    if (i == 15) stime = std::stod(field);
  }
  cpu.ticks = (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  if (DIR* dir = opendir(tasks.c_str())) {
    while (dirent* entry = readdir(dir)) {
      if (entry->d_name[0] == '.') continue;
      std::ifstream sched(tasks + "/" + entry->d_name + "/schedstat");
      double ns = 0;
      if (sched >> ns) cpu.precise += ns * 1e-9;
    }
    closedir(dir);
  }
  return cpu;
}

// The game's board, in window pixels at 96 dpi: slot rectangles from the layout's twips.
int Px(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

Rect SlotRect(int slot, int clientTop) {
  const int row = (slot - 1) / 11;
  const int column = (slot - 1) % 11;
  const int left = (column == 0 && row < 3) ? 204 : 240 + 960 * column;
  const int top = 120 + 1440 * row;
  return {Px(left), clientTop + Px(top), Px(left + 864) - Px(left), Px(top + 1392) - Px(top)};
}

// The slots a damaged rectangle covers for the most part.
std::vector<int> SlotsIn(const Rect& area, int clientTop) {
  std::vector<int> slots;
  for (int s = 1; s <= 52; ++s) {
    const Rect r = SlotRect(s, clientTop);
    if (area.Overlap(r) * 2 > r.width * r.height) slots.push_back(s);
  }
  return slots;
}

struct PauseSample {
  double expected;
  double measured;
};

void PlayFigures(const Program& game) {
  Screen screen;
  Child child;
  const Start start = Launch(screen, child, {game.path}, game.title);
  const Window w = start.window;
  screen.Idle(1.5);
  const Rect outer = screen.Geometry(w);
  const int clientTop = outer.height - Px(7704);  // the menu bar sits above the client
  const auto damages = [&] { return screen.Damages(w); };

  // Waiting for the player: nothing should run at all.
  const std::size_t before = damages().size();
  const Cpu idle0 = ReadCpu(child.pid);
  const double idleStart = Now();
  screen.Idle(10.0);
  const Cpu idle1 = ReadCpu(child.pid);
  const double idleSeconds = Now() - idleStart;
  Print("idle_seconds", idleSeconds);
  Print("idle_cpu_percent", 100.0 * (idle1.precise - idle0.precise) / idleSeconds);
  Print("idle_cpu_percent_ticks", 100.0 * (idle1.ticks - idle0.ticks) / idleSeconds);
  Print("idle_repaints", static_cast<double>(damages().size() - before));

  // Each slot's back as dealt: slots differ by a pixel in width, so each has its own.
  std::vector<std::vector<unsigned long>> backs(53);
  for (int s = 1; s <= 52; ++s) backs[s] = screen.Pixels(w, SlotRect(s, clientTop));
  const auto isBack = [&](int slot) {
    return screen.Pixels(w, SlotRect(slot, clientTop)) == backs[slot];
  };
  // Clicks a slot and returns the time from the click to its face on screen.
  const auto clickSlot = [&](int slot) {
    const Rect r = SlotRect(slot, clientTop);
    screen.MovePointer(outer.x + r.x + r.width / 2, outer.y + r.y + r.height / 2);
    screen.Idle(0.05);
    const std::size_t from = damages().size();
    const double sent = screen.Click();
    double shown = NAN;
    screen.WaitFor(
        [&] {
          const auto& d = damages();
          for (std::size_t i = from; i < d.size(); ++i) {
            if (d[i].area.Overlap(r) > 0) {
              shown = d[i].time;
              return true;
            }
          }
          return false;
        },
        sent + 2.0);
    return std::pair{sent, shown};
  };

  std::vector<double> clickToFace;
  std::vector<PauseSample> pauses;
  std::optional<double> turnCpu;
  int nextSlot = 1;
  const auto faceDownSlot = [&] {
    while (nextSlot <= 52 && !isBack(nextSlot)) ++nextSlot;
    if (nextSlot > 52) Fail("no face-down slot left to click");
    return nextSlot++;
  };
  // Turns after turns until the computer has played three of its own; a pair the player finds
  // by chance only means another turn.
  for (int turns = 0, computerTurns = 0; computerTurns < 3 && turns < 12; ++turns) {
    const int a = faceDownSlot();
    const int b = faceDownSlot();
    const auto [sentA, shownA] = clickSlot(a);
    clickToFace.push_back((shownA - sentA) * 1000.0);
    std::fprintf(stderr, "click to face, slot %d: %.1f ms\n", a, clickToFace.back());
    screen.Idle(1.0);  // past the first card's pause, as a player who looks first
    const std::size_t from = damages().size();
    const auto [sentB, shownB] = clickSlot(b);
    clickToFace.push_back((shownB - sentB) * 1000.0);
    std::fprintf(stderr, "click to face, slot %d: %.1f ms\n", b, clickToFace.back());
    const Cpu cpu0 = ReadCpu(child.pid);
    screen.Idle(8.0);
    const Cpu cpu1 = ReadCpu(child.pid);
    const double turnSeconds = Now() - sentB;
    // The computer's turn is over once the board has been still for a while.
    double last = Now();
    screen.WaitFor(
        [&] {
          for (const Damage& d : damages()) last = std::max(last, d.time);
          return Now() - last > 3.5;
        },
        Now() + 60.0);
    // Moments the board changed: slot repaints closer than 20 ms belong to one moment.
    std::vector<std::pair<double, std::set<int>>> moments;
    const auto& d = damages();
    for (std::size_t i = from; i < d.size(); ++i) {
      const std::vector<int> slots = SlotsIn(d[i].area, clientTop);
      if (slots.empty()) continue;
      if (moments.empty() || d[i].time - moments.back().first > 0.02)
        moments.push_back({d[i].time, {}});
      moments.back().second.insert(slots.begin(), slots.end());
    }
    const bool computerPlayed = moments.size() >= 3 && isBack(a);
    if (!computerPlayed) continue;  // a pair: the player turns again
    ++computerTurns;
    if (!turnCpu) {
      turnCpu = 100.0 * (cpu1.precise - cpu0.precise) / turnSeconds;
      Print("turn_seconds", turnSeconds);
      Print("turn_cpu_percent", *turnCpu);
      Print("turn_cpu_percent_ticks", 100.0 * (cpu1.ticks - cpu0.ticks) / turnSeconds);
    }
    // The second face, then both down 2 s later, then after 0.75 s + 2 s the computer's first
    // card; its cards follow 0.75 s apart, and each pair shows 2 s.
    for (std::size_t i = 1; i < moments.size(); ++i) {
      const double gap = moments[i].first - moments[i - 1].first;
      double expected = 0;
      for (double e : {0.75, 2.0, 2.75}) {
        if (std::fabs(gap - e) < 0.3) expected = e;
      }
      if (expected == 0) Fail("a board change " + std::to_string(gap) + " s after the last");
      pauses.push_back({expected, gap});
      std::fprintf(stderr, "pause %.2f s: %.1f ms\n", expected, gap * 1000.0);
    }
  }
  if (!turnCpu) Fail("the computer never took a turn");
  Print("click_to_face_ms_median", Median(clickToFace));
  Print("click_to_face_ms_max", *std::max_element(clickToFace.begin(), clickToFace.end()));
  Print("click_samples", static_cast<double>(clickToFace.size()));
  for (double e : {0.75, 2.0, 2.75}) {
    std::vector<double> errors;
    for (const PauseSample& p : pauses) {
      if (p.expected == e) errors.push_back((p.measured - p.expected) * 1000.0);
    }
    if (errors.empty()) continue;
    const std::string key = "pause_" + std::to_string(static_cast<int>(e * 1000)) + "ms";
    Print(key + "_error_median", Median(errors));
    Print(key + "_error_min", *std::min_element(errors.begin(), errors.end()));
    Print(key + "_error_max", *std::max_element(errors.begin(), errors.end()));
    Print(key + "_samples", static_cast<double>(errors.size()));
  }

  // The Deal button's shuffle notice: from its map to its unmap.
  const int dealX = Px(9480 + 1212 / 2), dealY = clientTop + Px(6000 + 372 / 2);
  std::vector<double> notice;
  for (int i = 0; i < 3; ++i) {
    screen.MovePointer(outer.x + dealX, outer.y + dealY);
    screen.Idle(0.05);
    const double sent = screen.Click();
    std::optional<Window> shuffle;
    const bool closed = screen.WaitFor(
        [&] {
          if (!shuffle) shuffle = screen.Mapped("Shuffling", sent);
          return shuffle && screen.UnmapTime(*shuffle);
        },
        sent + 10.0);
    if (!closed) Fail("the shuffle notice did not come and go");
    notice.push_back((*screen.UnmapTime(*shuffle) - screen.MapTime(*shuffle)) * 1000.0);
    screen.Idle(0.5);
  }
  Print("shuffle_notice_ms_median", Median(notice));
  Print("shuffle_notice_ms_min", *std::min_element(notice.begin(), notice.end()));
  Print("shuffle_notice_ms_max", *std::max_element(notice.begin(), notice.end()));
  CloseAndReap(screen, start, child);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 6 && (args[0] == "startup" || args[0] == "memory")) {
    const int runs = std::stoi(args[1]);
    const Program game{args[2], args[3], "game"}, floor{args[4], args[5], "floor"};
    if (args[0] == "startup") {
      StartupFigures(runs, game, floor);
    } else {
      MemoryFigures(runs, game, floor);
    }
    return 0;
  }
  if (args.size() == 3 && args[0] == "play") {
    PlayFigures({args[1], args[2], "game"});
    return 0;
  }
  std::fprintf(stderr,
               "usage: velmora_xprobe startup|memory RUNS GAME TITLE FLOOR TITLE\n"
               "       velmora_xprobe play GAME TITLE\n");
  return 2;
}
