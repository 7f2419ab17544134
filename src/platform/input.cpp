// Keyboard, mouse and window requests as the game samples them. The SDL
// backend's event pump and the scripted controls both write into the same
// state, so a test or the harness is seen exactly like a player.
#include "platform/internal.h"

namespace pf {
namespace detail {

void resetinput() {
    bool shown = g.input.pointershown;
    g.input = InputState{};
    g.input.pointershown = shown;
}

}  // namespace detail

using namespace detail;

namespace {
bool validkey(int vk) { return vk > 0 && vk < 256; }
bool validbutton(int b) { return b >= 1 && b <= 3; }
void pump() { ops().pumpevents(); }
}  // namespace

int keyhit(int vk) {
    pump();
    if (!validkey(vk)) return 0;
    int n = g.input.keyhits[vk];
    g.input.keyhits[vk] = 0;
    return n;
}

bool keydown(int vk) {
    pump();
    return validkey(vk) && g.input.keydown[vk];
}

// Typed characters as code points; Backspace and Enter presses also arrive
// here as 8 and 13 so that a text field needs only this one queue.
int getchar() {
    pump();
    if (g.input.chars.empty()) return 0;
    int c = g.input.chars.front();
    g.input.chars.pop_front();
    return c;
}

void flushkeys() {
    pump();
    for (int& k : g.input.keyhits) k = 0;
    g.input.chars.clear();
}

int mousex() {
    pump();
    return g.input.mx;
}
int mousey() {
    pump();
    return g.input.my;
}

int mousehit(int button) {
    pump();
    if (!validbutton(button)) return 0;
    int n = g.input.mousehits[button];
    g.input.mousehits[button] = 0;
    return n;
}

bool mousedown(int button) {
    pump();
    return validbutton(button) && g.input.mousedown[button];
}

bool appterminate() {
    pump();
    if (g.input.closerequests == 0) return false;
    g.input.closerequests = 0;
    return true;
}

std::vector<int> appevents() {
    pump();
    std::vector<int> out;
    out.swap(g.input.appevents);
    return out;
}

namespace ctl {

void pointer(int wx, int wy) {
    g.input.mx = wx;
    g.input.my = wy;
}

void button(int b, bool down) {
    if (!validbutton(b)) return;
    if (down && !g.input.mousedown[b]) g.input.mousehits[b]++;
    g.input.mousedown[b] = down;
}

void click(int b) {
    button(b, true);
    button(b, false);
}

void key(int vk, bool down) {
    if (!validkey(vk)) return;
    if (down) {
        g.input.keyhits[vk]++;
        if (vk == KEY_BACKSPACE || vk == KEY_ENTER) g.input.chars.push_back(vk);
    }
    g.input.keydown[vk] = down;
}

void presskey(int vk) {
    key(vk, true);
    key(vk, false);
}

void text(int codepoint) {
    if (codepoint > 0) g.input.chars.push_back(codepoint);
}

void closerequest() { g.input.closerequests++; }

void suspend(bool suspended) { g.input.appevents.push_back(suspended ? 1 : 2); }

}  // namespace ctl
}  // namespace pf
