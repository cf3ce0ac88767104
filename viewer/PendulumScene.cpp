#include "viewer/PendulumScene.h"

std::string welcomeText() {
    std::string const call = "-->> press CTRL+P to activate physics ! <<--";
    std::string t = "bienvenue dans le test de balle !" + std::string(175, '-');
    t += "\n" + call + std::string(8, ' ') + call + std::string(7, ' ') + call + std::string(7, ' ') + call +
         std::string(8, ' ');
    t += "\nthen press SPACE for fun ! :-)" + std::string(173, ' ') + ":-D ";
    t += "\nmove with wasd and arrows" + std::string(182, '-');
    t += "\n\nchanger mainSys.disp() en mainSys.cdisp() dans plinvo dans la fonction dessine pour le terminal, "
         "la fenetre s'ouvre quand meme, regarder dans le terminal apres avoir active la simulation dans la "
         "fenetre!";
    t += "\n" + std::string(209, '-');
    return t;
}
