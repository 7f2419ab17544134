#include "meta/shop.h"

int shopfullprice(int item) { return item == ITEM_NEWSTABLE ? 400 : 0; }

Img shopitemimage(int) { return nullptr; }
