// Blend modes and virtual key codes of the platform services.
#pragma once

enum BlendMode {
    BLEND_MASK = 1,   // on/off transparency
    BLEND_SOLID = 2,  // no blending
    BLEND_ALPHA = 3,  // source alpha (the default)
    BLEND_LIGHT = 4,  // additive: source x alpha added to the destination
    BLEND_SHADE = 5,  // multiply
};

enum KeyCode {
    KEY_BACKSPACE = 8,
    KEY_ENTER = 13,
    KEY_ESCAPE = 27,
    KEY_SPACE = 32,
    KEY_LEFT = 37,
    KEY_UP = 38,
    KEY_RIGHT = 39,
    KEY_DOWN = 40,
    KEY_DELETE = 46,
    KEY_0 = 48,  // digits 48..57
    KEY_9 = 57,
    KEY_A = 65,  // letters 65..90
    KEY_Z = 90,
    KEY_F1 = 112,
    KEY_F2 = 113,
    KEY_F3 = 114,
    KEY_F4 = 115,
    KEY_F5 = 116,
    KEY_F6 = 117,
    KEY_F7 = 118,
    KEY_F8 = 119,
    KEY_F11 = 122,  // also Alt+Enter (the platform reports it so)
};
