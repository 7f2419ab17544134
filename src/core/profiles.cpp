// Placeholder until the profile files land: profiles live in memory only.
#include "core/profiles.h"
Players players;
std::string playerfile(int p) { return "players" + std::to_string(p) + ".ppp"; }
void loadplayers(int) {}
bool saveplayer(int) { return true; }
void resetplayer(int p) { if (p >= 1 && p <= MAXPLAYERS) players.p[p] = Profile{}; }
void restartplayer(int) {}
void resetplayers() { players.aktplayer = -1; for (auto& p : players.p) p = Profile{}; }
