// The two hints the adventure map shows on its own: the first visit after the
// first levels (601) and the first casino (603).
#pragma once

void popupmaphint();    // 601
void popupcasinohint(); // 603
