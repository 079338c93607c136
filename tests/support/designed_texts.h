#pragma once

#include <array>
#include <string>

namespace kelo::testing {

/// The designed texts, written out letter for letter (not read from the game's table), so that
/// a typo in the game's table fails a test.
struct DesignedLanguage {
    int listEntry;                      // the entry of the language list
    std::array<std::string, 10> texts;  // targets 1 to 10, in table order
    std::array<std::string, 4> note;    // the author note's pieces; the address follows the last
};

inline constexpr const char* designedContactAddress = "mas.kurdalo@example.org";

inline const std::array<DesignedLanguage, 3>& designedLanguages() {
    static const std::array<DesignedLanguage, 3> languages{{
        {2,
         {"Permainan ini cocok untuk anak umur 2.5 sampai 3.5 tahun", "Pencipta", "UANG",
          "Tekan huruf A untuk memutar dan SPACE untuk menembak", "ADA BERAPA MOBIL?",
          "Untuk memulai lagi klik ini 3 kali atau tekan SPACE tiga kali", "Mulai", "Dorrakan Kelo",
          "Kamu menang", "Diprogram oleh Mas Kurdalo"},
         {"Saya adalah salah satu anggota organisasi sosial,",
          " yang bernama LKMTQ, yang kegiatannya memberikan bantuan kepada pemuda/i yang "
          "potensial tapi kurang mampu ",
          "dari tingkat SMP hingga universitas di Indonesia. Kita telah melakukan aktivitas "
          "selama 11 tahun. Jika anda tertarik untuk ",
          "memberikan donasi kemanusiaan, silakan hubungi saya di "}},
        {0,
         {"This game is suitable for kids with age from 2.5 to 3.5", "Author", "MONEY",
          "Press 'A' key to turn around and Space key to shoot", "HOW MANY CARS ARE HERE?",
          "For restarting game click it 3 times or press Space key 3 times", "Start",
          "Kelo's Pistol", "You win", "Created by Mas Kurdalo"},
         {"I am one of volunteers in a social organization,",
          " callled LKMTQ, which is providing educational aid for poor-but-potential ",
          "youth, from junior high school up to university level in Indonesia. We have been in "
          "the activity for 11 years. If you are interested ",
          "to extend humanitarian donation, please contact me at "}},
        {1,
         {"このゲームは２才半から３才半までの子供に最適です", "著者", "おかね",
          "回転はＡキー；打ちはSpaceキー", "くるまはいくつ",
          "ゲームの再起動は３回クリックあるいはSpaceキ３回押し", "スタート",
          "ケーロちゃんのピストル", "かったね", "クルダロがつくったプログラムです"},
         {"私は、人道活動を行っている団体の一員です。",
          "団体名は LKMTQ "
          "といい、日本の団体とも活動において手を結んでおります。主要な活動として、経済に困難"
          "な、優秀な子供たちの教育費の提供を行っております。",
          "教育レベルとなる援助対象は、中学から大学までとしております. "
          "設立以来、11年間活動してまいりました。人道援助／寄付提供に興味のある方は ",
          "次のEメールアドレスを宛にご連絡下さい。 "}},
    }};
    return languages;
}

/// The author note as designed: the four pieces joined with nothing between, then the address.
inline std::string designedNote(const DesignedLanguage& language) {
    return language.note[0] + language.note[1] + language.note[2] + language.note[3] +
           designedContactAddress;
}

}  // namespace kelo::testing
