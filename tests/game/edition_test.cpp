// edition_test.cpp - the English and the German edition: the same skeleton of
// keys, seconds, colours, topics and script lines, different words, and every
// word drawable by the bitmap fonts within the 800 px screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/edition.h"

namespace {

// ---------------------------------------------------------------------------
// What the game relies on
// ---------------------------------------------------------------------------

struct KeyRow {
    const char* key;
    int seconds;
    TextColour colour;
};

// Every stored text, in definition order, with its seconds and colour.
const KeyRow kExpectedKeys[] = {
    {"NOT_TAKE", 3, kWhite},
    {"NOT_TALK", 3, kWhite},
    {"NOT_USE", 3, kWhite},
    {"CONFIRM_TAKE", 3, kWhite},
    {"LOOK_ICON_Hut", 3, kWhite},
    {"LOOK_Key", 3, kWhite},
    {"LOOK_ScheuneInnenSlime", 3, kWhite},
    {"LOOK_ScheuneHintenShip", 6, kWhite},
    {"LOOK_ScheuneHintenKette", 6, kWhite},
    {"LOOK_ScheuneHintenKetteAufgehängt", 6, kWhite},
    {"UseHaken1", 12, kWhite},
    {"LOOK_ScheuneVorneSchloss", 3, kWhite},
    {"NOTALK_ScheuneVorneSchloss", 5, kWhite},
    {"NOTAKE_ScheuneVorneSchloss", 3, kWhite},
    {"NOUSE_ScheuneVorneSchloss", 3, kWhite},
    {"LOOK_Maus", 4, kWhite},
    {"NOTAKE_Maus", 4, kWhite},
    {"NOTALK_Maus", 4, kWhite},
    {"NOUSE_Maus", 4, kWhite},
    {"NOUSE_MausGefangen", 4, kWhite},
    {"GotMaus", 4, kWhite},
    {"LOOK_Vogelscheuche", 4, kWhite},
    {"NOTALK_Vogelscheuche", 7, kWhite},
    {"LOOK_VogelscheucheOhneHut", 4, kWhite},
    {"NOTALK_VogelscheucheOhneHut", 5, kWhite},
    {"CONFIRMTAKE_HUT", 5, kWhite},
    {"LOOK_FarmhausKey", 3, kWhite},
    {"LOOK_FarmhausFarmer", 4, kWhite},
    {"NOTAKE_FarmhausKey", 3, kRed},
    {"NOTAKE_FarmhausFarmer", 4, kWhite},
    {"LOOK_CryGirl", 4, kWhite},
    {"NOUSE_CryGirl", 3, kWhite},
    {"NOTAKE_CryGirl", 4, kWhite},
    {"LOOK_CryGirlHappy", 4, kWhite},
    {"NOTAKE_CryGirlHappy", 4, kWhite},
    {"NOTALK_CryGirlHappy", 4, kDarkGreen},
    {"NOUSE_CryGirlHappy", 4, kWhite},
    {"CryGirlCostumeThank1", 8, kDarkGreen},
    {"NOTAKE_Vogelscheuche", 3, kWhite},
    {"NOTALK_Studiogirl", 12, kDarkGreen},
    {"NOTAKE_Studiogirl", 4, kWhite},
    {"LOOK_Studiogirl", 4, kWhite},
    {"LOOK_MausSandwich", 4, kWhite},
    {"StudioGirlKeinBelag", 8, kDarkGreen},
    {"LOOK_Hausmeister", 3, kWhite},
    {"NOTAKE_Hausmeister", 3, kWhite},
    {"LOOK_Lippenstift", 3, kWhite},
    {"NOTAKE_Lippenstift", 4, kDarkGreen},
    {"LOOK_Brot", 4, kWhite},
    {"NOTAKE_Fatman", 3, kWhite},
    {"LOOK_Fatman", 4, kWhite},
    {"NOUSE_Fatman", 6, kDarkBlue},
    {"GiveLollyFatman1", 3, kWhite},
    {"GiveLollyFatman2", 6, kWhite},
    {"LOOK_FatmanEating", 3, kWhite},
    {"NOTAKE_FatmanEating", 7, kWhite},
    {"NOTALK_FatmanEating", 7, kWhite},
    {"NOUSE_FatmanEating", 3, kWhite},
    {"NotWhileFatmanWalking", 3, kWhite},
    {"GotLaufband", 3, kWhite},
    {"LOOK_Burbkid1", 4, kWhite},
    {"NOTAKE_Burbkid1", 4, kWhite},
    {"LOOK_Burbkid2", 4, kWhite},
    {"NOTAKE_Burbkid2", 4, kWhite},
    {"LOOK_Burbkid3", 4, kWhite},
    {"NOTAKE_Burbkid3", 4, kDarkBlue},
    {"NOTALK_Burbkid3", 4, kDarkBlue},
    {"NOUSE_Burbkid3", 4, kWhite},
    {"TrinkenBurbContest", 4, kWhite},
    {"LOOK_Bowle", 4, kWhite},
    {"TAKECONFIRM_Bowle", 4, kWhite},
    {"LOOK_Umhang", 4, kWhite},
    {"LOOK_BurbkidsKO", 4, kWhite},
    {"NOTAKE_BurbkidsKO", 4, kWhite},
    {"NOUSE_BurbkidsKO", 4, kWhite},
    {"NOTALK_BurbkidsKO", 4, kWhite},
    {"LOOK_Knoblauch", 4, kWhite},
    {"TAKECONFIRM_Knoblauch", 4, kWhite},
    {"LOOK_TicketstandKid", 4, kWhite},
    {"NOTAKE_TicketstandKid", 4, kWhite},
    {"NOUSE_TicketstandKid", 4, kDarkBlue},
    {"LOOK_Ticket", 4, kWhite},
    {"OpenSchranke1", 4, kWhite},
    {"OpenSchranke2", 4, kWhite},
    {"OpenSchranke3", 4, kWhite},
    {"OpenSchranke4", 6, kWhite},
    {"OpenSchranke5", 4, kWhite},
    {"LOOK_FreakSatt", 4, kWhite},
    {"LOOK_Freak", 4, kWhite},
    {"NOTALK_Freak", 15, kDarkBlue},
    {"NOUSE_Freak", 5, kDarkBlue},
    {"NOTAKE_Freak", 5, kDarkBlue},
    {"NOTAKE_FreakSatt", 5, kDarkBlue},
    {"NOUSE_FreakSatt", 5, kDarkBlue},
    {"NOTALK_FreakSatt", 4, kDarkBlue},
    {"GiveLolly1", 3, kWhite},
    {"GiveLolly2", 5, kDarkBlue},
    {"GiveLolly3", 5, kDarkBlue},
    {"LOOK_TicketstandSchranke", 4, kWhite},
    {"LOOK_TicketstandSchrankeOffen", 4, kWhite},
    {"NOUSE_TicketstandSchranke", 4, kWhite},
    {"NOTAKE_Laufband", 4, kWhite},
    {"LOOK_Laufband", 5, kWhite},
    {"LOOK_LaufbandItem", 5, kWhite},
    {"NOUSE_Laufband", 5, kWhite},
    {"LOOK_ScheuneInnenKeinBand", 5, kWhite},
    {"LOOK_ScheuneInnenBand", 5, kWhite},
    {"LOOK_Käse", 4, kWhite},
    {"TAKECONFIRM_Käse", 4, kWhite},
    {"LOOK_Klopapier", 4, kWhite},
    {"CONFIRMTAKE_Klopapier", 4, kWhite},
    {"ToiletteSequenz", 4, kDarkBlue},
    {"LOOK_Toilette", 6, kWhite},
    {"NOTAKE_Toilette", 5, kWhite},
    {"NOTALK_Toilette", 4, kWhite},
    {"LOOK_Toolbox", 5, kWhite},
    {"CONFIRMTAKE_Toolbox", 5, kWhite},
    {"LOOK_ToolboxTool", 5, kWhite},
    {"LOOK_Mop", 4, kWhite},
    {"CONFIRMTAKE_Mop", 4, kWhite},
    {"NOUSE_AlteDame", 6, kWhite},
    {"LOOK_AlteDame", 4, kWhite},
    {"LOOK_Lolly", 3, kWhite},
    {"GetLolly1", 3, kWhite},
    {"GetLolly2", 8, kWhite},
    {"GetLolly3", 5, kWhite},
    {"GetLolly4", 3, kWhite},
    {"GetLolly5", 3, kWhite},
    {"GetLolly6", 6, kWhite},
};

struct QuotedText {
    const char* key;
    const char* text;
};

// English texts that scripts and switched object fields depend on, word for
// word, typing errors included.
const QuotedText kQuotedEnglish[] = {
    {"NOT_TAKE", "I don't need that."},
    {"NOT_TALK", "I don't know what to say."},
    {"NOT_USE", "Why should I do that?"},
    {"CONFIRM_TAKE", "Yay, I got it!"},
    {"UseHaken1",
     "I could use the pulley to lift my spaceship out of the /n "
     "ground. Fortunately I installed this clutch for /n interstellar towing actions."},
    {"NOUSE_ScheuneVorneSchloss", "I don't have a key."},
    {"GotMaus", "I got it."},
    {"NOTALK_Vogelscheuche",
     "A lifeform, what a joy! I am /kQuobble Tuftwhirl the /n "
     "Great/c and I come in peace. Do you understand me? /n "
     "Hello? Salut? Hallo? 01001010101 010111011010101? /n ...He doesn't say a word... /n "
     "*Yawn* This chat is sooo boring!"},
    {"LOOK_VogelscheucheOhneHut",
     "Hmm, he looks sad. Well, it was a nice hat that he had. /n And now it's mine! Mine alone!"},
    {"NOTALK_VogelscheucheOhneHut",
     "Deadly silence. I think he is sulking because I stole /n "
     "his hat... Haha On Reduro-7 only female Hamsters behave like that."},
    {"NOTAKE_FarmhausKey", "Hey you! Get off my property! Get the hell outa here, /n before I make you run!"},
    {"LOOK_CryGirlHappy", "She is totally happy."},
    {"NOTAKE_CryGirlHappy", "Better not. She looks so happy."},
    {"NOTALK_CryGirlHappy", "Oh thank you very much Quob! I am so happy!"},
    {"NOUSE_CryGirlHappy", "I don't want to sadden her again."},
    {"CryGirlCostumeThank1",
     "Thank you very much for the beautiful costume. /n Here is the key to our barn."},
    {"NOTALK_Studiogirl",
     "Stop borthering me! I haven't aten anything the whole /n "
     "day and I am in a very bad mood! I may be on diet, but /n I'd love a good sandwich."},
    {"StudioGirlKeinBelag",
     "Yuck! There is nothing meaty on it! I you to get me /n something decent or get out!"},
    {"NOUSE_Fatman",
     "*gasp* I can't make another move! *moan* I would give /n "
     "anything for something sweet to give me strength... *drool* *gasp* *sweat*"},
    {"GiveLollyFatman1", "Here I have something for you."},
    {"GiveLollyFatman2", "Oh praised be the lord. I couldn't take this sports /n nonsense another minute."},
    {"NotWhileFatmanWalking", "I can't do that while he is walking."},
    {"GotLaufband", "Yay, I got it. Now I can walk all I want."},
    {"TrinkenBurbContest", "I should get something to drink first."},
    {"OpenSchranke1", "Good, you have a ticket. I open the barrier."},
    {"OpenSchranke2", "Hey, that's very kind of you, I am in your de-"},
    {"OpenSchranke3", "Yeah yeah, get in and enjoy yourself already."},
    {"OpenSchranke4", "I have seen your ticket already. Why are you still /n borthering me?! Get in."},
    {"OpenSchranke5", "Oh yes. I forgot."},
    {"LOOK_FreakSatt", "He looks as if this was the happiest day of his life."},
    {"NOTAKE_FreakSatt", "Yum, yum. Lolly."},
    {"NOUSE_FreakSatt", "Hmm, thanls for the lolly! I am so happy."},
    {"NOTALK_FreakSatt", "Can't talk now, eating."},
    {"GiveLolly1", "Here I have something for you."},
    {"GiveLolly2",
     "Oh thank you so much! Nobody ever was so kind to me. /n Here is the ticket I promised you."},
    {"GiveLolly3", "Yay! *lick* Yum. Yum. *lick*"},
    {"LOOK_TicketstandSchrankeOffen", "The barrier is open for me now"},
    {"LOOK_ScheuneInnenKeinBand",
     "I can use it to get the generator of the pulley going. /n "
     "But a broad band of rubber is missing."},
    {"LOOK_ScheuneInnenBand",
     "The band of rubber is now in place, I could use the /n generator of the pulley now."},
    {"ToiletteSequenz", "Oh no! This sound... Somebody jammed the toilet!"},
    {"NOUSE_AlteDame", "Hmm, nobody opens the door. She is hard of hearing I /n assume."},
    {"GetLolly1", "Trick or treat!"},
    {"GetLolly2",
     "Have I seen you before? I can't remember. Oh, you are /n "
     "a cute little one! What kind of a costume is that? A running rat? How grotesque!"},
    {"GetLolly3", "Actually I'm an Hamsian. I come from a foreign planet /n and-"},
    {"GetLolly4", "You're a good girl."},
    {"GetLolly5", "I'm NOT a girl!"},
    {"GetLolly6", "Here take this candy. You asked me so nicely."},
};

// The three English conversations, word for word, in play order.
const LineRow kExpectedEnglishLines[] = {
    {"CryGirl", "Crash", kPartner,
     "You're such a cute little fella. If I wasn't so sad I /n would cuddle you."},
    {"CryGirl", "Crash", kHero,
     "I'm Quobble Tuftwhirl and I come from a foreign planet. /n "
     "I crashed into the ground behind a strange locked /n building nearby."},
    {"CryGirl", "Crash", kPartner, "Behind our barn? *sniff*"},
    {"CryGirl", "Crash", kHero,
     "Yes, that's it. Behind your barn. Do you have any /n idea how I can open it?"},
    {"CryGirl", "Crash", kPartner, "Well, my father guards the key and he will not give /n it to you."},
    {"CryGirl", "Crash", kUnlock, "Key"},
    {"CryGirl", "Key", kHero, "Couldn't you get me the key?"},
    {"CryGirl", "Key", kPartner, "Sorry, I'm too depressed. *sniff* Unless..."},
    {"CryGirl", "Key", kHero, "Unless what?"},
    {"CryGirl", "Key", kPartner,
     "I'd love to have a great halloween costume like the /n other kids. I'd like to be a witch."},
    {"CryGirl", "Key", kUnlock, "Costume"},
    {"CryGirl", "Costume", kHero, "Where should I get a witch costume?"},
    {"CryGirl", "Costume", kPartner,
     "I don't know either. But I want a costume with cape, /n "
     "witch hat, and broom. And I need some lipstick. /n I want to be a beautiful witch."},
    {"CryGirl", "Costume", kHero, "Okay, I'll see what I can do. And you're getting me /n the key?"},
    {"CryGirl", "Costume", kPartner, "Of course, you help me and I help you."},
    {"Freak", "Sad", kHero, "Hey! You look sad as you are walking lonely through /n the streets..."},
    {"Freak", "Sad", kPartner,
     "Phew, yeah. Somehow I am a bit dragged down. Not even /n "
     "my original Star Wrack Costume is helping."},
    {"Freak", "FreakCostume", kHero, "What is this strange costume you are wearing?"},
    {"Freak", "FreakCostume", kPartner,
     "Yes, sadly they all say that in this city. I got this /n "
     "sporty outfit off the internet, it's an original prop /n "
     "of my favorite sci-fi show, Star Wrack. But nobody but /n "
     "me likes it. Who needs friends. The sad thing is, /n I don't get any candy."},
    {"Freak", "FreakCostume", kUnlock, "Candy"},
    {"Freak", "Candy", kHero, "You didn't get any candy?"},
    {"Freak", "Candy", kPartner,
     "Well, my mommy secretly placed this sugarfree dental /n "
     "bubble gum into my bag. She believes I wouldn't notice /n "
     "it, as my eyes aren't too good. She means well."},
    {"Freak", "Candy", kHero, "That is so....well... pathetic, isn't it?"},
    {"Freak", "Candy", kPartner,
     "I would give anything for some real candy. I finally /n "
     "had something to write on my web blog and the guys on /n "
     "the next convention would be impressed..."},
    {"Freak", "Candy", kHero, "You would really give anything for some Candy?"},
    {"Freak", "Candy", kPartner,
     "Of course! But sadly all I got is this ticket to the /n "
     "halloween school party. I could give it to you, if you /n "
     "get me some candy. This party is too exciting for me /n "
     "anyway. Assuming the impossible, a girl would want to /n "
     "communicate with me... What on earth should I be doing?! /n "
     "Nah, that is too dangerous for my taste."},
    {"Burbkid2", "Contest", kHero, "What are you doing here? Is this some sort of contest?"},
    {"Burbkid2", "Contest", kPartner,
     "Right. We are doing a burp contest! The loudest burp /n "
     "wins. Or in my case the last boy standing. Haha."},
    {"Burbkid2", "Contest", kUnlock, "TakePart"},
    {"Burbkid2", "TakePart", kHero, "Could I take part in your contest?"},
    {"Burbkid2", "TakePart", kPartner, "Hmm, if you are man enough..."},
    {"Burbkid2", "TakePart", kHero, "I am Hamster enough, is that valid too?"},
    {"Burbkid2", "TakePart", kPartner,
     "Sure, but you don't have a chance. /n I am the burp master! /n "
     "When you are ready, just show me what you got!"},
    {"Burbkid2", "TakePart", kUnlock, "Burb"},
    {"Burbkid2", "Burb", kPartner, "*BUUUUUURP*"},
    {"Burbkid2", "Burb", kHero, "*burp*"},
    {"Burbkid2", "Burb", kPartner, "Hahahaha! That was nothing! It didn't even smell bad!"},
};

const TopicRow kExpectedEnglishTopics[] = {
    {"CryGirl", "Crash", "Crash landing"},
    {"CryGirl", "Key", "Key"},
    {"CryGirl", "Costume", "Witch costume"},
    {"Freak", "Sad", "Are you sad?"},
    {"Freak", "FreakCostume", "Star Wrack costume"},
    {"Freak", "Candy", "Candy"},
    {"Burbkid2", "Contest", "Contest"},
    {"Burbkid2", "TakePart", "Take part"},
    {"Burbkid2", "Burb", "First show me what you got."},
};

// The script line ids, in order, in both editions.
const char* const kExpectedScriptIds[] = {
    "IntroCga1",   "IntroCga2",     "IntroCga3",    "IntroCga4",        "IntroPatch1",  "IntroPatch2",
    "IntroPatch3", "IntroPatch4",   "IntroPatch5",  "IntroFinally",     "IntroVersion", "CreditsTitle",
    "Credits1",    "Credits2",      "Credits3",     "Credits4",         "Credits5",     "Credits6",
    "Credits7",    "Credits8",      "CrashPanic",   "CrashRacing",      "QuitFarewell", "Greeting",
    "GirlThanks",  "GirlNeedBroom", "GirlNeedLipstick", "GirlNeedCape", "GirlNeedHat",  "GirlKey",
    "EndEpilogue", "EndClosing",    "BurpLine",
    "SaveDone",    "SaveNone",      "SaveUnreadable", "SaveFailed",
};

// English script lines whose wording is fixed.
const QuotedText kQuotedEnglishScript[] = {
    {"IntroCga1", "Yuck! I'm sick of these ugly CGA graphics!"},
    {"IntroCga2", "As if we couldn't do better than that!!"},
    {"IntroCga3", "Heaven, who ever came up with this stupid idea?!"},
    {"IntroCga4", "These FREAKS! Always with their 'oldschool'..."},
    {"IntroPatch1", "PLEASE INSERT SVGA PATCH DISK..."},
    {"IntroPatch2", "THANK YOU!"},
    {"IntroPatch3", "A:\\PATCH.EXE"},
    {"IntroPatch4", "LOADING..."},
    {"IntroPatch5", "..."},
    {"IntroFinally", "Finally! That's more like it ;-)"},
    {"IntroVersion", "Work in progress Version 0.1"},
    {"CreditsTitle", "Credits - Quobble Tuftwhirl"},
    {"CrashPanic", "AAAAAAAAAAAARGH! Why is this controller not Cola /n resistent? Drat! No system is responding!"},
    {"CrashRacing", "Oh no! I am racing towards this foreign planet! I will /n crash!"},
    {"QuitFarewell", "We hope you had fun and come back soon. /n More info about the game on: "},
    {"Greeting",
     "Hallo I am Quobble Tuftwhirl from planet Reduro-7. /n  I am stranded on this foreign planet. /n "
     "Whatever shall I do now?"},
    {"GirlThanks", "Thanks! I still need..."},
    {"GirlNeedBroom", "...the witches broom..."},
    {"GirlNeedLipstick", "...the lipstick..."},
    {"GirlNeedCape", "...the cape..."},
    {"GirlNeedHat", "...the witch hat..."},
    {"GirlKey", "...to get you the key."},
    {"BurpLine", "*BUUUUUURP*"},
};

const char kSiteAddress[] = "https://hollowmere.example.org";

// ---------------------------------------------------------------------------
// Helpers
// ---------------------------------------------------------------------------

const Edition* const kEditions[] = {&kEnglish, &kGerman};

std::string str(const char* s) { return s ? std::string(s) : std::string(); }

// Decodes UTF-8 into code points; false on a malformed sequence.
bool decodeUtf8(const std::string& s, std::vector<uint32_t>& out) {
    out.clear();
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0) return false;
        uint32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= s.size()) return false;
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        out.push_back(cp);
        i += extra + 1;
    }
    return true;
}

// The lines of a text as the font draws them: split at "/n", without the blank
// that " /n " leaves at either side, and without the "/k" and "/c" marks.
// Lengths are in characters (code points).
std::vector<size_t> lineLengths(const std::string& text) {
    std::vector<size_t> lengths;
    std::string t;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '/' && i + 1 < text.size() && (text[i + 1] == 'k' || text[i + 1] == 'c')) {
            ++i;
            continue;
        }
        t += text[i];
    }
    size_t start = 0;
    while (true) {
        size_t mark = t.find("/n", start);
        std::string line = t.substr(start, mark == std::string::npos ? std::string::npos : mark - start);
        if (start > 0 && !line.empty() && line[0] == ' ') line.erase(0, 1);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::vector<uint32_t> cps;
        decodeUtf8(line, cps);
        lengths.push_back(cps.size());
        if (mark == std::string::npos) break;
        start = mark + 2;
    }
    return lengths;
}

size_t longestLine(const std::string& text) {
    size_t longest = 0;
    for (size_t n : lineLengths(text)) longest = n > longest ? n : longest;
    return longest;
}

std::string scriptLine(const Edition& ed, const char* id) {
    for (size_t i = 0; i < ed.scriptLineCount; ++i)
        if (str(ed.scriptLines[i].id) == id) return str(ed.scriptLines[i].text);
    ADD_FAILURE() << ed.language << ": no script line " << id;
    return "";
}

const TextRow* findText(const Edition& ed, const std::string& key) {
    for (size_t i = 0; i < ed.textCount; ++i)
        if (str(ed.texts[i].key) == key) return &ed.texts[i];
    return nullptr;
}

bool isCreditsPage(const std::string& id) { return id.size() == 8 && id.compare(0, 7, "Credits") == 0; }

// Every text of an edition with a label for messages, and whether its
// English wording is fixed (then it may run past the line limit as given).
struct AnyText {
    std::string where;
    std::string text;
    bool givenWording;
    size_t limit;
};

std::vector<AnyText> allTexts(const Edition& ed) {
    std::set<std::string> given;
    if (&ed == &kEnglish) {
        for (const QuotedText& q : kQuotedEnglish) given.insert(q.text);
        for (const LineRow& l : kExpectedEnglishLines) given.insert(l.text);
        for (const QuotedText& q : kQuotedEnglishScript) given.insert(q.text);
    }
    std::vector<AnyText> all;
    for (size_t i = 0; i < ed.textCount; ++i) {
        std::string t = str(ed.texts[i].text);
        all.push_back({"text " + str(ed.texts[i].key), t, given.count(t) > 0, 55});
    }
    for (size_t i = 0; i < ed.topicCount; ++i)
        all.push_back({"label " + str(ed.topics[i].id), str(ed.topics[i].label), false, 50});
    for (size_t i = 0; i < ed.lineCount; ++i) {
        if (ed.lines[i].who == kUnlock) continue;
        std::string t = str(ed.lines[i].text);
        all.push_back({"line " + std::to_string(i) + " of " + str(ed.lines[i].topic), t, given.count(t) > 0, 55});
    }
    for (size_t i = 0; i < ed.scriptLineCount; ++i) {
        std::string id = str(ed.scriptLines[i].id), t = str(ed.scriptLines[i].text);
        all.push_back({"script " + id, t, given.count(t) > 0, isCreditsPage(id) ? size_t(50) : size_t(55)});
    }
    return all;
}

// ---------------------------------------------------------------------------
// Stored texts
// ---------------------------------------------------------------------------

TEST(EditionTexts, BothHaveAllKeysInDefinitionOrderWithTheirSecondsAndColours) {
    const size_t expected = sizeof kExpectedKeys / sizeof kExpectedKeys[0];
    ASSERT_EQ(expected, 129u);
    for (const Edition* ed : kEditions) {
        ASSERT_EQ(ed->textCount, expected) << ed->language;
        for (size_t i = 0; i < expected; ++i) {
            const TextRow& row = ed->texts[i];
            EXPECT_EQ(str(row.key), kExpectedKeys[i].key) << ed->language << " row " << i;
            EXPECT_EQ(row.seconds, kExpectedKeys[i].seconds) << ed->language << " " << row.key;
            EXPECT_EQ(row.colour, kExpectedKeys[i].colour) << ed->language << " " << row.key;
        }
    }
}

TEST(EditionTexts, NoKeyIsDefinedTwice) {
    for (const Edition* ed : kEditions) {
        std::set<std::string> seen;
        for (size_t i = 0; i < ed->textCount; ++i)
            EXPECT_TRUE(seen.insert(str(ed->texts[i].key)).second) << ed->language << " " << ed->texts[i].key;
    }
}

TEST(EditionTexts, EveryTextIsWrittenAndTranslated) {
    ASSERT_EQ(kEnglish.textCount, kGerman.textCount);
    for (size_t i = 0; i < kEnglish.textCount; ++i) {
        EXPECT_FALSE(str(kEnglish.texts[i].text).empty()) << kEnglish.texts[i].key;
        EXPECT_FALSE(str(kGerman.texts[i].text).empty()) << kGerman.texts[i].key;
        EXPECT_NE(str(kEnglish.texts[i].text), str(kGerman.texts[i].text)) << kEnglish.texts[i].key;
    }
}

TEST(EditionTexts, EnglishQuotedTextsAreExactTypingErrorsIncluded) {
    for (const QuotedText& q : kQuotedEnglish) {
        const TextRow* row = findText(kEnglish, q.key);
        ASSERT_NE(row, nullptr) << q.key;
        EXPECT_EQ(str(row->text), q.text) << q.key;
    }
    // the typing errors the game is known for
    EXPECT_NE(str(findText(kEnglish, "NOTALK_Studiogirl")->text).find("borthering me! I haven't aten"),
              std::string::npos);
    EXPECT_NE(str(findText(kEnglish, "OpenSchranke4")->text).find("borthering"), std::string::npos);
    EXPECT_NE(str(findText(kEnglish, "NOUSE_FreakSatt")->text).find("thanls"), std::string::npos);
    EXPECT_NE(str(findText(kEnglish, "StudioGirlKeinBelag")->text).find("I you to get me"), std::string::npos);
    EXPECT_NE(scriptLine(kEnglish, "CrashPanic").find("Cola /n resistent?"), std::string::npos);
}

TEST(EditionTexts, GermanDefaultRepliesAreExact) {
    EXPECT_EQ(str(findText(kGerman, "NOT_TAKE")->text), "Das brauche ich nicht.");
    EXPECT_EQ(str(findText(kGerman, "NOT_TALK")->text), "Ich weiß nicht was ich sagen soll.");
    EXPECT_EQ(str(findText(kGerman, "NOT_USE")->text), "Ich wüsste nicht warum ich das tun sollte.");
    EXPECT_EQ(str(findText(kGerman, "CONFIRM_TAKE")->text), "Juhu, ich habs!");
}

TEST(EditionTexts, OnlyTheScarecrowGreetingPaintsANameInMagenta) {
    for (const Edition* ed : kEditions) {
        for (size_t i = 0; i < ed->textCount; ++i) {
            std::string key = str(ed->texts[i].key), t = str(ed->texts[i].text);
            size_t k = t.find("/k"), c = t.find("/c");
            if (key == "NOTALK_Vogelscheuche") {
                ASSERT_NE(k, std::string::npos) << ed->language;
                ASSERT_NE(c, std::string::npos) << ed->language;
                EXPECT_LT(k, c) << ed->language;
                EXPECT_NE(t.substr(k, c - k).find("Quobble"), std::string::npos) << ed->language;
                EXPECT_EQ(t.find("/k", k + 1), std::string::npos) << ed->language;
            } else {
                EXPECT_EQ(k, std::string::npos) << ed->language << " " << key;
                EXPECT_EQ(c, std::string::npos) << ed->language << " " << key;
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Conversations
// ---------------------------------------------------------------------------

TEST(EditionDialogue, EnglishTopicsAndLinesAreExact) {
    const size_t topics = sizeof kExpectedEnglishTopics / sizeof kExpectedEnglishTopics[0];
    ASSERT_EQ(kEnglish.topicCount, topics);
    for (size_t i = 0; i < topics; ++i) {
        EXPECT_EQ(str(kEnglish.topics[i].partner), kExpectedEnglishTopics[i].partner) << i;
        EXPECT_EQ(str(kEnglish.topics[i].id), kExpectedEnglishTopics[i].id) << i;
        EXPECT_EQ(str(kEnglish.topics[i].label), kExpectedEnglishTopics[i].label) << i;
    }
    const size_t lines = sizeof kExpectedEnglishLines / sizeof kExpectedEnglishLines[0];
    ASSERT_EQ(kEnglish.lineCount, lines);
    for (size_t i = 0; i < lines; ++i) {
        EXPECT_EQ(str(kEnglish.lines[i].partner), kExpectedEnglishLines[i].partner) << i;
        EXPECT_EQ(str(kEnglish.lines[i].topic), kExpectedEnglishLines[i].topic) << i;
        EXPECT_EQ(kEnglish.lines[i].who, kExpectedEnglishLines[i].who) << i;
        EXPECT_EQ(str(kEnglish.lines[i].text), kExpectedEnglishLines[i].text) << i;
    }
}

TEST(EditionDialogue, GermanHasTheSameTopicsSpeakersAndUnlocks) {
    ASSERT_EQ(kGerman.topicCount, kEnglish.topicCount);
    for (size_t i = 0; i < kEnglish.topicCount; ++i) {
        EXPECT_EQ(str(kGerman.topics[i].partner), str(kEnglish.topics[i].partner)) << i;
        EXPECT_EQ(str(kGerman.topics[i].id), str(kEnglish.topics[i].id)) << i;
        EXPECT_FALSE(str(kGerman.topics[i].label).empty()) << i;
        EXPECT_NE(str(kGerman.topics[i].label), str(kEnglish.topics[i].label)) << kEnglish.topics[i].id;
    }
    ASSERT_EQ(kGerman.lineCount, kEnglish.lineCount);
    for (size_t i = 0; i < kEnglish.lineCount; ++i) {
        const LineRow& en = kEnglish.lines[i];
        const LineRow& de = kGerman.lines[i];
        EXPECT_EQ(str(de.partner), str(en.partner)) << i;
        EXPECT_EQ(str(de.topic), str(en.topic)) << i;
        EXPECT_EQ(de.who, en.who) << i;
        if (en.who == kUnlock) {
            EXPECT_EQ(str(de.text), str(en.text)) << i;
        } else {
            EXPECT_FALSE(str(de.text).empty()) << i;
            EXPECT_NE(str(de.text), str(en.text)) << i;
        }
    }
}

TEST(EditionDialogue, EveryLineBelongsToAKnownTopicAndUnlocksOneOfItsPartner) {
    for (const Edition* ed : kEditions) {
        std::set<std::pair<std::string, std::string>> topics;
        for (size_t i = 0; i < ed->topicCount; ++i)
            EXPECT_TRUE(topics.insert({str(ed->topics[i].partner), str(ed->topics[i].id)}).second)
                << ed->language << " topic " << ed->topics[i].id << " twice";
        for (size_t i = 0; i < ed->lineCount; ++i) {
            const LineRow& l = ed->lines[i];
            EXPECT_TRUE(topics.count({str(l.partner), str(l.topic)})) << ed->language << " line " << i;
            if (l.who == kUnlock) {
                EXPECT_TRUE(topics.count({str(l.partner), str(l.text)})) << ed->language << " unlock " << l.text;
            }
        }
    }
}

TEST(EditionDialogue, TheBurpLineOpensTheBurbTopicInEachEdition) {
    for (const Edition* ed : kEditions) {
        std::string first;
        for (size_t i = 0; i < ed->lineCount && first.empty(); ++i)
            if (str(ed->lines[i].topic) == "Burb" && ed->lines[i].who == kPartner) first = str(ed->lines[i].text);
        EXPECT_EQ(first, scriptLine(*ed, "BurpLine")) << ed->language;
    }
    EXPECT_EQ(scriptLine(kEnglish, "BurpLine"), "*BUUUUUURP*");
    EXPECT_EQ(scriptLine(kGerman, "BurpLine"), "*RÜÜÜÜÜÜÜLPS*");
}

// ---------------------------------------------------------------------------
// Script lines and credits
// ---------------------------------------------------------------------------

TEST(EditionScriptLines, BothHaveTheSameIdsInOrder) {
    const size_t expected = sizeof kExpectedScriptIds / sizeof kExpectedScriptIds[0];
    for (const Edition* ed : kEditions) {
        ASSERT_EQ(ed->scriptLineCount, expected) << ed->language;
        for (size_t i = 0; i < expected; ++i)
            EXPECT_EQ(str(ed->scriptLines[i].id), kExpectedScriptIds[i]) << ed->language << " " << i;
    }
}

TEST(EditionScriptLines, EnglishQuotedLinesAreExact) {
    for (const QuotedText& q : kQuotedEnglishScript) EXPECT_EQ(scriptLine(kEnglish, q.key), q.text) << q.key;
}

TEST(EditionScriptLines, GermanLinesAreTranslatedExceptTheDiskPrompt) {
    for (size_t i = 0; i < kEnglish.scriptLineCount; ++i) {
        std::string id = str(kEnglish.scriptLines[i].id);
        std::string en = str(kEnglish.scriptLines[i].text), de = str(kGerman.scriptLines[i].text);
        EXPECT_FALSE(de.empty()) << id;
        if (id == "IntroPatch3" || id == "IntroPatch5")
            EXPECT_EQ(de, en) << id;  // a DOS command and three dots need no translation
        else
            EXPECT_NE(de, en) << id;
    }
}

TEST(EditionScriptLines, CreditPagesListRolesAndEndWithTheWebAddress) {
    const char* by[] = {" /n by /n ", " /n von /n "};
    const char* ending[] = {"Enjoy.", "Viel Spaß."};
    for (int e = 0; e < 2; ++e) {
        const Edition& ed = *kEditions[e];
        for (int page = 1; page <= 7; ++page) {
            std::string t = scriptLine(ed, ("Credits" + std::to_string(page)).c_str());
            EXPECT_NE(t.find(by[e]), std::string::npos) << ed.language << " page " << page;
            EXPECT_LE(lineLengths(t).size(), 16u) << ed.language << " page " << page;
        }
        std::string last = scriptLine(ed, "Credits8");
        EXPECT_NE(last.find(kSiteAddress), std::string::npos) << ed.language;
        ASSERT_GE(last.size(), std::strlen(ending[e]));
        EXPECT_EQ(last.substr(last.size() - std::strlen(ending[e])), ending[e]) << ed.language;
    }
}

TEST(EditionScriptLines, TheClosingTextNamesTheWebsiteAndTheMakers) {
    for (const Edition* ed : kEditions) {
        std::string closing = scriptLine(*ed, "EndClosing");
        EXPECT_NE(closing.find(kSiteAddress), std::string::npos) << ed->language;
        EXPECT_NE(closing.find("Hollowmere"), std::string::npos) << ed->language;
        EXPECT_EQ(lineLengths(scriptLine(*ed, "EndEpilogue")).size(), 4u) << ed->language;
    }
    std::string en = scriptLine(kEnglish, "EndClosing");
    EXPECT_EQ(en.substr(en.size() - std::strlen("The Hollowmere Team")), "The Hollowmere Team");
}

// ---------------------------------------------------------------------------
// Drawable: glyphs, markup and the width of the screen
// ---------------------------------------------------------------------------

TEST(EditionLayout, LineBreaksAreWrittenAsBlankSlashNBlank) {
    for (const Edition* ed : kEditions) {
        for (const AnyText& t : allTexts(*ed)) {
            const std::string& s = t.text;
            for (size_t i = s.find("/n"); i != std::string::npos; i = s.find("/n", i + 2)) {
                EXPECT_TRUE(i > 0 && s[i - 1] == ' ') << ed->language << " " << t.where;
                EXPECT_TRUE(i + 2 < s.size() && s[i + 2] == ' ') << ed->language << " " << t.where;
            }
            // "/r" would swallow the character after it
            EXPECT_EQ(s.find("/r"), std::string::npos) << ed->language << " " << t.where;
        }
    }
}

TEST(EditionLayout, EveryLineFitsTheScreen) {
    for (const Edition* ed : kEditions) {
        for (const AnyText& t : allTexts(*ed)) {
            if (t.givenWording) continue;  // fixed English wording is shown as given
            EXPECT_LE(longestLine(t.text), t.limit) << ed->language << " " << t.where << ": " << t.text;
        }
    }
}

TEST(EditionLayout, GivenEnglishWordingIsTheOnlyExceptionToTheLineLimit) {
    size_t overlong = 0;
    for (const AnyText& t : allTexts(kEnglish))
        if (longestLine(t.text) > t.limit) {
            EXPECT_TRUE(t.givenWording) << t.where;
            ++overlong;
        }
    // the four known long lines wrap at the screen edge as they always did
    EXPECT_EQ(overlong, 4u);
}

TEST(EditionLayout, PatchDiskPromptsFitBesideTheirPlace) {
    // "PLEASE INSERT..." and "THANK YOU!" stand at x 316, the rest at x 348;
    // the last glyph must start at or before x 782.
    for (const Edition* ed : kEditions) {
        for (int n = 1; n <= 5; ++n) {
            std::string id = "IntroPatch" + std::to_string(n);
            int x = n <= 2 ? 316 : 348;
            size_t fits = static_cast<size_t>((782 - x) / 14 + 1);
            EXPECT_LE(longestLine(scriptLine(*ed, id.c_str())), fits) << ed->language << " " << id;
        }
    }
}

TEST(EditionLayout, GermanLinesStillFitWithTheWebAddressAppended) {
    // the scripts append " - " and the address to the version note, and the
    // address to the farewell; the English wording of both is fixed
    std::string version = scriptLine(kGerman, "IntroVersion") + " - " + kSiteAddress;
    std::string farewell = scriptLine(kGerman, "QuitFarewell") + kSiteAddress;
    EXPECT_LE(longestLine(version), 55u) << version;
    EXPECT_LE(longestLine(farewell), 55u) << farewell;
}

}  // namespace
