// The bosses of levels 16, 17 (the blowfish), 32..34 (the stone and the
// friend who breaks it), 52..54 (the anglerfish chased by a friend) and
// 72..74 (the robber crab with its prisoners). Each boss reacts once to every
// new hit; the damage it has reacted to is kept beside the damage done, so a
// resumed level starts with the marks of the old hits and no replay of them.
#include "cards/boss.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "cards/gamescreen.h"
#include "core/globals.h"
#include "core/profiles.h"
#include "menus/popups.h"
#include "platform/codes.h"
#include "platform/platform.h"
#include "present/effectkinds.h"
#include "present/effects.h"
#include "present/sound.h"
#include "present/soundids.h"
#include "story/story.h"

Boss boss;
BossImages bossimg;

// ---- tables ------------------------------------------------------------------------

int bossgroup(int level) {
    if (level == 16 || level == 17) return BOSS_BLOWFISH;
    if (level >= 32 && level <= 34) return BOSS_STONE;
    if (level >= 52 && level <= 54) return BOSS_ANGLER;
    if (level >= 72 && level <= 74) return BOSS_CRAB;
    return BOSS_NONE;
}

bool bosswinwaits(int level) {
    int g = bossgroup(level);
    return g != BOSS_NONE && g != BOSS_CRAB;
}

int blowfishsizefor(int damage) { return 1000 - 250 * std::clamp(damage, 0, 4); }

int stonestagefor(int level, int damage) {
    if (level == 32) return damage == 0 ? 1 : damage <= 2 ? 2 : 3;
    if (level == 33) return damage <= 2 ? 4 : 5;
    if (level == 34) return damage <= 3 ? 5 : 0;
    return 0;
}

namespace {

// ---- where things are ----------------------------------------------------------------
// Picture geometry (tools/assetgen/cast.h draws the pictures to match).

// Blowfish: its path is drawn this far higher up, so that the fish floats in
// the open water above the table whatever its size.
constexpr float BLOWLIFT = 400;
constexpr float BLOWEYEX = 62, BLOWEYEY = -32;  // the eye picture on the fish
struct Place {
    float dx, dy, angle;
};
// the three plasters; the fourth mark is the eye picture
constexpr Place PLASTER[4] = {{0, 0, 0}, {-8, -88, -18}, {78, 30, 28}, {-62, 22, 62}};

// Stone: it stands with its foot on (240, 430); the picture's centre is
// STONELIFT above the foot, and the fragments fly from that centre.
constexpr float STONEX = 240, STONEFOOT = 430, STONELIFT = 176;
constexpr float STONEREACH = STONEX + 170;  // where the running character meets the stone
constexpr float STONEWAITX = 740, FIGHTY = 196, FIGHTSCALE = 0.5f;

// The anglerfish hovers at the upper right, facing left towards its chaser.
constexpr float ANGLERDX = 250, ANGLERY = 168, ANGLERSCALE = 0.8f;
constexpr float BULBDX = 118, BULBDY = -96;  // the lure's bulb on the picture (facing right)

// The crab stands behind the table with its feet on (midx + 240, 340).
constexpr float CRABDX = 240, CRABFOOT = 340, CRABLIFT = 112;
// The prisoners wait beside it, each in its chain.
constexpr Place PRISONER[3] = {{0, 0, 0}, {-60, 168, 0}, {-190, 184, 0}};
constexpr Place CHAINAT[3] = {{0, 0, 0}, {-50, 70, 0}, {30, 104, 0}};
constexpr float PRISONERSCALE = 0.8f;

// Friends who fight, by level: 32 clownfish, 33 swordfish, 34 shark;
// 52 sponge, 53 octopus, 54 crab.
int fighter(int level) {
    switch (level) {
        case 32: return 1;
        case 33: return 4;
        case 34: return 2;
        case 52: return 3;
        case 53: return 6;
        case 54: return 5;
        default: return 0;
    }
}
int strikesound(int level) { return level == 32 ? SND_CLOWNYFIGHT : level == 33 ? SND_SCHWERTIFIGHT : SND_SHARKYFIGHT; }

// Character poses of the resident set.
constexpr int POSE_HAPPY = 1, POSE_ANGRY = 5, POSE_LAUGH = 6, POSE_FIGHT = 8;

float sinf_(double deg) { return (float)pf::sindeg(deg); }

void drawat(Img img, float x, float y, float rot, float sx, float sy, int blend, float alpha) {
    setdraw(rot, sx, sy, blend, alpha);
    drawimg(img, x, y);
}

// A friend of the resident character set, facing left when `left`.
void drawfighter(int k, int pose, float x, float y, bool left) {
    if (k < 1 || k > MAXCHARACTERS || pose < 0 || pose > MAXPOSES) return;
    float s = FIGHTSCALE;
    drawat(storycharacterimg(k, pose), x, y, 0, left ? -s : s, s, BLEND_ALPHA, 1);
}

bool running() { return pop.popup == 0 && core.gamepause != 1; }

// ---- blowfish ----------------------------------------------------------------------

// The fish's middle on screen and its scale this tick.
void blowfishplace(float& cx, float& cy, float& sc) {
    int size = boss.level == 17 ? boss.size : 1000;
    float ax = (float)disp.midx + 20, ay = 470 + 0.1f * size;
    sc = std::min(1.0f, 0.001f * size);
    cx = ax;
    cy = ay - BLOWLIFT + 6 * sc * sinf_(2.0 * core.framecount);
}

void blowfishhit() {
    float cx, cy, sc;
    blowfishplace(cx, cy, sc);
    boss.react = 40;
    if (boss.level == 16) {
        PlayS(SND_BOSSHIT, (int)cx);
        // the stars fly from the mark the hit leaves
        int d = boss.damageshown;
        float x = cx, y = cy;
        if (d == 1) {
            x += BLOWEYEX;
            y += BLOWEYEY;
        } else if (d >= 2 && d <= 4) {
            x += PLASTER[d - 1].dx;
            y += PLASTER[d - 1].dy;
        }
        effstars(x, y, 4);
    } else {
        PlayS(SND_BOSSHIT, (int)cx);
        PlayS(SND_BLOWDOWN, (int)cx);
        // air escapes from its mouth
        effcolourburst(cx + 100 * sc, cy + 20 * sc, 8, 1);
    }
}

void blowfishtick() {
    if (boss.level == 17) {
        // deflating, by a share of the distance; the last pixels at one a tick
        int target = blowfishsizefor(boss.damageshown);
        int diff = target - boss.size;
        int step = (int)(0.02 * diff);
        if (step == 0 && diff != 0) step = diff > 0 ? 1 : -1;
        boss.size += step;
        float cx, cy, sc;
        blowfishplace(cx, cy, sc);
        if (boss.size < 250 && !boss.sizesound) {
            boss.sizesound = 1;
            PlayS(SND_KILLEDBOSS, (int)cx);
        }
        if (boss.size < 5 && !boss.sizesparkle) {
            boss.sizesparkle = 1;
            effburst(cx, cy, 10, 0);
        }
        return;
    }
    // level 16 blinks while it is unhurt
    if (boss.blink > 0) boss.blink--;
    if (akt().bossdamage == 0 && boss.blink == 0 && boss.tick - boss.blinkbegan >= 100 && pf::rand(1, 250) == 1) {
        boss.blink = 10;
        boss.blinkbegan = boss.tick;
    }
}

void blowfishdraw() {
    float cx, cy, sc;
    blowfishplace(cx, cy, sc);
    if (sc <= 0.004f) return;
    // a hit squashes the fish and lets it spring back
    float w = boss.react > 0 ? 0.12f * boss.react / 40.0f * sinf_(boss.react * 27.0) : 0;
    float sx = sc * (1 + w), sy = sc * (1 - w);
    drawat(bossimg.shadow, cx + 8 * sc, cy + 20 * sc, 0, sx, sy, BLEND_ALPHA, 0.8f);
    drawat(bossimg.blowfish, cx, cy, 0, sx, sy, BLEND_ALPHA, 1);
    int marks = boss.level == 17 ? 4 : boss.damageshown;
    int eye = marks >= 1 ? 2 : boss.blink > 0 ? 1 : 0;
    if (eye) drawat(bossimg.blowfisheye[eye], cx + BLOWEYEX * sx, cy + BLOWEYEY * sy, 0, sx, sy, BLEND_ALPHA, 1);
    for (int k = 1; k <= 3 && k <= marks - 1; k++)
        drawat(bossimg.plaster, cx + PLASTER[k].dx * sx, cy + PLASTER[k].dy * sy, PLASTER[k].angle, sc, sc, BLEND_ALPHA, 1);
}

// ---- stone ---------------------------------------------------------------------------

void stonehit() {
    if (boss.stage == 0) {
        boss.phase = 4;  // nothing left to break: the friend cheers
        boss.phasetick = 0;
        effburst(boss.charx, boss.chary, 6, 0);
        return;
    }
    boss.phase = 1;
    boss.phasetick = 0;
    boss.charv = 1;
}

void stonestrike() {
    int level = boss.level;
    PlayS(strikesound(level), (int)boss.charx);
    boss.stage = stonestagefor(level, boss.damageshown);
    boss.shake = 30;
    float cy = STONEFOOT - STONELIFT;
    for (int n = 1; n <= 8; n++) addeff(STONEX, cy, EFF_STONEPART + n, 0, 0);
    PlayS(level == 34 ? SND_STONEBREAK : SND_STONECRACK, (int)STONEX);
    effburst(boss.charx - 50, boss.chary, boss.stage == 0 ? 20 : 6, 0);
}

void stonetick() {
    if (!boss.placed) {
        if (gs.leveltick < 2) return;
        boss.placed = 1;
        boss.stage = stonestagefor(boss.level, akt().bossdamage);
        boss.charx = STONEWAITX;
        boss.chary = FIGHTY;
    }
    if (boss.shake > 0) boss.shake--;
    boss.phasetick++;
    switch (boss.phase) {
        case 1:  // running in, faster and faster, bubbles behind
            boss.charv = std::min(18.0f, boss.charv + 0.5f);
            boss.charx -= boss.charv;
            if (boss.phasetick % 2 == 0) addeff(boss.charx + 45, boss.chary + (float)pf::rand(-12, 12), EFF_BUBBLE, 0, 0);
            if (boss.charx <= STONEREACH) {
                boss.charx = STONEREACH;
                stonestrike();
                boss.phase = 2;
                boss.phasetick = 0;
            }
            break;
        case 2:  // the blow, and a bounce back from the stone
            boss.charx += 2;
            if (boss.phasetick >= 24) {
                boss.phase = 3;
                boss.phasetick = 0;
            }
            break;
        case 3:  // swimming back to its place
            boss.charx += 3;
            if (boss.charx >= STONEWAITX) {
                boss.charx = STONEWAITX;
                boss.phase = 0;
            }
            break;
        case 4:  // cheering where it is
            if (boss.phasetick >= 60) boss.phase = 0;
            break;
        default: break;
    }
}

void stonedraw() {
    if (!boss.placed) return;
    float shx = boss.shake > 0 ? sinf_(boss.shake * 80.0) * boss.shake * 0.25f : 0;
    if (boss.stage >= 1 && boss.stage <= 6) drawat(bossimg.stone[boss.stage], STONEX + shx, STONEFOOT - STONELIFT, 0, 1, 1, BLEND_ALPHA, 1);
    int k = fighter(boss.level);
    float bob = 5 * sinf_(2.0 * core.framecount + 90 * k);
    switch (boss.phase) {
        case 1: drawfighter(k, POSE_FIGHT, boss.charx, boss.chary, true); break;
        case 2: drawfighter(k, POSE_FIGHT, boss.charx, boss.chary + bob, true); break;
        case 3: drawfighter(k, POSE_HAPPY, boss.charx, boss.chary + bob, false); break;
        case 4: {
            float jump = 30 * std::fabs(sinf_(boss.phasetick * 6.0));
            drawfighter(k, POSE_LAUGH, boss.charx, boss.chary - jump, true);
            break;
        }
        default: drawfighter(k, boss.stage == 0 ? POSE_HAPPY : POSE_ANGRY, boss.charx, boss.chary + bob, true); break;
    }
}

// ---- the fish with the light -------------------------------------------------------------

float anglerx() { return (float)disp.midx + ANGLERDX; }
// the friend's path to and fro in front of the fish
float pathx() { return (float)disp.midx - 170 + 140 * sinf_(0.9 * boss.tick); }

void anglerhit() {
    boss.phase = 1;
    boss.phasetick = 0;
    boss.charv = 2;
}

void anglercontact() {
    int level = boss.level;
    int x = (int)boss.charx;
    PlayS(SND_ELECTRIC, x);
    PlayS(SND_BOSSHIT, x);
    if (level == 52) PlayS(SND_FISHDOWN, x);
    if (level == 54 && boss.damageshown > 2 && !boss.beaten) {
        boss.beaten = 1;
        PlayS(SND_KILLEDBOSS, x);
    }
    effburst(boss.charx + 40, boss.chary, 10, 0);
    boss.shake = 25;
    boss.flicker = 16;
}

void anglertick() {
    if (boss.shake > 0) boss.shake--;
    boss.phasetick++;
    float reach = anglerx() - 130;
    switch (boss.phase) {
        case 1:  // the charge
            boss.charv = std::min(16.0f, boss.charv + 0.8f);
            boss.charx += boss.charv;
            boss.chary += (ANGLERY + 24 - boss.chary) * 0.15f;
            if (boss.phasetick % 2 == 0) addeff(boss.charx - 45, boss.chary + (float)pf::rand(-12, 12), EFF_BUBBLE, 0, 0);
            if (boss.charx >= reach) {
                boss.charx = reach;
                anglercontact();
                boss.phase = 2;
                boss.phasetick = 0;
            }
            break;
        case 2:  // bounced off
            boss.charx -= 3;
            if (boss.phasetick >= 20) {
                boss.phase = 3;
                boss.phasetick = 0;
            }
            break;
        case 3:  // back onto its path
            boss.charx += (pathx() - boss.charx) * 0.08f;
            boss.chary += (FIGHTY - boss.chary) * 0.08f;
            if (boss.phasetick >= 50) boss.phase = 0;
            break;
        default:
            boss.charx = pathx();
            boss.chary = FIGHTY;
            break;
    }
    // the lure flickers now and then, hard after a hit
    if (boss.flicker > 0) {
        boss.flicker--;
        boss.light = (boss.flicker / 2) % 2 ? 2 : 1;
    } else {
        boss.light = 1;
        if (pf::rand(1, 60) == 1) boss.flicker = pf::rand(2, 8);
    }
    if (boss.beaten) boss.lightalpha = std::max(0.15f, boss.lightalpha - 0.01f);
}

void anglerdraw() {
    float fx = anglerx(), fy = ANGLERY + 6 * sinf_(1.5 * core.framecount);
    float rot = 0;
    if (boss.beaten) {
        fy += 24 * (1 - boss.lightalpha);  // sinking a little, tired
        rot = -8 * (1 - boss.lightalpha);
    }
    if (boss.shake > 0) fx += sinf_(boss.shake * 70.0) * boss.shake * 0.3f;
    drawat(bossimg.fish, fx, fy, rot, -ANGLERSCALE, ANGLERSCALE, BLEND_ALPHA, 1);
    float bx = fx - BULBDX * ANGLERSCALE, by = fy + BULBDY * ANGLERSCALE;
    drawat(bossimg.fishlight[boss.light == 2 ? 2 : 1], bx, by, 0, 1, 1, BLEND_LIGHT, boss.lightalpha);
    int k = fighter(boss.level);
    float bob = 5 * sinf_(2.0 * core.framecount + 90 * k);
    switch (boss.phase) {
        case 1: drawfighter(k, POSE_FIGHT, boss.charx, boss.chary, false); break;
        case 2: drawfighter(k, POSE_LAUGH, boss.charx, boss.chary + bob, false); break;
        default: {
            // facing the way it swims
            bool left = pf::sindeg(0.9 * boss.tick + 90) < 0;
            if (boss.phase == 3) left = false;
            drawfighter(k, POSE_ANGRY, boss.charx, boss.chary + bob, left);
            break;
        }
    }
}

// ---- crab -------------------------------------------------------------------------------

void crabhit() {
    PlayS(SND_HIT, disp.midx);
    PlayS(SND_DOG3, disp.midx);
    effburst((float)disp.midx + CRABDX, CRABFOOT - CRABLIFT, 10, 0);
    if (boss.damageshown > 4) {
        if (!boss.beaten) PlayS(SND_KILLEDBOSS, disp.midx);
        boss.beaten = 1;
        boss.react = 0;
    } else {
        boss.react = 40;
    }
}

void crabtick() {
    if (boss.beaten) boss.crabalpha = std::max(0.0f, boss.crabalpha - 0.02f);
    // sound 45 in the middle of the pulse
    if (boss.react == 20) PlayS(SND_DOG2, disp.midx);
}

void crabdraw() {
    float cx = (float)disp.midx, h = (float)disp.gfxheight;
    // the ink cloud breathes at the bottom
    float breathe = sinf_(3.0 * core.framecount);
    drawat(bossimg.crabink, cx, h - 150, 0, 1 + 0.05f * breathe, 1 + 0.08f * breathe, BLEND_ALPHA, 0.75f + 0.15f * breathe);
    // prisoners still held on this level: 72 both, 73 the second, 74 none
    for (int k = 1; k <= 2; k++) {
        bool held = boss.level == 72 || (boss.level == 73 && k == 2);
        if (!held) continue;
        float px = cx + PRISONER[k].dx, py = PRISONER[k].dy + 4 * sinf_(2.0 * core.framecount + 120 * k);
        drawat(bossimg.prisoner[k], px, py, 0, PRISONERSCALE, PRISONERSCALE, BLEND_ALPHA, 1);
        drawat(bossimg.chain[k], px + CHAINAT[k].dx * PRISONERSCALE, py + CHAINAT[k].dy * PRISONERSCALE, 0, PRISONERSCALE,
               PRISONERSCALE, BLEND_ALPHA, 1);
    }
    if (boss.crabalpha <= 0) return;
    float pulse = boss.react > 0 ? 0.15f * sinf_((40 - boss.react) * 4.5) : 0;
    float rot = 2 * sinf_(1.5 * core.framecount);
    float y = CRABFOOT - CRABLIFT + 3 * sinf_(3.0 * core.framecount);
    drawat(bossimg.robber, cx + CRABDX, y, rot, 1 + pulse, 1 + pulse, BLEND_ALPHA, boss.crabalpha);
}

}  // namespace

// ---- pictures ------------------------------------------------------------------------------

void loadbossstuff_dynamic(int level) {
    deletebossstuff_dynamic();
    pf::automidhandle(true);
    auto n = [](int k) { return std::to_string(k); };
    switch (bossgroup(level)) {
        case BOSS_BLOWFISH:
            pf::logline("load blowfish stuff for game");
            bossimg.shadow = loadimg("data\\story\\4and5\\shadow.png");
            bossimg.blowfish = loadimg("data\\story\\4and5\\blowfish.png");
            bossimg.blowfisheye[1] = loadimg("data\\story\\4and5\\blowfisheye1.png");
            bossimg.blowfisheye[2] = loadimg("data\\story\\4and5\\blowfisheye2.png");
            bossimg.plaster = loadimg("data\\story\\4and5\\plaster.png");
            break;
        case BOSS_STONE:
            pf::logline("load stone stuff for game");
            for (int k = 1; k <= 6; k++) bossimg.stone[k] = loadimg("data\\story\\8and9and10\\stone" + n(k) + ".png");
            for (int k = 1; k <= 8; k++)
                bossimg.stonepart[k] = loadimg("data\\story\\8and9and10\\stonepart" + n(k) + ".png");
            break;
        case BOSS_ANGLER:
            bossimg.fish = loadimg("data\\story\\12and13and14\\fish.png");
            bossimg.fishlight[1] = loadimg("data\\story\\12and13and14\\fishlight1.png");
            bossimg.fishlight[2] = loadimg("data\\story\\12and13and14\\fishlight2.png");
            break;
        case BOSS_CRAB:
            bossimg.crabink = loadimg("data\\story\\18and19and20\\crabink.png");
            bossimg.robber = loadimg("data\\story\\18and19and20\\robber.png");
            bossimg.prisoner[1] = loadimg("data\\story\\18and19and20\\pir1.png");
            bossimg.prisoner[2] = loadimg("data\\story\\18and19and20\\pir2.png");
            for (int k = 1; k <= 3; k++) bossimg.chain[k] = loadimg("data\\story\\18and19and20\\chain" + n(k) + ".png");
            break;
        default: break;
    }
}

void deletebossstuff_dynamic() {
    for (Img* i : {&bossimg.shadow, &bossimg.blowfish, &bossimg.plaster, &bossimg.fish, &bossimg.crabink, &bossimg.robber})
        freeimg(*i);
    for (Img& i : bossimg.blowfisheye) freeimg(i);
    for (Img& i : bossimg.stone) freeimg(i);
    for (Img& i : bossimg.stonepart) freeimg(i);
    for (Img& i : bossimg.fishlight) freeimg(i);
    for (Img& i : bossimg.prisoner) freeimg(i);
    for (Img& i : bossimg.chain) freeimg(i);
}

Img bossstonepart(int n) { return n >= 1 && n <= 8 ? bossimg.stonepart[n] : nullptr; }

// ---- the level ---------------------------------------------------------------------------------

void startboss(int level, int resumed, int damage) {
    int taskvalue = resumed ? boss.taskvalue : 0;
    boss = Boss{};
    boss.taskvalue = taskvalue;
    boss.level = level;
    boss.group = bossgroup(level);
    boss.damageshown = resumed ? std::max(0, damage) : 0;
    int d = boss.damageshown;
    // what the old hits have done is simply there
    boss.size = blowfishsizefor(d);
    boss.sizesound = boss.size < 250;
    boss.sizesparkle = boss.size < 5;
    boss.beaten = (boss.group == BOSS_ANGLER && level == 54 && d > 2) || (boss.group == BOSS_CRAB && d > 4);
    boss.lightalpha = boss.beaten ? 0.15f : 1;
    boss.crabalpha = boss.group == BOSS_CRAB && boss.beaten ? 0 : 1;
    boss.charx = pathx();
    boss.chary = FIGHTY;
}

void drawboss() {
    if (boss.group == BOSS_NONE || bossgroup(core.aktlevel) != boss.group || !haveplayer()) return;
    if (running()) {
        boss.tick++;
        if (boss.react > 0) boss.react--;
        // a reaction starts once the boss is ready for one; several hits at
        // once are one reaction
        bool ready = boss.group == BOSS_STONE ? boss.placed && (boss.phase == 0 || boss.phase >= 3)
                     : boss.group == BOSS_ANGLER ? boss.phase == 0 || boss.phase == 3
                                                 : true;
        int damage = akt().bossdamage;
        if (ready && damage > boss.damageshown) {
            boss.damageshown = damage;
            switch (boss.group) {
                case BOSS_BLOWFISH: blowfishhit(); break;
                case BOSS_STONE: stonehit(); break;
                case BOSS_ANGLER: anglerhit(); break;
                case BOSS_CRAB: crabhit(); break;
                default: break;
            }
        }
        switch (boss.group) {
            case BOSS_BLOWFISH: blowfishtick(); break;
            case BOSS_STONE: stonetick(); break;
            case BOSS_ANGLER: anglertick(); break;
            case BOSS_CRAB: crabtick(); break;
            default: break;
        }
    }
    float a = pf::getalpha();
    switch (boss.group) {
        case BOSS_BLOWFISH: blowfishdraw(); break;
        case BOSS_STONE: stonedraw(); break;
        case BOSS_ANGLER: anglerdraw(); break;
        case BOSS_CRAB: crabdraw(); break;
        default: break;
    }
    setdraw(0, 1, 1, BLEND_ALPHA, a);
}

void resetboss() {
    deletebossstuff_dynamic();
    boss = Boss{};
    bossimg = BossImages{};
}
