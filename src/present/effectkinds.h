// Effect kinds: the number addeff takes decides image, motion and lifetime.
// A kind range is FIRST..LAST; a kind with a parameter is BASE + n.
#pragma once

enum EffectKind {
    EFF_FREE = 0,
    EFF_GLOW = 1,               // glow particles 1..99 (colour = kind, above 9 colour 1)
    EFF_GLOW_LAST = 99,
    EFF_FALLGLOW = 100,         // falling glow 100 + colour, up to 149
    EFF_FALLGLOW_LAST = 149,
    EFF_FALLGLOWSMALL = 150,    // small falling glow 150 + colour, up to 199
    EFF_FALLGLOWSMALL_LAST = 199,
    EFF_AGEDSTART_LAST = 199,   // kinds up to here start part-way through their life
    EFF_GLOWAT = 578,           // a glow drawn where it stands
    EFF_SLEEPMARK = 579,
    EFF_STONEPART = 580,        // stone-boss fragments 580 + 1..8
    EFF_STONEPART_FIRST = 581,
    EFF_STONEPART_LAST = 588,
    EFF_MUSICNOTE = 598,
    EFF_OILSPLAT = 599,
    EFF_SPONGEHELPER = 600,     // sponge helper at card slot 600 + k
    EFF_SPONGEHELPER_LAST = 699,
    EFF_SWORDHELPER = 700,      // swordfish helper at card slot 700 + k
    EFF_SWORDHELPER_LAST = 799,
    EFF_PLANTPART = 826,
    EFF_TASKHOOK = 827,
    EFF_POINTSSTAR = 828,
    EFF_COLOURSTAR = 840,       // coloured star 840 + colour 0..8
    EFF_COLOURSTAR_LAST = 848,
    EFF_SHELL = 880,
    EFF_LAMPLIGHT = 894,
    EFF_QUESTION = 896,
    EFF_STABLEGLOW = 897,
    EFF_CARDPART = 898,
    EFF_STAR = 993,
    EFF_SPARKLE = 996,
    EFF_BLUESPARKLE = 997,
    EFF_GLOWSTAR = 4000,        // 4000..4099
    EFF_GLOWSTAR_LAST = 4099,
    EFF_CARDFLASH = 8000,       // card face 8000 + card number, up to 8059
    EFF_CARDFLASH_LAST = 8059,
    EFF_CARDBACKFLASH = 8060,
    EFF_BUBBLE = 21000,         // a rising bubble
    EFF_COLOURBUBBLE = 21000,   // coloured bubble 21000 + colour 1..99
    EFF_COLOURBUBBLE_LAST = 21099,
    EFF_BIGBUBBLE = 21200,
};
