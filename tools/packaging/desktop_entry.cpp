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
              << "Actions=Locked;Voice;LockedVoice;\n"
              << "\n"
              // A session a child cannot leave; its name tells the parent the way out.
              << "[Desktop Action Locked]\n"
              << "Name=Play locked (type quit to leave)\n"
              << "Name[id]=Main terkunci (ketik quit untuk keluar)\n"
              << "Name[ja]=ロックして遊ぶ（quit と入力すると終了）\n"
              << "Exec=kelo --locked\n"
              << "\n"
              // For children who cannot read yet: the game says its question aloud.
              << "[Desktop Action Voice]\n"
              << "Name=Play with a voice\n"
              << "Name[id]=Main dengan suara\n"
              << "Name[ja]=こえつきで遊ぶ\n"
              << "Exec=kelo --voice\n"
              << "\n"
              << "[Desktop Action LockedVoice]\n"
              << "Name=Play locked with a voice (type quit to leave)\n"
              << "Name[id]=Main terkunci dengan suara (ketik quit untuk keluar)\n"
              << "Name[ja]=ロックしてこえつきで遊ぶ（quit と入力すると終了）\n"
              << "Exec=kelo --locked --voice\n";
    return 0;
}
