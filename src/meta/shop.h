// The shop: item prices and pictures (the card game's stable offer and the
// HUD's active items read them).
#pragma once

#include "meta/itemids.h"
#include "present/resources.h"

int shopfullprice(int item);  // 0 for items without a price
Img shopitemimage(int item);  // picture of an item, null when none
