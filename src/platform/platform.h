// The one door between the game and the machine. Every window, drawing,
// audio, input, timer, file and log service the game uses is declared here;
// nothing outside src/platform includes an SDL header.
//
// Two backends implement it: the SDL2 one (window, renderer, mixer) and a
// headless one that records draw calls and plays scripted input, for tests
// and tools. The game picks one with pf::init before anything else. The
// controls that only tests and tools use are in platform/control.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/codes.h"

namespace pf {

struct Image;   // opaque; null means "no image" and every service accepts it
struct Sound;   // opaque; null means "no sound"
struct Stream;  // opaque file stream; null means "not open"

// A channel handle carries a generation, so a handle to a stopped or
// finished sound never controls a sound started later on the same mixer
// channel. 0 is "no channel".
using Channel = std::int64_t;

enum class Backend { sdl, headless };

// ---- lifetime --------------------------------------------------------------
bool init(Backend b);  // video stays closed until opengraphics
void shutdown();
Backend backend();
// Gives the heap's freed memory back to the system (a screen change calls it).
void trimheap();

// ---- display and frame -----------------------------------------------------
// depth 0 opens a window of width x height that the player may resize and
// maximise; any other depth opens full screen: a borderless window over the
// whole desktop (the monitor's mode is never switched), in which the logical
// canvas is scaled and letterboxed. An open window is reused, so images keep
// their textures and the window its place.
bool opengraphics(int width, int height, int depth, int hertz, int flags);
// A full-screen mode exists when it fits the desktop (depth and refresh do
// not matter: the desktop's own are used); a window when it fits too.
bool gfxmodeexists(int width, int height, int depth, int hertz);
void desktopsize(int& w, int& h);
void windowsize(int& w, int& h);  // size of the window's client area now, in pointer units
// Height the window manager adds around a window (title bar and frame); 0
// when it is not known.
int windowframeheight();
void setvirtualres(int width, int height);
void virtualres(int& w, int& h);
void clearscreen();
bool flipscreen(int sync);  // false: presenting failed (the loop quits)
void setwindowtitle(const std::string& title);
void setwindowicon(const std::string& path);
void minimisewindow();
// Window pixel -> logical pixel through the real letterboxed transform.
void windowtological(int wx, int wy, int& lx, int& ly);

// ---- draw state and drawing -----------------------------------------------
void setcolour(int r, int g, int b);  // clamped to 0..255
void getcolour(int& r, int& g, int& b);
void setalpha(float a);
float getalpha();
void setblend(int mode);  // 1 mask, 2 solid, 3 alpha, 4 light (additive), 5 shade
int getblend();
void setrotation(float degrees);
float getrotation();
void setscale(float sx, float sy);
void getscale(float& sx, float& sy);
void setviewport(int x, int y, int w, int h);

Image* loadimage(const std::string& path, int flags);
Image* loadanimimage(const std::string& path, int cellw, int cellh, int first, int count, int flags);
void freeimage(Image* img);
void automidhandle(bool on);
void midhandleimage(Image* img);
void setimagehandle(Image* img, int x, int y);
void imagehandle(const Image* img, int& x, int& y);
int imagewidth(const Image* img);   // one cell
int imageheight(const Image* img);
int imageframes(const Image* img);
// How many pixels in from every edge a one-frame picture is solid (alpha 255
// throughout), so that whatever it is drawn over there is hidden; -1 when it
// has no solid middle or several frames.
int imagesolidinset(const Image* img);
void drawimage(Image* img, float x, float y, int frame);
// A screen keeps the textures only of the pictures it shows: from
// markpicturesinuse on, every picture drawn or loaded counts as in use, and
// releaseunusedpictures gives back the textures of the file pictures that
// have not; such a picture is decoded from its file again when next drawn.
void markpicturesinuse();
void releaseunusedpictures();
// Exempts a picture from that: the font sheets, which any screen may need at
// once and which are slow to decode (the largest takes tens of milliseconds).
void keepimage(Image* img);
bool imagescollide(Image* img1, int x1, int y1, int frame1, Image* img2, int x2, int y2, int frame2);

// ---- time, random, maths ---------------------------------------------------
int createtimer(int hertz);
void waittimer(int timer);
int timerticks(int timer);
int millisecs();
int rand(int a, int b);  // inclusive, either order
void seedrnd(int seed);
double sindeg(double deg);
double cosdeg(double deg);

// ---- input -----------------------------------------------------------------
// Virtual key codes: 8 Backspace, 13 Enter, 27 Escape, 32 Space, 112..123 F1..F12,
// 37..40 arrows, 46 Delete, 48..57 digits, 65..90 letters. Alt+Enter, the
// desktop's full-screen shortcut, arrives as F11 (122) and never as Enter.
int keyhit(int vk);
bool keydown(int vk);
int getchar();  // next typed character (code point), 0 if none
void flushkeys();
int mousex();  // window pixels
int mousey();
int mousehit(int button);  // 1 left, 2 right
bool mousedown(int button);
void movemouse(int x, int y);  // logical pixels; the backend maps to the window
void showmouse();
void hidemouse();
bool appterminate();  // close request since the last call (and resets)
// True once SIGTERM or SIGINT arrived (the handler only sets this flag).
bool quitsignalled();
// Drains the event queue; returns the application events seen, in order:
// 1 = lost the foreground (suspended), 2 = regained it (resumed).
std::vector<int> appevents();
void logline(const std::string& text);
void openurl(const std::string& url);
// Logs the text and shows it in a window of the desktop's own (SDL backend),
// readable without any of the game's pictures or fonts.
void showmessage(const std::string& title, const std::string& text);
// What the game saves when it must end at once (the display went away).
void setemergencysave(void (*save)());

// ---- audio -----------------------------------------------------------------
bool audioavailable();
// flags 1 = loops; SOUND_STREAM = played from its file as it goes (music:
// one such sound plays at a time, and starting another ends the first)
constexpr int SOUND_STREAM = 2;
Sound* loadsound(const std::string& path, int flags);
void freesound(Sound* s);
Channel playsound(Sound* s);
Channel cuesound(Sound* s);
Channel allocchannel();
void stopchannel(Channel c);
void pausechannel(Channel c);
void resumechannel(Channel c);
bool channelplaying(Channel c);
void setchannelvolume(Channel c, float v);  // 0..1
void setchannelpan(Channel c, float p);     // -1 left .. 1 right

// ---- files -----------------------------------------------------------------
// Game paths use "\" and "/" freely; runs of separators count as one and names
// resolve case-insensitively. Relative paths starting with "data" resolve
// against the data root; other relative paths against the working folder.
std::string resolvepath(const std::string& path);
void setdataroot(const std::string& dir);  // folder that holds "data"
std::string dataroot();
Stream* readfile(const std::string& path);
Stream* writefile(const std::string& path);
// Crash-safe write: bytes go to a temporary file beside the target; closefile
// flushes it to disk and renames it over the target. Any failure leaves the
// old file untouched, and closefile returns false.
Stream* writefilesafe(const std::string& path);
bool closefile(Stream* s);
std::string readline(Stream* s);
void writeline(Stream* s, const std::string& text);
int readint(Stream* s);
void writeint(Stream* s, int v);
std::string readstring(Stream* s, int n);
void writestring(Stream* s, const std::string& text);
bool endoffile(Stream* s);
int filetype(const std::string& path);  // 0 missing, 1 file, 2 directory
bool createdir(const std::string& path, bool recurse);
bool deletefile(const std::string& path);
long filesize(const std::string& path);  // -1 when missing
std::vector<std::string> listfolder(const std::string& path);  // names, no "." or ".."
bool folderwritable(const std::string& path);  // an existing folder we may create files in

// ---- system ----------------------------------------------------------------
// The roaming application-data folder with a trailing "/", or "" when it
// cannot be resolved ($XDG_DATA_HOME, else ~/.local/share).
std::string appdatafolder();
// Where the per-user folder may live, best first: $XDG_DATA_HOME,
// $HOME/.local/share, the account's home/.local/share, a folder of this user
// under $TMPDIR or /tmp. Each ends in "/".
std::vector<std::string> appdatafolders();
// Holds a system-wide named lock for the life of the process; false when
// another process holds it already.
bool singleinstance(const std::string& name);

}  // namespace pf
