#include "lang/lock_notices.h"

namespace kelo::lang {
namespace {

struct Notices {
    std::string_view noWaylandPlatform;
    std::string_view compositorKeepsShortcuts;
};

// Plain words for a parent: what does not hold, what to install, and that play goes on.
const Notices indonesian{
    "Kunci permainan tidak bekerja di sini: tombol desktop (Alt+Tab, Super) masih bisa "
    "menutup permainan.\nPasang paket qt6-wayland, lalu mulai permainan lagi.\n"
    "Tekan tombol apa saja untuk bermain.",
    "Kunci permainan tidak bekerja penuh di sini: desktop ini tidak memberikan tombolnya "
    "(Alt+Tab, Super) kepada permainan.\nPermainan tetap layar penuh sejauh desktop mengizinkan.\n"
    "Tekan tombol apa saja untuk bermain.",
};

const Notices english{
    "The lock does not hold here: the desktop's keys (Alt+Tab, Super) can still take the game "
    "away.\nInstall the package qt6-wayland, then start the game again.\n"
    "Press any key to play.",
    "The lock does not fully hold here: this desktop keeps its keys (Alt+Tab, Super) from the "
    "game.\nThe game stays full screen as far as the desktop lets it.\nPress any key to play.",
};

const Notices japanese{
    "ここではロックが効きません。デスクトップのキー（Alt+Tab、Super）でゲームが隠れます。\n"
    "qt6-wayland パッケージを入れて、ゲームを起動しなおしてください。\n"
    "キーを押すと遊べます。",
    "ここではロックが完全には効きません。このデスクトップはキー（Alt+"
    "Tab、Super）をゲームに渡しません。\n"
    "ゲームはできるかぎり全画面のままです。\nキーを押すと遊べます。",
};

}  // namespace

std::string_view lockNotice(Language language, LockProblem problem) {
    const Notices& set = forLanguage(language, english, japanese, indonesian);
    return problem == LockProblem::NoWaylandPlatform ? set.noWaylandPlatform
                                                     : set.compositorKeepsShortcuts;
}

}  // namespace kelo::lang
