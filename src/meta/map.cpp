// Until the adventure map lands, starting a level simply goes to the map.
#include "meta/map.h"

#include "core/loop.h"

void startlevel(int) { gotoscreen(13, 0); }
