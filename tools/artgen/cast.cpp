// SPDX-License-Identifier: MIT
// cast.cpp - who the people are: the colours, clothes and build of each
// character, shared by their sheets (people.cpp) and the story sequences
// (sequences.cpp), so a character looks the same in both.
#include "art.h"

Look studioGirlLook(double height) {
    Look l;
    l.height = height;
    l.skin = rgb(226, 170, 130);
    l.hair = rgb(250, 200, 90);
    l.top = rgb(240, 90, 160);
    l.legs = rgb(60, 60, 80);
    l.shoes = pal::white;
    l.hair_style = 1;
    return l;
}

Look fatManLook(double height) {
    Look l;
    l.height = height;
    l.girth = 2.0;
    l.skin = rgb(236, 180, 140);
    l.hair = rgb(110, 70, 50);
    l.top = rgb(220, 70, 70);  // a red track top
    l.legs = rgb(60, 90, 170);
    l.shoes = rgb(240, 240, 250);
    l.accent = rgb(230, 60, 60);
    l.hair_style = 6;
    return l;
}

Look janitorLook(double height) {
    Look l;
    l.height = height;
    l.girth = 1.3;
    l.skin = rgb(220, 160, 120);
    l.hair = rgb(80, 70, 70);
    l.top = rgb(110, 130, 150);
    l.legs = rgb(80, 100, 120);
    l.shoes = rgb(60, 50, 50);
    l.accent = rgb(90, 110, 140);  // his cap
    l.overalls = true;
    l.hair_style = 3;
    return l;
}

Look partyKidLook(int which, double height) {
    Look l;
    l.height = height;
    l.girth = which == 1 ? 1.3 : 0.8;
    l.skin = which == 2 ? rgb(170, 110, 80) : which == 3 ? pal::skinLight : pal::skinMid;
    l.hair = which == 3 ? rgb(230, 180, 60) : rgb(60, 40, 30);
    l.top = which == 1 ? rgb(80, 160, 80) : which == 2 ? rgb(230, 120, 40) : rgb(150, 90, 190);
    l.legs = rgb(60, 60, 100);
    l.shoes = rgb(220, 220, 230);
    l.accent = rgb(40, 40, 60);
    l.hair_style = which == 1 ? 0 : which == 2 ? 4 : 1;
    return l;
}
