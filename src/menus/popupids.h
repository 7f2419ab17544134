// Popup ids, button styles and button states: the numbers the popup table,
// the button picture table and every caller of button() share.
#pragma once

enum PopupId {
    POPUP_NONE = 0,
    POPUP_EXIT = 99,            // quit the game?
    POPUP_OPTIONS = 100,
    POPUP_INFO = 101,           // ten lines of information, opened from the options
    POPUP_HELP = 102,
    POPUP_PLAYERLIST = 103,
    POPUP_NAMEENTRY = 105,
    POPUP_DELETEPLAYER = 106,
    POPUP_CONTINUE = 107,       // continue or new game
    POPUP_INGAMEMENU = 298,
    POPUP_NAMETAKEN = 398,
    POPUP_RESTART = 399,        // restart the level?
    POPUP_NEWGAME = 432,        // start a new game?
    POPUP_SHOP = 600,
    POPUP_MAPHINT = 601,        // the map tutorial hint
    POPUP_CASINOHINT = 603,
};

// Button styles, named after their pictures (data/ui/button<style>.png
// unless noted).
enum ButtonStyle {
    BUTTON_STYLE1 = 1,
    BUTTON_STYLE2 = 2,
    BUTTON_STYLE3 = 3,           // the small popup button
    BUTTON_STYLE4 = 4,
    BUTTON_SLIDER = 5,           // button5: the options slider, reports held
    BUTTON_STYLE6 = 6,
    BUTTON_STYLE7 = 7,
    BUTTON_NOIMAGE8 = 8,         // 8..10 have no picture of their own
    BUTTON_NOIMAGE9 = 9,
    BUTTON_NOIMAGE10 = 10,
    BUTTON_PLUS = 11,
    BUTTON_PLAY = 12,
    BUTTON_TROPHIES = 13,
    BUTTON_PLAYER = 15,
    BUTTON_EXIT = 16,
    BUTTON_SETTINGS = 17,
    BUTTON_EXIT2 = 18,
    BUTTON_NEWSTABLESIGN = 19,   // game/brandnewstable-sign.png, shorter hit area
    BUTTON_STYLE20 = 20,
    BUTTON_STYLE21 = 21,         // 21..24: no click sound, caller's scale kept
    BUTTON_CHIP1 = 22,           // casino/chip1..3.png
    BUTTON_CHIP2 = 23,
    BUTTON_CHIP3 = 24,
    BUTTON_TUTORIAL = 25,
    BUTTON_HELPERSBUYSIGN = 26,  // game/fishhelpersbuysign.png
};

// What button() reports.
enum ButtonState {
    BUTTON_IDLE = 0,
    BUTTON_HOVER = 2,
    BUTTON_CLICKED = 3,  // clicked in this tick; the click is consumed
    BUTTON_HELD = 4,     // the options slider held down
};
