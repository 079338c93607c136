#include "lang/texts.h"

#include "scene/authorpekro_layout.h"

namespace kelo::lang {
namespace {

struct TextSet {
    std::array<std::string_view, 10> targets;  // targets 1 to 10
    std::array<std::string_view, 4> note;      // target 11; the address follows piece 4
};

// Each text as it stands, letter for letter: "Kamu menang" with a small m, "callled" with
// three l, "Spaceキ" without the long-vowel mark in the restart hint.
const TextSet indonesian{
    {"Permainan ini cocok untuk anak umur 2.5 sampai 3.5 tahun", "Pencipta", "UANG",
     "Tekan huruf A untuk memutar dan SPACE untuk menembak", "ADA BERAPA MOBIL?",
     "Untuk memulai lagi klik ini 3 kali atau tekan SPACE tiga kali", "Mulai", "Dorrakan Kelo",
     "Kamu menang", "Diprogram oleh Mas Kurdalo"},
    {"Saya adalah salah satu anggota organisasi sosial,",
     " yang bernama LKMTQ, yang kegiatannya memberikan bantuan kepada pemuda/i yang potensial "
     "tapi kurang mampu ",
     "dari tingkat SMP hingga universitas di Indonesia. Kita telah melakukan aktivitas selama 11 "
     "tahun. Jika anda tertarik untuk ",
     "memberikan donasi kemanusiaan, silakan hubungi saya di "},
};

const TextSet english{
    {"This game is suitable for kids with age from 2.5 to 3.5", "Author", "MONEY",
     "Press 'A' key to turn around and Space key to shoot", "HOW MANY CARS ARE HERE?",
     "For restarting game click it 3 times or press Space key 3 times", "Start", "Kelo's Pistol",
     "You win", "Created by Mas Kurdalo"},
    {"I am one of volunteers in a social organization,",
     " callled LKMTQ, which is providing educational aid for poor-but-potential ",
     "youth, from junior high school up to university level in Indonesia. We have been in the "
     "activity for 11 years. If you are interested ",
     "to extend humanitarian donation, please contact me at "},
};

const TextSet japanese{
    {"このゲームは２才半から３才半までの子供に最適です", "著者", "おかね",
     "回転はＡキー；打ちはSpaceキー", "くるまはいくつ",
     "ゲームの再起動は３回クリックあるいはSpaceキ３回押し", "スタート", "ケーロちゃんのピストル",
     "かったね", "クルダロがつくったプログラムです"},
    {"私は、人道活動を行っている団体の一員です。",
     "団体名は LKMTQ といい、日本の団体とも活動において手を結んでおります。主要な活動として、"
     "経済に困難な、優秀な子供たちの教育費の提供を行っております。",
     "教育レベルとなる援助対象は、中学から大学までとしております. "
     "設立以来、11年間活動してまいりました。人道援助／寄付提供に興味のある方は ",
     "次のEメールアドレスを宛にご連絡下さい。 "},
};

const TextSet& textSet(Language language) {
    return forLanguage(language, english, japanese, indonesian);
}

}  // namespace

std::array<std::string, 4> notePieces(Language language) {
    const TextSet& set = textSet(language);
    return {std::string(set.note[0]), std::string(set.note[1]), std::string(set.note[2]),
            std::string(set.note[3]) + std::string(scene::contactAddress)};
}

Language languageShown(std::string_view question) {
    for (const Language language : {Language::English, Language::Japanese}) {
        if (question == text(language, Target::Label3Caption)) {
            return language;
        }
    }
    return Language::Indonesian;
}

std::string text(Language language, Target target) {
    if (target == Target::authorNote) {
        std::string joined;
        for (const std::string& piece : notePieces(language)) {
            joined += piece;
        }
        return joined;
    }
    return std::string(textSet(language).targets.at(static_cast<std::size_t>(target)));
}

}  // namespace kelo::lang
