// SPDX-License-Identifier: MIT
// text_de.cpp - every word of the German edition.
//
// Only the text literals differ between the editions: keys, seconds, colours,
// topic ids and script line ids are the same in text_en.cpp, row for row.
// " /n " breaks a line, "/k" ... "/c" paints a name magenta. A line holds at
// most 55 characters (the 24 px font from x 4), a credits line at most 50.
// Only printable ASCII and ä ö ü Ä Ö Ü ß have glyphs in the fonts: no other
// accents, no typographic quotes or dashes.
#include "game/edition.h"

namespace {

// ---------------------------------------------------------------------------
// Stored texts, in definition order: key, seconds on screen, colour, text.
// The farmer speaks in red, the girls in dark green, the freak, the fat man
// and the party kids in dark blue; everything else is Quobble in white.
// ---------------------------------------------------------------------------
const TextRow kTexts[] = {
    // --- default replies -----------------------------------------------------
    {"NOT_TAKE", 3, kWhite, "Das brauche ich nicht."},
    {"NOT_TALK", 3, kWhite, "Ich weiß nicht was ich sagen soll."},
    {"NOT_USE", 3, kWhite, "Ich wüsste nicht warum ich das tun sollte."},
    {"CONFIRM_TAKE", 3, kWhite, "Juhu, ich habs!"},

    // --- behind the barn, and the barn inside --------------------------------
    {"LOOK_ICON_Hut", 3, kWhite, "Ein spitzer schwarzer Hut. Auf diesem Planeten /n der letzte Schrei."},
    {"LOOK_Key", 3, kWhite, "Der Scheunenschlüssel. Mein Schiff ist so gut wie /n gerettet!"},
    {"LOOK_ScheuneInnenSlime", 3, kWhite, "Schleim aus dem Tank meines Schiffs. Er leuchtet /n noch. Wie hübsch."},
    {"LOOK_ScheuneHintenShip", 6, kWhite,
     "Mein prächtiges Raumschiff, der Stolz von Reduro-7! /n Mit der Nase voran im Erdendreck. Wie würdelos."},
    {"LOOK_ScheuneHintenKette", 6, kWhite,
     "Eine Kette mit Haken an einem Flaschenzug oben auf /n dem Heuboden. Die hält sicher ein Raumschiff."},
    {"LOOK_ScheuneHintenKetteAufgehängt", 6, kWhite,
     "Die Kette hängt an meinem Schiff. Jetzt braucht der /n Flaschenzug nur noch Kraft, um es herauszuziehen."},
    {"UseHaken1", 12, kWhite,
     "Mit dem Flaschenzug könnte ich mein Raumschiff aus /n dem Boden ziehen. Zum Glück habe ich diese Kupplung /n "
     "für interstellare Abschleppaktionen einbauen lassen."},

    // --- the barn front: lock and mouse --------------------------------------
    {"LOOK_ScheuneVorneSchloss", 3, kWhite, "Ein dickes, rostiges Vorhängeschloss am Scheunentor."},
    {"NOTALK_ScheuneVorneSchloss", 5, kWhite, "Sesam, öffne dich! /n ...Nein? Einen Versuch war es wert."},
    {"NOTAKE_ScheuneVorneSchloss", 3, kWhite, "Das sitzt bombenfest am Tor."},
    {"NOUSE_ScheuneVorneSchloss", 3, kWhite, "Ich habe keinen Schlüssel."},
    {"LOOK_Maus", 4, kWhite, "Eine Maus. Eine entfernte Cousine von mir, aber mit /n viel schlechteren Manieren."},
    {"NOTAKE_Maus", 4, kWhite, "Die ist mir zu flink. Ich brauche einen Köder."},
    {"NOTALK_Maus", 4, kWhite, "Piep? Pieeep? /n Sie spricht nur den groben Dialekt der Erdnager."},
    {"NOUSE_Maus", 4, kWhite, "Die stupse ich lieber nicht an. /n Die hat spitze Zähne."},
    {"NOUSE_MausGefangen", 4, kWhite, "Lass das arme Ding in Ruhe, es hat schon genug Angst."},
    {"GotMaus", 4, kWhite, "Hab sie."},

    // --- the scarecrow in the field ------------------------------------------
    {"LOOK_Vogelscheuche", 4, kWhite,
     "Eine Vogelscheuche mit einem feinen Spitzhut. Der /n Kerl starrt aufs Feld und denkt tief nach. Oder nicht."},
    {"NOTALK_Vogelscheuche", 7, kWhite,
     "Eine Lebensform, welche Freude! Ich bin /kQuobble /n Tuftwhirl der Große/c und komme in Frieden. /n "
     "Verstehst du mich? Hallo? Salut? Hello? /n 01001010101 010111011010101? /n ...Er sagt kein Wort... /n "
     "*Gähn* Diese Unterhaltung ist sooo langweilig!"},
    {"LOOK_VogelscheucheOhneHut", 4, kWhite,
     "Hmm, er sieht traurig aus. Na ja, es war ein schöner /n Hut. Und jetzt gehört er mir! Mir ganz allein!"},
    {"NOTALK_VogelscheucheOhneHut", 5, kWhite,
     "Eisiges Schweigen. Ich glaube, er schmollt, weil ich /n "
     "seinen Hut geklaut habe... Haha. Auf Reduro-7 machen /n "
     "das nur die Hamsterdamen."},
    {"CONFIRMTAKE_HUT", 5, kWhite, "Ein echter Spitzhut! Damit sehe ich noch vornehmer /n aus als sonst."},

    // --- the farm: farmer, key and the crying girl ---------------------------
    {"LOOK_FarmhausKey", 3, kWhite, "Neben der Tür hängt ein Schlüssel am Haken."},
    {"LOOK_FarmhausFarmer", 4, kWhite, "Der Bauer. Er sieht so freundlich aus wie eine /n Gewitterwolke."},
    {"NOTAKE_FarmhausKey", 3, kRed,
     "He, du da! Runter von meinem Hof! Scher dich zum /n Teufel, bevor ich dir Beine mache!"},
    {"NOTAKE_FarmhausFarmer", 4, kWhite, "Der ist viel zu schwer. Und viel zu grantig."},
    {"LOOK_CryGirl", 4, kWhite,
     "Ein kleines Mädchen, das sich die Augen ausweint. /n Da lasse sogar ich die Schnurrhaare hängen."},
    {"NOUSE_CryGirl", 3, kWhite, "Ich habe nichts, was sie aufheitern könnte."},
    {"NOTAKE_CryGirl", 4, kWhite, "Ich kann doch nicht die Tochter des Bauern /n entführen!"},
    {"LOOK_CryGirlHappy", 4, kWhite, "Sie ist überglücklich."},
    {"NOTAKE_CryGirlHappy", 4, kWhite, "Lieber nicht. Sie sieht so glücklich aus."},
    {"NOTALK_CryGirlHappy", 4, kDarkGreen, "Vielen, vielen Dank, Quob! Ich bin so glücklich!"},
    {"NOUSE_CryGirlHappy", 4, kWhite, "Ich will sie nicht wieder traurig machen."},
    {"CryGirlCostumeThank1", 8, kDarkGreen,
     "Vielen Dank für das wunderschöne Kostüm! /n Hier ist der Schlüssel zu unserer Scheune."},
    {"NOTAKE_Vogelscheuche", 3, kWhite, "Der ist an seinen Pfahl genagelt. Armer Kerl."},

    // --- the gym: studio girl, janitor, fat man ------------------------------
    {"NOTALK_Studiogirl", 12, kDarkGreen,
     "Hör auf, mich zu nerven! Ich hab den ganzen Tag noch /n nichts gegessen und hab furchtbar schlechte Laune! /n "
     "Ich bin zwar auf Diät, aber für ein ordentliches /n Sandwich würde ich sterben."},
    {"NOTAKE_Studiogirl", 4, kWhite, "Die würde mich mit einer Hantel plattmachen."},
    {"LOOK_Studiogirl", 4, kWhite, "Die junge Frau am Empfang. Sie sieht hungrig aus. /n Und wütend. Vor allem wütend."},
    {"LOOK_MausSandwich", 4, kWhite, "Ein Sandwich mit lebender Maus als Belag. /n Frischer geht es nicht."},
    {"StudioGirlKeinBelag", 8, kDarkGreen,
     "Igitt! Da ist ja gar nichts Herzhaftes drauf! Bring /n mir was Anständiges oder verschwinde!"},
    {"LOOK_Hausmeister", 3, kWhite, "Der Hausmeister. Er pümpelt das Klo mit Hingabe."},
    {"NOTAKE_Hausmeister", 3, kWhite, "Der spült mich glatt mit runter."},
    {"LOOK_Lippenstift", 3, kWhite, "Ein knallroter Lippenstift auf dem Tresen."},
    {"NOTAKE_Lippenstift", 4, kDarkGreen, "Pfoten weg von meinem Lippenstift, Fellknäuel!"},
    {"LOOK_Brot", 4, kWhite, "Ein trockenes Brötchen. Zum Wegwerfen viel zu /n schade, findet jeder Hamster."},
    {"NOTAKE_Fatman", 3, kWhite, "Den kann ich nie im Leben hochheben."},
    {"LOOK_Fatman", 4, kWhite,
     "Ein sehr runder Mann auf einem Laufband. Er schwitzt /n genug, um ein ganzes Feld zu gießen."},
    {"NOUSE_Fatman", 6, kDarkBlue,
     "*keuch* Ich kann keinen Schritt mehr! *stöhn* Ich /n würde alles geben für etwas Süßes, das mir Kraft /n "
     "gibt... *sabber* *keuch* *schwitz*"},
    {"GiveLollyFatman1", 3, kWhite, "Hier, ich hab was für dich."},
    {"GiveLollyFatman2", 6, kWhite,
     "Oh, dem Himmel sei Dank! Ich hätte diesen Sportkram /n keine Minute länger ausgehalten."},
    {"LOOK_FatmanEating", 3, kWhite, "Er schleckt selig an seinem Lolli."},
    {"NOTAKE_FatmanEating", 7, kWhite,
     "Der rührt sich keinen Millimeter. Nicht mal der /n Traktorstrahl meines Schiffs würde ihn jetzt bewegen."},
    {"NOTALK_FatmanEating", 7, kWhite,
     "Lieber nicht. Er ist gerade ganz innig mit /n seinem Lolli beschäftigt."},
    {"NOUSE_FatmanEating", 3, kWhite, "Lass ihn seinen Lolli in Ruhe genießen."},
    {"NotWhileFatmanWalking", 3, kWhite, "Das geht nicht, solange er darauf läuft."},
    {"GotLaufband", 3, kWhite, "Juhu, ich habs! Jetzt kann ich laufen, so viel ich /n will."},

    // --- the school party: the burp contest ----------------------------------
    {"LOOK_Burbkid1", 4, kWhite, "Ein Junge mit einem Bauch voller Limonade."},
    {"NOTAKE_Burbkid1", 4, kWhite, "Der gluckert so schon genug."},
    {"LOOK_Burbkid2", 4, kWhite, "Der Anführer der Bande. Sie nennen ihn /n den Rülpsmeister."},
    {"NOTAKE_Burbkid2", 4, kWhite, "Lieber nicht. Der sieht aus, als würde /n er gleich platzen."},
    {"LOOK_Burbkid3", 4, kWhite, "Der hier ist ein bisschen grün im Gesicht."},
    {"NOTAKE_Burbkid3", 4, kDarkBlue, "Hey! Pfoten weg, Hamster!"},
    {"NOTALK_Burbkid3", 4, kDarkBlue, "Psst! Ich sammle Luft für meinen nächsten Rülpser."},
    {"NOUSE_Burbkid3", 4, kWhite, "Den schüttle ich lieber nicht. Der explodiert sonst."},
    {"TrinkenBurbContest", 4, kWhite, "Ich sollte vorher erst mal was trinken."},
    {"LOOK_Bowle", 4, kWhite, "Eine Schüssel Bowle. Knallrosa und voller Bläschen."},
    {"TAKECONFIRM_Bowle", 4, kWhite, "Ein Becher Bowle zum Mitnehmen. /n Das kribbelt schon in der Nase."},
    {"LOOK_Umhang", 4, kWhite, "Ein schwarzer Umhang. Genau das Richtige für /n eine Hexe."},
    {"LOOK_BurbkidsKO", 4, kWhite,
     "Umgehauen von meinem gewaltigen Rülpser. Auf /n Reduro-7 gilt das als höfliche Begrüßung."},
    {"NOTAKE_BurbkidsKO", 4, kWhite, "Die sollen das erst mal ausschlafen."},
    {"NOUSE_BurbkidsKO", 4, kWhite, "Lieber nicht wecken. Sonst wollen sie noch eine /n Revanche."},
    {"NOTALK_BurbkidsKO", 4, kWhite, "Hallo? ...Alle drei völlig k.o."},
    {"LOOK_Knoblauch", 4, kWhite,
     "Eine Knolle Knoblauch. Wer bringt denn Knoblauch /n auf eine Party? Ach so. Wegen der Vampire."},
    {"TAKECONFIRM_Knoblauch", 4, kWhite, "Puh, was für ein Gestank! Mein Atem fürchtet sich /n jetzt schon."},

    // --- the school yard: ticket kid -----------------------------------------
    {"LOOK_TicketstandKid", 4, kWhite, "Ein Junge an der Schranke. Er lässt nur Gäste /n mit Ticket durch."},
    {"NOTAKE_TicketstandKid", 4, kWhite, "Der verlässt seinen Posten nicht. Sehr pflichtbewusst."},
    {"NOUSE_TicketstandKid", 4, kDarkBlue, "Kein Ticket, keine Party. Vorschrift ist Vorschrift."},
    {"LOOK_Ticket", 4, kWhite, "Ein Ticket für die Halloween-Party in der Schule."},
    {"OpenSchranke1", 4, kWhite, "Gut, du hast ein Ticket. Ich mach die Schranke auf."},
    {"OpenSchranke2", 4, kWhite, "Hey, das ist wirklich nett von dir, ich stehe tief in /n deiner Sch-"},
    {"OpenSchranke3", 4, kWhite, "Ja, ja, jetzt geh schon rein und amüsier dich."},
    {"OpenSchranke4", 6, kWhite,
     "Dein Ticket hab ich doch schon gesehen. Warum nervst /n du mich immer noch?! Rein mit dir."},
    {"OpenSchranke5", 4, kWhite, "Ach ja. Hatte ich vergessen."},

    // --- the crossroads: the freak -------------------------------------------
    {"LOOK_FreakSatt", 4, kWhite, "Er sieht aus, als wäre heute der glücklichste Tag /n seines Lebens."},
    {"LOOK_Freak", 4, kWhite, "Ein schlaksiger Kerl in einer seltsamen Uniform. /n Ob der auch aus dem All kommt?"},
    {"NOTALK_Freak", 15, kDarkBlue,
     "Sorry, keine Zeit. Ich muss herumlaufen und traurig /n aussehen, damit mich jemand fragt, warum ich traurig /n "
     "bin. Dann kann ich alles über Star Wrack erzählen. /n Bisher hat keiner gefragt. Seit drei Stunden."},
    {"NOUSE_Freak", 5, kDarkBlue, "Hey, Finger weg von der Uniform! Das ist ein /n Originalrequisit!"},
    {"NOTAKE_Freak", 5, kDarkBlue, "Kein Andocken ohne Erlaubnis, Kadett!"},
    {"NOTAKE_FreakSatt", 5, kDarkBlue, "Mjam, mjam. Lolli."},
    {"NOUSE_FreakSatt", 5, kDarkBlue, "Hmm, danke für den Lolli! Ich bin so glücklich."},
    {"NOTALK_FreakSatt", 4, kDarkBlue, "Kann gerade nicht reden, ich esse."},
    {"GiveLolly1", 3, kWhite, "Hier, ich hab was für dich."},
    {"GiveLolly2", 5, kDarkBlue,
     "Oh, vielen Dank! Noch nie war jemand so nett zu mir. /n Hier ist das Ticket, das ich dir versprochen habe."},
    {"GiveLolly3", 5, kDarkBlue, "Juhu! *schleck* Mjam. Mjam. *schleck*"},

    // --- the school barrier --------------------------------------------------
    {"LOOK_TicketstandSchranke", 4, kWhite, "Eine Schranke. Ohne Ticket kommt hier keiner /n zur Party."},
    {"LOOK_TicketstandSchrankeOffen", 4, kWhite, "Die Schranke ist jetzt offen für mich."},
    {"NOUSE_TicketstandSchranke", 4, kWhite,
     "Die rührt sich nicht. Wer rein darf, entscheidet /n der Junge am Stand."},

    // --- the treadmill and the barn generator --------------------------------
    {"NOTAKE_Laufband", 4, kWhite, "Nicht, solange er darauf läuft. Außerdem ist es /n fest verschraubt."},
    {"LOOK_Laufband", 5, kWhite,
     "Ein Laufband. Eine Erdenmaschine, um sehr weit zu /n laufen, ohne irgendwo anzukommen. Genial."},
    {"LOOK_LaufbandItem", 5, kWhite,
     "Das Band vom Laufband. Ein breites Gummiband, /n genau das, was der Generator in der Scheune braucht."},
    {"NOUSE_Laufband", 5, kWhite, "Das Band ist fest verschraubt. /n Ich brauche Werkzeug, um es abzuschrauben."},
    {"LOOK_ScheuneInnenKeinBand", 5, kWhite,
     "Damit könnte ich den Generator des Flaschenzugs /n antreiben. Aber es fehlt ein breites Gummiband."},
    {"LOOK_ScheuneInnenBand", 5, kWhite,
     "Das Gummiband sitzt. Jetzt könnte ich den Generator /n des Flaschenzugs benutzen."},

    // --- cheese, and the gym's toilet ----------------------------------------
    {"LOOK_Käse", 4, kWhite, "Ein Stück Käse. Es duftet einfach traumhaft."},
    {"TAKECONFIRM_Käse", 4, kWhite, "Käse! Ich muss stark bleiben und darf ihn nicht /n essen. Noch nicht."},
    {"LOOK_Klopapier", 4, kWhite,
     "Eine Rolle Klopapier. Die Erdlinge benutzen sie /n für... Das will ich gar nicht wissen."},
    {"CONFIRMTAKE_Klopapier", 4, kWhite, "Eine ganze Rolle. Die sollte für alles reichen."},
    {"ToiletteSequenz", 4, kDarkBlue, "Oh nein! Dieses Geräusch... Jemand hat das Klo /n verstopft!"},
    {"LOOK_Toilette", 6, kWhite,
     "Eine Toilette. Die Erdlinge sitzen darauf und lesen /n Zeitung. Auf Reduro-7 nennt man so etwas einen Thron."},
    {"NOTAKE_Toilette", 5, kWhite,
     "Die ist am Boden festgeschraubt. Und die will ich /n wirklich nicht mit mir herumtragen."},
    {"NOTALK_Toilette", 4, kWhite, "Hallo? Ist da unten jemand? /n ...Nur Gegurgel."},
    {"LOOK_Toolbox", 5, kWhite, "Der Werkzeugkasten des Hausmeisters. Hämmer, /n Schrauben und jede Menge Rost."},
    {"CONFIRMTAKE_Toolbox", 5, kWhite,
     "Ein Schraubenschlüssel! Jetzt kann ich schrauben /n wie ein echter Erdenmechaniker."},
    {"LOOK_ToolboxTool", 5, kWhite, "Im Werkzeugkasten liegt ein großer /n Schraubenschlüssel."},
    {"LOOK_Mop", 4, kWhite, "Ein Wischmopp. Von Weitem sieht er fast aus wie /n ein Hexenbesen."},
    {"CONFIRMTAKE_Mop", 4, kWhite, "Mit ein bisschen Fantasie ist das ein Hexenbesen."},

    // --- the old lady's house ------------------------------------------------
    {"NOUSE_AlteDame", 6, kWhite, "Hmm, niemand macht auf. Sie ist wohl schwerhörig."},
    {"LOOK_AlteDame", 4, kWhite,
     "Ein gemütliches Häuschen mit einem Kürbis auf der /n Treppe. Ich wette, hier wohnt eine ältere Dame."},
    {"LOOK_Lolly", 3, kWhite, "Ein riesiger, kunterbunter Lolli."},
    {"GetLolly1", 3, kWhite, "Süßes oder Saures!"},
    {"GetLolly2", 8, kWhite,
     "Kennen wir uns nicht? Ich weiß es nicht mehr. Ach, /n bist du eine Süße! Was ist denn das für ein /n "
     "Kostüm? Eine rennende Ratte? Wie grotesk!"},
    {"GetLolly3", 5, kWhite, "Eigentlich bin ich ein Hamsianer. Ich komme von /n einem fremden Planeten und-"},
    {"GetLolly4", 3, kWhite, "Du bist ein braves Mädchen."},
    {"GetLolly5", 3, kWhite, "Ich bin KEIN Mädchen!"},
    {"GetLolly6", 6, kWhite, "Hier, nimm diesen Lolli. Du hast so lieb gefragt."},
};

// ---------------------------------------------------------------------------
// Conversation topics: partner, topic id, the option shown in the bar.
// ---------------------------------------------------------------------------
const TopicRow kTopics[] = {
    // --- the crying girl behind the farmhouse --------------------------------
    {"CryGirl", "Crash", "Bruchlandung"},
    {"CryGirl", "Key", "Schlüssel"},
    {"CryGirl", "Costume", "Hexenkostüm"},

    // --- the freak at the crossroads -----------------------------------------
    {"Freak", "Sad", "Bist du traurig?"},
    {"Freak", "FreakCostume", "Star-Wrack-Kostüm"},
    {"Freak", "Candy", "Süßigkeiten"},

    // --- the burp master at the school party ---------------------------------
    {"Burbkid2", "Contest", "Wettbewerb"},
    {"Burbkid2", "TakePart", "Mitmachen"},
    {"Burbkid2", "Burb", "Zeig du mir erst mal, was du draufhast."},
};

// ---------------------------------------------------------------------------
// Conversation lines: partner, topic, who speaks, text (an unlock names the
// topic it adds to the options).
// ---------------------------------------------------------------------------
const LineRow kLines[] = {
    // --- CryGirl: Crash ------------------------------------------------------
    {"CryGirl", "Crash", kPartner,
     "Du bist ja ein süßer kleiner Kerl. Wenn ich nicht so /n traurig wäre, würde ich dich knuddeln."},
    {"CryGirl", "Crash", kHero,
     "Ich bin Quobble Tuftwhirl und komme von einem fremden /n Planeten. Ich bin hinter einem seltsamen, /n "
     "verschlossenen Gebäude hier in der Nähe abgestürzt."},
    {"CryGirl", "Crash", kPartner, "Hinter unserer Scheune? *schnief*"},
    {"CryGirl", "Crash", kHero,
     "Ja, genau. Hinter eurer Scheune. Hast du eine Ahnung, /n wie ich sie aufbekomme?"},
    {"CryGirl", "Crash", kPartner,
     "Tja, mein Vater hütet den Schlüssel, und den gibt er /n dir bestimmt nicht."},
    {"CryGirl", "Crash", kUnlock, "Key"},

    // --- CryGirl: Key --------------------------------------------------------
    {"CryGirl", "Key", kHero, "Könntest du mir nicht den Schlüssel besorgen?"},
    {"CryGirl", "Key", kPartner, "Tut mir leid, ich bin zu traurig. *schnief* /n Es sei denn..."},
    {"CryGirl", "Key", kHero, "Es sei denn was?"},
    {"CryGirl", "Key", kPartner,
     "Ich hätte so gern ein tolles Halloween-Kostüm wie die /n anderen Kinder. Ich möchte eine Hexe sein."},
    {"CryGirl", "Key", kUnlock, "Costume"},

    // --- CryGirl: Costume ----------------------------------------------------
    {"CryGirl", "Costume", kHero, "Wo soll ich denn ein Hexenkostüm herbekommen?"},
    {"CryGirl", "Costume", kPartner,
     "Weiß ich auch nicht. Aber ich will ein Kostüm mit /n Umhang, Hexenhut und Besen. Und ich brauche /n "
     "Lippenstift. Ich will eine wunderschöne Hexe sein."},
    {"CryGirl", "Costume", kHero,
     "Okay, ich schau mal, was ich tun kann. Und du besorgst /n mir dafür den Schlüssel?"},
    {"CryGirl", "Costume", kPartner, "Klar, hilfst du mir, helf ich dir."},

    // --- Freak: Sad ----------------------------------------------------------
    {"Freak", "Sad", kHero,
     "Hey! Du siehst so traurig aus, wie du ganz allein /n durch die Straßen ziehst..."},
    {"Freak", "Sad", kPartner,
     "Puh, ja. Irgendwie bin ich ein bisschen down. Nicht /n mal mein originales Star-Wrack-Kostüm hilft."},

    // --- Freak: FreakCostume -------------------------------------------------
    {"Freak", "FreakCostume", kHero, "Was ist das für ein seltsames Kostüm, das du da /n trägst?"},
    {"Freak", "FreakCostume", kPartner,
     "Ja, das sagen leider alle in dieser Stadt. Ich hab /n dieses sportliche Outfit im Internet ersteigert, ein /n "
     "Originalrequisit aus meiner Lieblingsserie, /n Star Wrack. Aber außer mir mag es keiner. Wer /n "
     "braucht schon Freunde. Das Traurige ist: Ich kriege /n keine Süßigkeiten."},
    {"Freak", "FreakCostume", kUnlock, "Candy"},

    // --- Freak: Candy --------------------------------------------------------
    {"Freak", "Candy", kHero, "Du hast keine Süßigkeiten bekommen?"},
    {"Freak", "Candy", kPartner,
     "Na ja, meine Mami hat mir heimlich diesen zuckerfreien /n "
     "Zahnpflegekaugummi in die Tüte gesteckt. Sie glaubt, /n "
     "ich merke das nicht, weil ich so schlecht sehe. Sie /n meint es ja nur gut."},
    {"Freak", "Candy", kHero, "Das ist ja so... na ja... erbärmlich, oder?"},
    {"Freak", "Candy", kPartner,
     "Ich würde alles für richtige Süßigkeiten geben. Dann /n "
     "hätte ich endlich was für mein Weblog, und die Jungs /n "
     "auf der nächsten Convention wären beeindruckt..."},
    {"Freak", "Candy", kHero, "Du würdest wirklich alles für Süßigkeiten geben?"},
    {"Freak", "Candy", kPartner,
     "Na klar! Aber leider hab ich nur dieses Ticket für die /n "
     "Halloween-Schulparty. Das könnte ich dir geben, wenn /n "
     "du mir Süßigkeiten besorgst. Die Party ist mir eh zu /n aufregend. Angenommen, das Unmögliche passiert und /n "
     "ein Mädchen will mit mir kommunizieren... Was um /n Himmels willen soll ich dann machen?! Nee, das ist /n "
     "mir zu gefährlich."},

    // --- Burbkid2: Contest ---------------------------------------------------
    {"Burbkid2", "Contest", kHero, "Was macht ihr hier? Ist das so eine Art Wettbewerb?"},
    {"Burbkid2", "Contest", kPartner,
     "Genau. Wir machen einen Rülpswettbewerb! Der lauteste /n "
     "Rülpser gewinnt. Oder in meinem Fall: wer als Letzter /n "
     "noch steht. Haha."},
    {"Burbkid2", "Contest", kUnlock, "TakePart"},

    // --- Burbkid2: TakePart --------------------------------------------------
    {"Burbkid2", "TakePart", kHero, "Darf ich bei eurem Wettbewerb mitmachen?"},
    {"Burbkid2", "TakePart", kPartner, "Hmm, wenn du Manns genug bist..."},
    {"Burbkid2", "TakePart", kHero, "Ich bin Hamsters genug. Zählt das auch?"},
    {"Burbkid2", "TakePart", kPartner,
     "Klar, aber du hast keine Chance. /n Ich bin der Rülpsmeister! /n "
     "Wenn du so weit bist, zeig mir, was du draufhast!"},
    {"Burbkid2", "TakePart", kUnlock, "Burb"},

    // --- Burbkid2: Burb ------------------------------------------------------
    {"Burbkid2", "Burb", kPartner, "*RÜÜÜÜÜÜÜLPS*"},
    {"Burbkid2", "Burb", kHero, "*rülps*"},
    {"Burbkid2", "Burb", kPartner, "Hahahaha! Das war gar nichts! Es hat ja nicht mal /n gestunken!"},
};

// ---------------------------------------------------------------------------
// Literal lines of the intro, credits, crash, menu and puzzle scripts, by id.
// ---------------------------------------------------------------------------
const ScriptLineRow kScriptLines[] = {
    // --- the CGA intro -------------------------------------------------------
    {"IntroCga1", "Igitt! Ich hab diese hässliche CGA-Grafik so satt!"},
    {"IntroCga2", "Als ob wir das nicht besser könnten!!"},
    {"IntroCga3", "Meine Güte, wer hatte bloß diese dämliche Idee?!"},
    {"IntroCga4", "Diese FREAKS! Immer mit ihrem 'Oldschool'..."},
    {"IntroPatch1", "BITTE SVGA-PATCH-DISK EINLEGEN..."},
    {"IntroPatch2", "DANKE!"},
    {"IntroPatch3", "A:\\PATCH.EXE"},
    {"IntroPatch4", "LADE..."},
    {"IntroPatch5", "..."},
    {"IntroFinally", "Endlich! So sieht das schon besser aus ;-)"},
    {"IntroVersion", "Arbeitsversion 0.1"},

    // --- the credits: eight pages of roles and makers ------------------------
    {"CreditsTitle", "Mitwirkende - Quobble Tuftwhirl"},
    {"Credits1",
     "Idee /n vom /n Hollowmere-Team /n /n "
     "Texte /n vom /n Hollowmere-Team /n /n "
     "Spieldesign /n vom /n Hollowmere-Team"},
    {"Credits2",
     "Programmierung /n von /n den Hollowmere-Entwicklern /n /n "
     "Skripte /n von /n den Hollowmere-Entwicklern /n /n "
     "Die Mossgate-Engine /n von /n den Hollowmere-Entwicklern"},
    {"Credits3",
     "Hintergrundgrafik /n von /n unserem Generator /n /n "
     "Animationen /n von /n unserem Generator /n /n "
     "Rendering /n von /n unserem Generator /n /n "
     "Zusätzliche Grafiken /n vom /n Hollowmere-Team"},
    {"Credits4",
     "Konzeptzeichnungen /n vom /n Hollowmere-Team /n /n "
     "Storyboard /n vom /n Hollowmere-Team"},
    {"Credits5", "Projektleitung /n vom /n Hollowmere-Team"},
    {"Credits6", "Tests /n von /n allen, die unsere Testversionen /n gespielt haben"},
    {"Credits7",
     "Packungsgrafik /n von /n unserem Generator /n /n "
     "Handbuch /n vom /n Hollowmere-Team"},
    {"Credits8",
     "Sag uns, wie dir das Spiel gefällt! /n Dein Feedback ist willkommen auf: /n /n "
     "https://hollowmere.example.org /n /n Viel Spaß."},

    // --- the crash and the menu ----------------------------------------------
    {"CrashPanic", "AAAAAAAAAAAARGH! Warum ist diese Steuerung nicht /n colafest? Mist! Kein System reagiert mehr!"},
    {"CrashRacing", "Oh nein! Ich rase auf diesen fremden Planeten zu! /n Ich werde abstürzen!"},
    {"QuitFarewell", "Wir hoffen, du hattest Spaß. Bis bald! /n Mehr zum Spiel unter: "},

    // --- the game: arrival, costume, ending ----------------------------------
    {"Greeting",
     "Hallo, ich bin Quobble Tuftwhirl vom Planeten Reduro-7. /n "
     "Ich bin auf diesem fremden Planeten gestrandet. /n Was soll ich jetzt nur tun?"},
    {"GirlThanks", "Danke! Ich brauche noch..."},
    {"GirlNeedBroom", "...den Hexenbesen..."},
    {"GirlNeedLipstick", "...den Lippenstift..."},
    {"GirlNeedCape", "...den Umhang..."},
    {"GirlNeedHat", "...den Hexenhut..."},
    {"GirlKey", "...um dir den Schlüssel zu holen."},
    {"EndEpilogue",
     "Kaum war es aus dem Boden gezogen, verschwand das /n Raumschiff spurlos. /n "
     "Unser Held Quobble Tuftwhirl sitzt wieder fest. /n Was wird er jetzt bloß tun?"},
    {"EndClosing",
     "Danke fürs Spielen! Sag uns, wie es dir gefallen hat, /n und hinterlass dein Feedback auf unserer Webseite: /n "
     "https://hollowmere.example.org /n /n Das Hollowmere-Team"},
    {"BurpLine", "*RÜÜÜÜÜÜÜLPS*"},
    {"SaveDone", "Spiel gespeichert."},
    {"SaveNone", "Kein gespeichertes Spiel."},
    {"SaveUnreadable", "Das gespeicherte Spiel kann nicht gelesen werden."},
    {"SaveFailed", "Das Spiel konnte nicht gespeichert werden."},
    {"SaveRestored", "Spiel geladen."},
    {"SaveOtherEdition", "Gespeichert mit der englischen Ausgabe."},
    {"SlotsTitle", "Gespeicherte Spiele"},
    {"SlotsQuick", "Schnellspeicher (F5)"},
    {"SlotsAuto", "Automatisch"},
    {"SlotsPlayer", "Platz"},
    {"SlotsEmpty", "leer"},
    {"SlotsPlayed", "Gespielt"},
    {"SlotsSave", "Speichern"},
    {"SlotsLoad", "Laden"},
    {"SlotsDelete", "Löschen"},
    {"SlotsBack", "Zurück"},
    {"SlotsYes", "Ja"},
    {"SlotsNo", "Nein"},
    {"SlotsAskOverwrite", "Das Spiel auf diesem Platz überschreiben?"},
    {"SlotsAskDelete", "Das Spiel auf diesem Platz löschen?"},
    {"PlaceScheuneHinten", "Hinter der Scheune"},
    {"PlaceScheuneVorne", "Vor der Scheune"},
    {"PlaceScheuneFern", "Das Feld bei der Scheune"},
    {"PlaceScheuneInnen", "In der Scheune"},
    {"PlaceFarmhaus", "Das Farmhaus"},
    {"PlaceFarmhausHinten", "Hinter dem Farmhaus"},
    {"PlaceKreuzung", "Die Kreuzung"},
    {"PlaceFitnessStudioAussen", "Vor dem Fitnessstudio"},
    {"PlaceFitnessStudioInnen", "Das Fitnessstudio"},
    {"PlaceTrainingsraum", "Der Trainingsraum"},
    {"PlaceToilette", "Die Toilette im Studio"},
    {"PlaceHausAlteDame", "Das Haus der alten Dame"},
    {"PlaceSchule", "Die Schule"},
    {"PlaceSchulparty", "Die Schulparty"},
};

}  // namespace

const Edition kGerman = {
    "de",
    kTexts,
    sizeof kTexts / sizeof kTexts[0],
    kTopics,
    sizeof kTopics / sizeof kTopics[0],
    kLines,
    sizeof kLines / sizeof kLines[0],
    kScriptLines,
    sizeof kScriptLines / sizeof kScriptLines[0],
};
