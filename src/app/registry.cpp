// The composition root's tables: every screen with its entry, per-frame and
// release routines, every popup with its routine, and the hooks through
// which the lower layers call up into the higher ones.
#include "app/startup.h"

#include "cards/gamescreen.h"
#include "core/loop.h"
#include "core/screens.h"
#include "core/display.h"
#include "menus/exitpopups.h"
#include "menus/help.h"
#include "menus/options.h"
#include "menus/loading.h"
#include "menus/menu.h"
#include "menus/players.h"
#include "menus/popups.h"
#include "menus/splash.h"
#include "meta/casino.h"
#include "meta/map.h"
#include "meta/maphints.h"
#include "present/effects.h"
#include "meta/shop.h"
#include "meta/trophyroom.h"
#include "meta/survey.h"
#include "present/fonts.h"
#include "present/notice.h"
#include "present/resources.h"
#include "present/sound.h"
#include "present/texts.h"
#include "story/story.h"

void registerscreens() {
    clearscreens();
    setscreenroutines(SCREEN_SPLASH, instintro, showintro, releasesplashimages);
    // The loading screen, the menu and the card game each show the one game
    // background, which goes with them.
    setscreenroutines(SCREEN_LOADING, [](int) { instload(); }, showload, [] {
        deleteloadstuff_dynamic();
        deletegamebg_dynamic();
    });
    setscreenroutines(SCREEN_MENU, [](int) { entermenu(); }, showmenu, [] {
        deletemenustuff_dynamic();
        deletegamebg_dynamic();
    });
    setscreenroutines(SCREEN_GAME, [](int) { instgame(); }, showgame, [] {
        deletegamestuff_dynamic();
        deletegamebg_dynamic();
    });
    setscreenroutines(SCREEN_MAP, instadventuremap, showadventuremap, deletemapstuff_dynamic);
    setscreenroutines(SCREEN_STORY, inststory, showstory, deletestorystuff_dynamic);
    // The trophy room shows its own background, which goes with it.
    setscreenroutines(SCREEN_TROPHIES, insttrophyroom, showtrophyroom, [] {
        deletetrophyroomstuff_dynamic();
        deletegamebg_dynamic();
    });
    setscreenroutines(SCREEN_CASINO, instcasino, showcasino, deletecasinostuff_dynamic);
    setscreenroutines(SCREEN_SURVEY, instsurveyscreen, showsurveyscreen, deletesurveystuff_dynamic);
    registerpopups();
    registergamescreen();
    wirehooks();
}

void registerpopups() {
    setpopuproutine(POPUP_EXIT, popupexit);
    setpopuproutine(POPUP_PLAYERLIST, popupplayerlist);
    setpopuproutine(POPUP_NAMEENTRY, popupnameentry);
    setpopuproutine(POPUP_DELETEPLAYER, popupdeleteplayer);
    setpopuproutine(POPUP_CONTINUE, popupcontinue);
    setpopuproutine(POPUP_NAMETAKEN, popupnametaken);
    setpopuproutine(POPUP_NEWGAME, popupnewgame);
    setpopuproutine(POPUP_INGAMEMENU, popupingame);
    setpopuproutine(POPUP_RESTART, popuprestart);
    setpopuproutine(POPUP_MAPHINT, popupmaphint);
    setpopuproutine(POPUP_CASINOHINT, popupcasinohint);
    registershop();
    setpopuproutine(POPUP_OPTIONS, popupoptions);
    setpopuproutine(POPUP_INFO, popupabout);
    setpopuproutine(POPUP_HELP, popuphelp);
    // every opening starts the options' knobs undragged
    popupopenhook = resetoptiondrag;
}

void wirehooks() {
    loophooks.closerequest = [] { openpopup(POPUP_EXIT); };
    loophooks.reloadtexts = loadalltexts;
    loophooks.suspendsound = pausesoundchannels;
    loophooks.music = updatemusic;
    loophooks.overlay = [] {
        drawpauseoverlay();
        drawnotice();
        drawpointer();
    };
    displaychanged = reloadscreenbackground;
    fonthooks.popupfade = [] { return pop.popupfade; };
    effhooks.musicnote = storymusicnote;
}
