// SPDX-License-Identifier: MIT
// text_en.cpp - every word of the English edition.
//
// Only the text literals differ between the editions: keys, seconds, colours,
// topic ids and script line ids are the same in text_de.cpp, row for row.
// " /n " breaks a line, "/k" ... "/c" paints a name magenta. A line holds at
// most 55 characters (the 24 px font from x 4), a credits line at most 50.
// Only printable ASCII and ä ö ü Ä Ö Ü ß have glyphs in the fonts.
#include "game/edition.h"

namespace {

// ---------------------------------------------------------------------------
// Stored texts, in definition order: key, seconds on screen, colour, text.
// The farmer speaks in red, the girls in dark green, the freak, the fat man
// and the party kids in dark blue; everything else is Quobble in white.
// ---------------------------------------------------------------------------
const TextRow kTexts[] = {
    // --- default replies -----------------------------------------------------
    {"NOT_TAKE", 3, kWhite, "I don't need that."},
    {"NOT_TALK", 3, kWhite, "I don't know what to say."},
    {"NOT_USE", 3, kWhite, "Why should I do that?"},
    {"CONFIRM_TAKE", 3, kWhite, "Yay, I got it!"},

    // --- behind the barn, and the barn inside --------------------------------
    {"LOOK_ICON_Hut", 3, kWhite, "A pointy black hat. Very fashionable on this planet."},
    {"LOOK_Key", 3, kWhite, "The key to the barn. My ship is as good as saved!"},
    {"LOOK_ScheuneInnenSlime", 3, kWhite, "Slime from my ship's tank. It still glows. Lovely."},
    {"LOOK_ScheuneHintenShip", 6, kWhite,
     "My glorious spaceship, the pride of Reduro-7! /n Stuck nose first in Earth dirt. How undignified."},
    {"LOOK_ScheuneHintenKette", 6, kWhite,
     "A chain with a hook, hanging from a pulley up in the /n loft. Strong enough to lift a spaceship, I bet."},
    {"LOOK_ScheuneHintenKetteAufgehängt", 6, kWhite,
     "The chain is hooked to my ship. Now the pulley just /n needs some power to pull it out of the ground."},
    {"UseHaken1", 12, kWhite,
     "I could use the pulley to lift my spaceship out of the /n ground. Fortunately I installed this clutch for /n "
     "interstellar towing actions."},

    // --- the barn front: lock and mouse --------------------------------------
    {"LOOK_ScheuneVorneSchloss", 3, kWhite, "A big rusty padlock. It guards the barn door."},
    {"NOTALK_ScheuneVorneSchloss", 5, kWhite, "Open, sesame! /n ...No? Well, it was worth a try."},
    {"NOTAKE_ScheuneVorneSchloss", 3, kWhite, "It is locked tight to the door."},
    {"NOUSE_ScheuneVorneSchloss", 3, kWhite, "I don't have a key."},
    {"LOOK_Maus", 4, kWhite, "A mouse. A distant cousin of mine, but with far /n worse manners."},
    {"NOTAKE_Maus", 4, kWhite, "Too quick for me. I need something to lure it with."},
    {"NOTALK_Maus", 4, kWhite, "Squeak? Squeeeak? /n It only speaks the crude dialect of Earth rodents."},
    {"NOUSE_Maus", 4, kWhite, "I'd rather not poke it. It has very sharp teeth."},
    {"NOUSE_MausGefangen", 4, kWhite, "Leave the poor thing alone, it is scared enough."},
    {"GotMaus", 4, kWhite, "I got it."},

    // --- the scarecrow in the field ------------------------------------------
    {"LOOK_Vogelscheuche", 4, kWhite,
     "A scarecrow in a fine pointy hat. He stares at the /n field and thinks deep thoughts. Or none at all."},
    {"NOTALK_Vogelscheuche", 7, kWhite,
     "A lifeform, what a joy! I am /kQuobble Tuftwhirl the /n Great/c and I come in peace. Do you understand me? /n "
     "Hello? Salut? Hallo? 01001010101 010111011010101? /n ...He doesn't say a word... /n "
     "*Yawn* This chat is sooo boring!"},
    {"LOOK_VogelscheucheOhneHut", 4, kWhite,
     "Hmm, he looks sad. Well, it was a nice hat that he had. /n And now it's mine! Mine alone!"},
    {"NOTALK_VogelscheucheOhneHut", 5, kWhite,
     "Deadly silence. I think he is sulking because I stole /n his hat... Haha On Reduro-7 only female Hamsters "
     "behave like that."},
    {"CONFIRMTAKE_HUT", 5, kWhite, "A genuine pointy hat! It makes me look even more /n distinguished than usual."},

    // --- the farm: farmer, key and the crying girl ---------------------------
    {"LOOK_FarmhausKey", 3, kWhite, "A key hangs on a hook by the door."},
    {"LOOK_FarmhausFarmer", 4, kWhite, "The farmer. He looks as friendly as a thundercloud."},
    {"NOTAKE_FarmhausKey", 3, kRed,
     "Hey you! Get off my property! Get the hell outa here, /n before I make you run!"},
    {"NOTAKE_FarmhausFarmer", 4, kWhite, "He is far too heavy. And far too grumpy."},
    {"LOOK_CryGirl", 4, kWhite, "A little girl, crying her eyes out. /n Even my whiskers droop at the sight."},
    {"NOUSE_CryGirl", 3, kWhite, "I have nothing that could cheer her up."},
    {"NOTAKE_CryGirl", 4, kWhite, "I can't just carry off the farmer's daughter!"},
    {"LOOK_CryGirlHappy", 4, kWhite, "She is totally happy."},
    {"NOTAKE_CryGirlHappy", 4, kWhite, "Better not. She looks so happy."},
    {"NOTALK_CryGirlHappy", 4, kDarkGreen, "Oh thank you very much Quob! I am so happy!"},
    {"NOUSE_CryGirlHappy", 4, kWhite, "I don't want to sadden her again."},
    {"CryGirlCostumeThank1", 8, kDarkGreen,
     "Thank you very much for the beautiful costume. /n Here is the key to our barn."},
    {"NOTAKE_Vogelscheuche", 3, kWhite, "He is nailed to his post. Poor fellow."},

    // --- the gym: studio girl, janitor, fat man ------------------------------
    {"NOTALK_Studiogirl", 12, kDarkGreen,
     "Stop borthering me! I haven't aten anything the whole /n "
     "day and I am in a very bad mood! I may be on diet, but "
     "/n I'd love a good sandwich."},
    {"NOTAKE_Studiogirl", 4, kWhite, "She would flatten me with a dumbbell."},
    {"LOOK_Studiogirl", 4, kWhite, "The girl at the counter. She looks hungry. /n And angry. Mostly angry."},
    {"LOOK_MausSandwich", 4, kWhite, "A sandwich with a living mouse in it. /n You can't get it any fresher."},
    {"StudioGirlKeinBelag", 8, kDarkGreen,
     "Yuck! There is nothing meaty on it! I you to get me /n something decent or get out!"},
    {"LOOK_Hausmeister", 3, kWhite, "The janitor. He plunges that toilet with passion."},
    {"NOTAKE_Hausmeister", 3, kWhite, "He would flush me down with the rest."},
    {"LOOK_Lippenstift", 3, kWhite, "A bright red lipstick on the counter."},
    {"NOTAKE_Lippenstift", 4, kDarkGreen, "Paws off my lipstick, furball!"},
    {"LOOK_Brot", 4, kWhite, "A dry bread roll. Too good to throw away, /n if you ask a hamster."},
    {"NOTAKE_Fatman", 3, kWhite, "I could never lift him. Nobody could."},
    {"LOOK_Fatman", 4, kWhite, "A very round man on a treadmill. He sweats /n enough to water a whole field."},
    {"NOUSE_Fatman", 6, kDarkBlue,
     "*gasp* I can't make another move! *moan* I would give /n anything for something sweet to give me strength... "
     "*drool* *gasp* *sweat*"},
    {"GiveLollyFatman1", 3, kWhite, "Here I have something for you."},
    {"GiveLollyFatman2", 6, kWhite,
     "Oh praised be the lord. I couldn't take this sports /n nonsense another minute."},
    {"LOOK_FatmanEating", 3, kWhite, "He licks his lolly in pure bliss."},
    {"NOTAKE_FatmanEating", 7, kWhite,
     "He won't budge. Even the tractor beam of my ship /n couldn't move him now."},
    {"NOTALK_FatmanEating", 7, kWhite,
     "Better not. He is having a deeply private moment /n with that lolly."},
    {"NOUSE_FatmanEating", 3, kWhite, "Let him enjoy his lolly in peace."},
    {"NotWhileFatmanWalking", 3, kWhite, "I can't do that while he is walking."},
    {"GotLaufband", 3, kWhite, "Yay, I got it. Now I can walk all I want."},

    // --- the school party: the burp contest ----------------------------------
    {"LOOK_Burbkid1", 4, kWhite, "A boy with a belly full of fizzy drinks."},
    {"NOTAKE_Burbkid1", 4, kWhite, "He sloshes enough as it is."},
    {"LOOK_Burbkid2", 4, kWhite, "The leader of the gang. They call him /n the burp master."},
    {"NOTAKE_Burbkid2", 4, kWhite, "I'd rather not. He looks ready to go off."},
    {"LOOK_Burbkid3", 4, kWhite, "This one is slightly green in the face."},
    {"NOTAKE_Burbkid3", 4, kDarkBlue, "Hey! Paws off, hamster!"},
    {"NOTALK_Burbkid3", 4, kDarkBlue, "Shh! I'm saving up air for my next burp."},
    {"NOUSE_Burbkid3", 4, kWhite, "Better not shake him. He might explode."},
    {"TrinkenBurbContest", 4, kWhite, "I should get something to drink first."},
    {"LOOK_Bowle", 4, kWhite, "A bowl of punch. Bright pink and full of bubbles."},
    {"TAKECONFIRM_Bowle", 4, kWhite, "A cup of punch to go. It tickles my nose already."},
    {"LOOK_Umhang", 4, kWhite, "A black cape. Just the thing for a witch."},
    {"LOOK_BurbkidsKO", 4, kWhite,
     "Knocked out by my mighty burp. On Reduro-7 that /n would count as a polite greeting."},
    {"NOTAKE_BurbkidsKO", 4, kWhite, "Let them sleep it off."},
    {"NOUSE_BurbkidsKO", 4, kWhite, "Better not wake them. They might want a rematch."},
    {"NOTALK_BurbkidsKO", 4, kWhite, "Hello? ...Out cold, all three of them."},
    {"LOOK_Knoblauch", 4, kWhite, "A bulb of garlic. Who brings garlic to a party? /n Ah, of course. Vampires."},
    {"TAKECONFIRM_Knoblauch", 4, kWhite, "Phew, what a stink! My breath is scared already."},

    // --- the school yard: ticket kid -----------------------------------------
    {"LOOK_TicketstandKid", 4, kWhite, "A boy at the barrier. He only lets in guests /n with a ticket."},
    {"NOTAKE_TicketstandKid", 4, kWhite, "He won't leave his post. Very dutiful."},
    {"NOUSE_TicketstandKid", 4, kDarkBlue, "No ticket, no party. Rules are rules."},
    {"LOOK_Ticket", 4, kWhite, "A ticket for the Halloween party at the school."},
    {"OpenSchranke1", 4, kWhite, "Good, you have a ticket. I open the barrier."},
    {"OpenSchranke2", 4, kWhite, "Hey, that's very kind of you, I am in your de-"},
    {"OpenSchranke3", 4, kWhite, "Yeah yeah, get in and enjoy yourself already."},
    {"OpenSchranke4", 6, kWhite,
     "I have seen your ticket already. Why are you still /n borthering me?! Get in."},
    {"OpenSchranke5", 4, kWhite, "Oh yes. I forgot."},

    // --- the crossroads: the freak -------------------------------------------
    {"LOOK_FreakSatt", 4, kWhite, "He looks as if this was the happiest day of his life."},
    {"LOOK_Freak", 4, kWhite, "A lanky fellow in a strange uniform. /n Could he be from outer space too?"},
    {"NOTALK_Freak", 15, kDarkBlue,
     "Sorry, no time. I have to walk around and look sad, /n so that somebody asks me why I am sad. Then I can /n "
     "tell them all about Star Wrack. Nobody asked yet. /n I started three hours ago."},
    {"NOUSE_Freak", 5, kDarkBlue, "Hey, don't touch the uniform! It's an original prop!"},
    {"NOTAKE_Freak", 5, kDarkBlue, "No boarding without permission, cadet!"},
    {"NOTAKE_FreakSatt", 5, kDarkBlue, "Yum, yum. Lolly."},
    {"NOUSE_FreakSatt", 5, kDarkBlue, "Hmm, thanls for the lolly! I am so happy."},
    {"NOTALK_FreakSatt", 4, kDarkBlue, "Can't talk now, eating."},
    {"GiveLolly1", 3, kWhite, "Here I have something for you."},
    {"GiveLolly2", 5, kDarkBlue,
     "Oh thank you so much! Nobody ever was so kind to me. /n Here is the ticket I promised you."},
    {"GiveLolly3", 5, kDarkBlue, "Yay! *lick* Yum. Yum. *lick*"},

    // --- the school barrier --------------------------------------------------
    {"LOOK_TicketstandSchranke", 4, kWhite, "A barrier. Nobody gets to the party without /n a ticket."},
    {"LOOK_TicketstandSchrankeOffen", 4, kWhite, "The barrier is open for me now"},
    {"NOUSE_TicketstandSchranke", 4, kWhite, "It won't move. The boy at the stand decides /n who gets in."},

    // --- the treadmill and the barn generator --------------------------------
    {"NOTAKE_Laufband", 4, kWhite, "Not while he is running on it. Besides, it is /n bolted down tight."},
    {"LOOK_Laufband", 5, kWhite,
     "A treadmill. An Earth machine for walking very far /n without getting anywhere. Brilliant."},
    {"LOOK_LaufbandItem", 5, kWhite,
     "The belt of the treadmill. A broad band of rubber, /n just what the generator in the barn needs."},
    {"NOUSE_Laufband", 5, kWhite, "The belt is bolted tight. /n I need a tool to get it off."},
    {"LOOK_ScheuneInnenKeinBand", 5, kWhite,
     "I can use it to get the generator of the pulley going. /n But a broad band of rubber is missing."},
    {"LOOK_ScheuneInnenBand", 5, kWhite,
     "The band of rubber is now in place, I could use the /n generator of the pulley now."},

    // --- cheese, and the gym's toilet ----------------------------------------
    {"LOOK_Käse", 4, kWhite, "A piece of cheese. It smells like a dream."},
    {"TAKECONFIRM_Käse", 4, kWhite, "Cheese! I must be strong and not eat it. /n Not yet."},
    {"LOOK_Klopapier", 4, kWhite, "A roll of toilet paper. Earthlings use it for... /n I'd rather not know."},
    {"CONFIRMTAKE_Klopapier", 4, kWhite, "A whole roll. That should be enough for anything."},
    {"ToiletteSequenz", 4, kDarkBlue, "Oh no! This sound... Somebody jammed the toilet!"},
    {"LOOK_Toilette", 6, kWhite,
     "A toilet. Earthlings sit on it and read the paper. /n On Reduro-7 we would call it a throne."},
    {"NOTAKE_Toilette", 5, kWhite, "It is screwed to the floor. And I really don't /n want to carry that around."},
    {"NOTALK_Toilette", 4, kWhite, "Hello? Anybody down there? /n ...Only gurgling."},
    {"LOOK_Toolbox", 5, kWhite, "The janitor's toolbox. Hammers, screws and a lot /n of rust."},
    {"CONFIRMTAKE_Toolbox", 5, kWhite, "A wrench! Now I can unscrew things like a real /n Earth mechanic."},
    {"LOOK_ToolboxTool", 5, kWhite, "A big wrench lies in the toolbox."},
    {"LOOK_Mop", 4, kWhite, "A mop. From afar it looks a bit like a witch's broom."},
    {"CONFIRMTAKE_Mop", 4, kWhite, "With a little imagination this is a witch's broom."},

    // --- the old lady's house ------------------------------------------------
    {"NOUSE_AlteDame", 6, kWhite, "Hmm, nobody opens the door. She is hard of hearing I /n assume."},
    {"LOOK_AlteDame", 4, kWhite,
     "A cosy little house with a pumpkin on the step. /n Somebody old lives here, I can tell."},
    {"LOOK_Lolly", 3, kWhite, "A huge, colourful lolly."},
    {"GetLolly1", 3, kWhite, "Trick or treat!"},
    {"GetLolly2", 8, kWhite,
     "Have I seen you before? I can't remember. Oh, you are /n a cute little one! What kind of a costume is that? "
     "A running rat? How grotesque!"},
    {"GetLolly3", 5, kWhite, "Actually I'm an Hamsian. I come from a foreign planet /n and-"},
    {"GetLolly4", 3, kWhite, "You're a good girl."},
    {"GetLolly5", 3, kWhite, "I'm NOT a girl!"},
    {"GetLolly6", 6, kWhite, "Here take this candy. You asked me so nicely."},
};

// ---------------------------------------------------------------------------
// Conversation topics: partner, topic id, the option shown in the bar.
// ---------------------------------------------------------------------------
const TopicRow kTopics[] = {
    // --- the crying girl behind the farmhouse --------------------------------
    {"CryGirl", "Crash", "Crash landing"},
    {"CryGirl", "Key", "Key"},
    {"CryGirl", "Costume", "Witch costume"},

    // --- the freak at the crossroads -----------------------------------------
    {"Freak", "Sad", "Are you sad?"},
    {"Freak", "FreakCostume", "Star Wrack costume"},
    {"Freak", "Candy", "Candy"},

    // --- the burp master at the school party ---------------------------------
    {"Burbkid2", "Contest", "Contest"},
    {"Burbkid2", "TakePart", "Take part"},
    {"Burbkid2", "Burb", "First show me what you got."},
};

// ---------------------------------------------------------------------------
// Conversation lines: partner, topic, who speaks, text (an unlock names the
// topic it adds to the options).
// ---------------------------------------------------------------------------
const LineRow kLines[] = {
    // --- CryGirl: Crash ------------------------------------------------------
    {"CryGirl", "Crash", kPartner,
     "You're such a cute little fella. If I wasn't so sad I /n would cuddle you."},
    {"CryGirl", "Crash", kHero,
     "I'm Quobble Tuftwhirl and I come from a foreign planet. /n "
     "I crashed into the ground behind a strange locked /n "
     "building nearby."},
    {"CryGirl", "Crash", kPartner, "Behind our barn? *sniff*"},
    {"CryGirl", "Crash", kHero,
     "Yes, that's it. Behind your barn. Do you have any /n idea how I can open it?"},
    {"CryGirl", "Crash", kPartner,
     "Well, my father guards the key and he will not give /n it to you."},
    {"CryGirl", "Crash", kUnlock, "Key"},

    // --- CryGirl: Key --------------------------------------------------------
    {"CryGirl", "Key", kHero, "Couldn't you get me the key?"},
    {"CryGirl", "Key", kPartner, "Sorry, I'm too depressed. *sniff* Unless..."},
    {"CryGirl", "Key", kHero, "Unless what?"},
    {"CryGirl", "Key", kPartner,
     "I'd love to have a great halloween costume like the /n other kids. I'd like to be a witch."},
    {"CryGirl", "Key", kUnlock, "Costume"},

    // --- CryGirl: Costume ----------------------------------------------------
    {"CryGirl", "Costume", kHero, "Where should I get a witch costume?"},
    {"CryGirl", "Costume", kPartner,
     "I don't know either. But I want a costume with cape, /n witch hat, and broom. And I need some lipstick. /n "
     "I want to be a beautiful witch."},
    {"CryGirl", "Costume", kHero,
     "Okay, I'll see what I can do. And you're getting me /n the key?"},
    {"CryGirl", "Costume", kPartner, "Of course, you help me and I help you."},

    // --- Freak: Sad ----------------------------------------------------------
    {"Freak", "Sad", kHero,
     "Hey! You look sad as you are walking lonely through /n the streets..."},
    {"Freak", "Sad", kPartner,
     "Phew, yeah. Somehow I am a bit dragged down. Not even /n my original Star Wrack Costume is helping."},

    // --- Freak: FreakCostume -------------------------------------------------
    {"Freak", "FreakCostume", kHero, "What is this strange costume you are wearing?"},
    {"Freak", "FreakCostume", kPartner,
     "Yes, sadly they all say that in this city. I got this /n "
     "sporty outfit off the internet, it's an original prop /n "
     "of my favorite sci-fi show, Star Wrack. But nobody but /n me likes it. Who needs friends. The sad thing is, /n "
     "I don't get any candy."},
    {"Freak", "FreakCostume", kUnlock, "Candy"},

    // --- Freak: Candy --------------------------------------------------------
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
     "communicate with me... What on earth should I be doing?! /n Nah, that is too dangerous for my taste."},

    // --- Burbkid2: Contest ---------------------------------------------------
    {"Burbkid2", "Contest", kHero, "What are you doing here? Is this some sort of contest?"},
    {"Burbkid2", "Contest", kPartner,
     "Right. We are doing a burp contest! The loudest burp /n wins. Or in my case the last boy standing. Haha."},
    {"Burbkid2", "Contest", kUnlock, "TakePart"},

    // --- Burbkid2: TakePart --------------------------------------------------
    {"Burbkid2", "TakePart", kHero, "Could I take part in your contest?"},
    {"Burbkid2", "TakePart", kPartner, "Hmm, if you are man enough..."},
    {"Burbkid2", "TakePart", kHero, "I am Hamster enough, is that valid too?"},
    {"Burbkid2", "TakePart", kPartner,
     "Sure, but you don't have a chance. /n I am the burp master! /n When you are ready, just show me what you got!"},
    {"Burbkid2", "TakePart", kUnlock, "Burb"},

    // --- Burbkid2: Burb ------------------------------------------------------
    {"Burbkid2", "Burb", kPartner, "*BUUUUUURP*"},
    {"Burbkid2", "Burb", kHero, "*burp*"},
    {"Burbkid2", "Burb", kPartner, "Hahahaha! That was nothing! It didn't even smell bad!"},
};

// ---------------------------------------------------------------------------
// Literal lines of the intro, credits, crash, menu and puzzle scripts, by id.
// ---------------------------------------------------------------------------
const ScriptLineRow kScriptLines[] = {
    // --- the CGA intro -------------------------------------------------------
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

    // --- the credits: eight pages of roles and makers ------------------------
    {"CreditsTitle", "Credits - Quobble Tuftwhirl"},
    {"Credits1",
     "Idea /n by /n The Hollowmere Team /n /n "
     "Writing /n by /n The Hollowmere Team /n /n "
     "Game design /n by /n The Hollowmere Team"},
    {"Credits2",
     "Programming /n by /n the hollowmere developers /n /n "
     "Scripting /n by /n the hollowmere developers /n /n "
     "The Mossgate engine /n by /n the hollowmere developers"},
    {"Credits3",
     "Background art /n by /n our generator /n /n "
     "Animations /n by /n our generator /n /n "
     "Rendering /n by /n our generator /n /n "
     "Additional graphics /n by /n The Hollowmere Team"},
    {"Credits4",
     "Concept art /n by /n The Hollowmere Team /n /n "
     "Storyboard /n by /n The Hollowmere Team"},
    {"Credits5", "Project lead /n by /n The Hollowmere Team"},
    {"Credits6", "Testing /n by /n everyone who played the builds"},
    {"Credits7",
     "Box art /n by /n our generator /n /n "
     "Manual /n by /n The Hollowmere Team"},
    {"Credits8",
     "Tell us what you think of the game! /n Leave your feedback on our website: /n /n "
     "https://hollowmere.example.org /n /n Enjoy."},

    // --- the crash and the menu ----------------------------------------------
    {"CrashPanic", "AAAAAAAAAAAARGH! Why is this controller not Cola /n resistent? Drat! No system is responding!"},
    {"CrashRacing", "Oh no! I am racing towards this foreign planet! I will /n crash!"},
    {"QuitFarewell", "We hope you had fun and come back soon. /n More info about the game on: "},

    // --- the game: arrival, costume, ending ----------------------------------
    {"Greeting",
     "Hallo I am Quobble Tuftwhirl from planet Reduro-7. /n  I am stranded on this foreign planet. /n "
     "Whatever shall I do now?"},
    {"GirlThanks", "Thanks! I still need..."},
    {"GirlNeedBroom", "...the witches broom..."},
    {"GirlNeedLipstick", "...the lipstick..."},
    {"GirlNeedCape", "...the cape..."},
    {"GirlNeedHat", "...the witch hat..."},
    {"GirlKey", "...to get you the key."},
    {"EndEpilogue",
     "After it was pulled out of the ground, the spaceship /n vanished without a trace. /n "
     "Our hero Quobble Tuftwhirl is stranded once again. /n What will he do now?"},
    {"EndClosing",
     "Thank you for playing! Tell us how you liked it /n and leave your feedback on our website: /n "
     "https://hollowmere.example.org /n /n The Hollowmere Team"},
    {"BurpLine", "*BUUUUUURP*"},
    {"SaveDone", "Game saved."},
    {"SaveNone", "No saved game."},
    {"SaveUnreadable", "The saved game cannot be read."},
    {"SaveFailed", "The game could not be saved."},
    {"SaveRestored", "Game restored."},
    {"SaveOtherEdition", "This game was saved by the German edition."},
    {"SlotsTitle", "Saved games"},
    {"SlotsQuick", "Quick save (F5)"},
    {"SlotsAuto", "Autosave"},
    {"SlotsPlayer", "Slot"},
    {"SlotsEmpty", "empty"},
    {"SlotsPlayed", "Played"},
    {"SlotsSave", "Save here"},
    {"SlotsLoad", "Load"},
    {"SlotsDelete", "Delete"},
    {"SlotsBack", "Back"},
    {"SlotsYes", "Yes"},
    {"SlotsNo", "No"},
    {"SlotsAskOverwrite", "Save over the game in this slot?"},
    {"SlotsAskDelete", "Delete the game in this slot?"},
    {"PlaceScheuneHinten", "Behind the barn"},
    {"PlaceScheuneVorne", "In front of the barn"},
    {"PlaceScheuneFern", "The field by the barn"},
    {"PlaceScheuneInnen", "Inside the barn"},
    {"PlaceFarmhaus", "The farmhouse"},
    {"PlaceFarmhausHinten", "Behind the farmhouse"},
    {"PlaceKreuzung", "The crossroads"},
    {"PlaceFitnessStudioAussen", "Outside the gym"},
    {"PlaceFitnessStudioInnen", "The gym"},
    {"PlaceTrainingsraum", "The training room"},
    {"PlaceToilette", "The gym's toilet"},
    {"PlaceHausAlteDame", "The old lady's house"},
    {"PlaceSchule", "The school"},
    {"PlaceSchulparty", "The school party"},
};

}  // namespace

const Edition kEnglish = {
    "en",
    kTexts,
    sizeof kTexts / sizeof kTexts[0],
    kTopics,
    sizeof kTopics / sizeof kTopics[0],
    kLines,
    sizeof kLines / sizeof kLines[0],
    kScriptLines,
    sizeof kScriptLines / sizeof kScriptLines[0],
};
