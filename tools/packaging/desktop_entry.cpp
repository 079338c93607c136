// Writes the game's desktop entry, its names and comments taken from the game's own texts.
//   kelo-desktop-entry > org.example.KelosPistol.desktop

#include <iostream>

#include "app/version.h"
#include "lang/texts.h"

int main() {
    using kelo::lang::Language;
    using kelo::lang::Target;
    using kelo::lang::text;
    std::cout << "[Desktop Entry]\n"
              << "Type=Application\n"
              << "Version=1.4\n"
              << "Name=" << text(Language::English, Target::mobilCaption) << "\n"
              << "Name[id]=" << text(Language::Indonesian, Target::mobilCaption) << "\n"
              << "Name[ja]=" << text(Language::Japanese, Target::mobilCaption) << "\n"
              << "Comment=" << text(Language::English, Target::Label4Caption) << "\n"
              << "Comment[id]=" << text(Language::Indonesian, Target::Label4Caption) << "\n"
              << "Comment[ja]=" << text(Language::Japanese, Target::Label4Caption) << "\n"
              << "Exec=kelo\n"
              << "Icon=" << KELO_APP_ID << "\n"
              << "Terminal=false\n"
              << "Categories=Education;Game;KidsGame;\n"
              << "Keywords=counting;numbers;cars;children;toddler;\n"
              << "Actions=Locked;\n"
              << "\n"
              // A session a child cannot leave; its name tells the parent the way out.
              << "[Desktop Action Locked]\n"
              << "Name=Play locked (type quit to leave)\n"
              << "Name[id]=Main terkunci (ketik quit untuk keluar)\n"
              << "Name[ja]=ロックして遊ぶ（quit と入力すると終了）\n"
              << "Exec=kelo --locked\n";
    return 0;
}
