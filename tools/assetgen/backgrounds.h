// The scene painter of the backgrounds, for pictures that want one of the
// game's places behind them (title cards, previews).
#pragma once

#include <cairo.h>

// Paints background `id` (as in bg<id>.jpg) over 0..1366 x 0..768 of the
// context; `game` selects the calmer card-game variant (bg<id>g.jpg).
void paintbackground(cairo_t* cr, int id, bool game);
