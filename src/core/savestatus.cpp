#include "core/savestatus.h"

#include "platform/platform.h"

SaveStatus savestatus;

void reportsavefailure(const std::string& logtext) {
    pf::logline(logtext);
    if (savestatus.failing == 0 && savestatus.told == 0) {
        pf::logline("progress cannot be saved: telling the player");
        savestatus.notice = NOTICE_CANNOTSAVE;
        savestatus.noticetick = 0;
        savestatus.told = 1;
    }
    savestatus.failing = 1;
}

void reportsavesuccess() {
    if (savestatus.failing) pf::logline("saving works again");
    savestatus.failing = 0;
    savestatus.told = 0;
}

void reportprofiledamage() {
    savestatus.damaged++;
    // The cannot-save notice matters more; it is not pushed aside.
    if (savestatus.notice != NOTICE_CANNOTSAVE) {
        savestatus.notice = NOTICE_RECREATED;
        savestatus.noticetick = 0;
    }
}

void resetsavestatus() { savestatus = SaveStatus{}; }
