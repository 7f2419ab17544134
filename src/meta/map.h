// The adventure map (screen 13).
#pragma once

// Starts a level: a story first when the level has one, else the card game.
void startlevel(int level);
