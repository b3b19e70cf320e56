#include "platform/print_list_reference_cases.h"

#include "common/cp437.h"
#include "platform/bitmap_fixtures.h"

namespace {

// A small picture for the picture command: eight colour stripes over three rows and a white row.
std::string Picture_Dump() {
    const std::vector<std::uint32_t> stripes = {0xE60000, 0xFF8C00, 0xF0E000, 0x00A000,
                                                0x288CFF, 0x2020A0, 0xA54BA5, 0x000000};
    const std::vector<std::uint32_t> white(8, 0xFFFFFF);
    const std::string hex = Hex_Digits(Bmp(24, {stripes, stripes, stripes, white}));
    std::string dump = "{";
    for (std::size_t k = 0; k < hex.size(); k += 128) dump += hex.substr(k, 128) + (k + 128 < hex.size() ? "\n" : "");
    return dump + "}\n";
}

}  // namespace

std::vector<Reference_Case> Print_List_Reference_Cases() {
    return {
        {"absatzformate", 1,
         R"(#CONTENTS
 Absatzformate

#SHOWPARA
0x0
4
-1
 Schrift 4: DejaVu Sans 10 pt, ein Absatz im Standardformat.
 
 Nach einer leeren Zeile.
#END_OF_TEXT
0x4
0x0
5
-1
 Schrift 5: DejaVu Sans Bold 12 pt
#END_OF_TEXT
0x1004
2 0.5
0x400
4
0.8
-1
 Maßstab 0.8, nach 0.5 cm Abstand aus dem Absatzabschluss
#END_OF_TEXT
0x4
0xa00
4
2 0.2
3 4
-1
 Hilfsabstand 0.2 cm zwischen den Zeilen: ein langer Absatz, der umbrochen wird, damit der zusätzliche Abstand zwischen seinen Zeilen zu sehen ist, und noch ein wenig mehr Text dazu.
#END_OF_TEXT
0x1000
2 1
-1

#SHOWPARA
0x10
4
2 0.5
-1
 Nach 1 cm Abstand hinter dem vorigen Block und 0.5 cm vor diesem.
#END_OF_TEXT
0x0
-1
)"_cp},
        {"einzuege", 1,
         R"(#CONTENTS
 Einzüge

#SHOWPARA
0x20
4
2 0.3 2 0
-1
 Einzug 0.3 cm
#END_OF_TEXT
0x4
0x20
4
2 1 2 0.5
-1
 Einzug 1 cm, Folgezeilen 0.5 cm weiter: ein langer Absatz, der über mehrere Zeilen läuft, damit der zweite Einzug an den umbrochenen Zeilen sichtbar wird, auch an der dritten Zeile.
#END_OF_TEXT
0x4
0x20
4
1 4 2 0
-1
 Einzug 4 Zeichenbreiten
#END_OF_TEXT
0x4
0x0
4
-1
    Drei führende Leerzeichen rücken die Zeile ein.
 Ohne Einzug. Einwortzeile:
 Donaudampfschifffahrtsgesellschaftskapitänswitwenrentenversicherungsanstaltsbezirksdirektionsgebäudeeingangstürschlüsselbundanhängerbeschriftungsvorlagenverzeichnis
#END_OF_TEXT
0x0
-1
)"_cp},
        {"tabulatoren", 1,
         R"(#CONTENTS
 Tabulatoren

#SHOWPARA
0x40
4
0x0 3
2 3
2 7.5
2 12
-1
 a╬tStopp 3 cm╬tStopp 7,5 cm╬tStopp 12 cm╬tnach dem letzten
#END_OF_TEXT
0x4
0x40
4
0x2
2 3
-1
 Schritt╬t3╬t6╬t9╬t12
#END_OF_TEXT
0x4
0x60
4
2 1 2 0
0x0 1
1 20
-1
 20 Zeichen╬tx
#END_OF_TEXT
0x4
0x40
4
0x0 0
-1
 ohne Tabulatoren:╬tein Leerzeichen
#END_OF_TEXT
0x0
-1

#SHOWPARA
0x0
4
-1
 Standardschritt 1,25 cm:╬ta╬tb
#END_OF_TEXT
0x0
-1
)"_cp},
        {"steuerfolgen", 1,
         R"(#CONTENTS
 Steuerfolgen

#SHOWPARA
0x0
4
-1
 M╬\Ed╬r ≤ M╬\Rd╬r, A╬\s╬r = 2.45 cm╬/2╬r, a╬/.╬rb
 ╬Hbetont╬r ╬bfett╬r ╬Bfett╬r ╬_unterstrichen╬r ╬uunterstrichen╬r ╬Sschräg╬r ╬sohne Auszeichnung╬r
 ╬@1.2. Marke, ╬Qunbekannt, ╬b╬Sfett und schräg╬r nur fett╬r normal
 ║ ╗ └ ╔ ╠ ╓ ┌ ░ ╕ ▓ ú ê ╝ ┼ ┴ ╟ ╦ ╛ ╞ î å ç ë ² · ≤ ≥ « » ÄÖÜäöüß
 F╬\v,Rd╬r = ║╬\v╬r╬/.╬rf╬\ub╬r╬/.╬rA╬\s╬r / └╬\M2╬r = 117.6 kN
#END_OF_TEXT
0x0
-1
)"_cp},
        {"farben", 1,
         R"(#CONTENTS
 Farben

#SHOWPARA
0x0
4
-1
 Nachweis ╬{C 1 40 140 255}╬Hok╬{C 768} danach normal
 Nachweis ╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}
 Fehler ╬{C 1 230 0 0}╬H!!╬{C 768}
 Empfehlung ╬{C 1 165 75 165}╬H!!╬{C 768} ╬{C 1 165 75 165}EC 3-Bedingung !!╬{C 768} ╬{C 1 165 75 165}ok╬{C 768}
 ╬{C 1 40 140 255}Nachweis erbracht╬{C 768}
 ╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}
 a ≥ b ╬{C 1 230 0 0}╬H<╬r╬{C 768} grau: ╬{C 1 110 110 110}110 110 110╬{C 768} schwarz
#END_OF_TEXT
0x0
-1
)"_cp},
        {"tabelle", 1,
         R"(#CONTENTS
 Tabelle
#LAYOUT setFlags 0x380
#LAYOUT setMarginsCM 1 0 0
#LAYOUT reserveSpaceCM 6
#SHOWTABLE
1 1 0
 Ausgewählte Bemessungsparameter des nationalen Anhangs
 Deutschland
0 0 -1 -1
#END_OF_TEXT
#LAYOUT setYPositionCM 1 -0.5
#SHOWTABLE
0 0 1
 EN 1993-1-1 (EC 3, Hochbau), NA Deutschland
0 0 -1 -1
#END_OF_TEXT
#LAYOUT setYPositionCM 1 -0.5
#SHOWTABLE
0 0 0
1 0 -1 -1 2
 12 42
 Kapitel      Wert                          Bedeutung
 6.1(1)                                     Teilsicherheitsbeiwerte für Baustahl
              └╬\M0╬r     = 1.00                Querschnittsversagen
              └╬\M1╬r     = 1.10                Stabilitätsversagen
 6.3.2.3(1)   ┼╬\LT,0╬r = 0.40                  Schlankheitsgrad Gl. (6.57)
 ╬{╬L 0 -1 -1 0.5 0.5 }
 Zelle╬tSpalte 12╬tSpalte 42
 ╬{╬R 3843 0 6 0 1 }gefüllter Rahmen
 ╬{╬R 2 -1 -1 -1 -1} Rahmen über die Zeile
 ╬{╬L 0 2 8 0 1 }   schräge Linie
#END_OF_TEXT
#SHOWTABLE
 0 1 0
 Literatur und Normen:
0 0 -1 -1
#END_OF_TEXT
)"_cp},
        {"berichtskopf", 1,
         R"(#LAYOUT reserveSpaceCM 16
#CONTENTS
 POS. 12a: Halle Nord
#LAYOUT storeYPosition 1
#LAYOUT setMarginsCM 1 12 0
#SHOWTABLE
0 0 0
0 0 -1 -1
 ╬SEC301 BV 1.00 Basisverbindungen
#END_OF_TEXT
#LAYOUT restoreYPosition 1
#LAYOUT setMarginsCM 1 0 0
#LAYOUT setFlags 0x380
#LAYOUT setYPositionCM 1 0.254
#LAYOUT reserveSpaceCM 3
#LAYOUT setBookmark 0 «╬@1. Schraubenverbindung»

#SHOWPARA
0x0
5
-1
 ╬@1. Schraubenverbindung
#END_OF_TEXT
0x1000
2 0.1
-1
#LAYOUT setYPositionCM 1 0.1
#LAYOUT setYPositionCM 1 -0.19
#LAYOUT setYPositionCM 1 0.254
#LAYOUT reserveSpaceCM 3
#LAYOUT setBookmark 0 «╬@1.1. Eingabe»

#SHOWPARA
0x0
4
-1
 ╬H╬@1.1. Eingabe╬r
#END_OF_TEXT
0x0
-1

#SHOWPARA
0x0
4
-1
 Schraube M20 - 10.9, d╬\0╬r = 22 mm
#END_OF_TEXT
0x0
-1
#LAYOUT setYPositionCM 1 0.114

#SHOWPARA
0x0
4
-1
 ╬HVorbemerkungen╬r
#END_OF_TEXT
0x0
-1
)"_cp},
        {"layoutzeilen", 1,
         R"(#CONTENTS
 Layoutzeilen
#LAYOUT setFlags 0x380

#SHOWPARA
0x0
4
-1
 Erste Zeile
#END_OF_TEXT
0x0
-1
#LAYOUT setYPositionCM 1 1

#SHOWPARA
0x0
4
-1
 1 cm tiefer
#END_OF_TEXT
0x0
-1
#LAYOUT setYPositionCM 1 -0.2
#LAYOUT setMarginsCM 1 3 5

#SHOWPARA
0x0
4
-1
 0.2 cm höher, Ränder 3 cm links und 5 cm rechts: ein Absatz, der innerhalb dieser Ränder umbrochen wird.
#END_OF_TEXT
0x0
-1
#LAYOUT pushMargins
#LAYOUT setMarginsCM 1 6 0

#SHOWPARA
0x0
4
-1
 Rand 6 cm
#END_OF_TEXT
0x0
-1
#LAYOUT popMargins 0x0

#SHOWPARA
0x0
4
-1
 wieder 3 cm und 5 cm
#END_OF_TEXT
0x0
-1
#LAYOUT resetMaxMargin
#LAYOUT setMarginsCM 1 0 0
#LAYOUT storeYPosition 2

#SHOWPARA
0x0
4
-1
 links
#END_OF_TEXT
0x0
-1
#LAYOUT restoreYPosition 2
#LAYOUT setMarginsCM 1 9 0

#SHOWPARA
0x0
4
-1
 auf gleicher Höhe 9 cm rechts
#END_OF_TEXT
0x0
-1
#LAYOUT setMarginsCM 1 0 0
#LAYOUT setBookmark 16 «Gruppe»
#LAYOUT setBookmark 0 «Eintrag»
#LAYOUT setBookmark 17 «»
#LAYOUT setBookmark 15 «»

#SHOWPARA
0x0
4
-1
 Ende
#END_OF_TEXT
0x0
-1
)"_cp},
        {"seitenumbruch", 3,
         R"(#CONTENTS
 Seitenumbruch

#SHOWPARA
0x0
4
-1
 Erste Seite
#END_OF_TEXT
0x0
-1
#LAYOUT reserveSpaceCM 26

#SHOWPARA
0x0
4
-1
 Zweite Seite: 26 cm passten nicht mehr unter die erste Zeile.
#END_OF_TEXT
0x0
-1
#LAYOUT reserveSpaceCM 20

#SHOWPARA
0x0
4
-1
 20 cm passen noch: weiter auf der zweiten Seite
 #NEWPAGE
 Dritte Seite nach #NEWPAGE
#END_OF_TEXT
0x0
-1
)"_cp},
        {"grafik_linien", 1,
         R"(#CONTENTS
 Grafik: Linien
#SHOWGRAFIC
 0 0 0
 0 0 0
-1
0.000000 17.000000 6.000000 0.000000
 30
 52
 4 1
 1  0.5 5.5 8 5.5
 4 2
 1  0.5 5 8 5
 6 0.1
 1  0.5 4.4 8 4.4
 4 1
 38 2 0.1 0.1 0
 1  0.5 3.8 8 3.8
 38 2 0.03 0.05 0
 1  0.5 3.4 8 3.4
 38 4 0.28 0.05 0.04 0.05 0
 1  0.5 3 8 3
 38 2 0.01 0.28 0
 4 2
 1  0.5 2.6 8 2.6
 4 1
 38 4 0.2 0.07 0.008 0.07 0
 1  0.5 2.2 8 2.2
 38 0   0
50 230 0 0
 1  9 0.5 16.5 5.5
50 40 140 255
 1  9 5.5 16.5 0.5
50 300 -20 165
 1  12.75 0.5 12.75 5.5
50 0 0 0
 31
 53
 1  0 0 17 0
 -1
)"_cp},
        {"grafik_texte", 1,
         R"(#CONTENTS
 Grafik: Texte
#SHOWGRAFIC
 0 0 0
 0 0 0
-1
0.000000 17.000000 9.000000 0.000000
 38 0   0
 4 1
 1  0.5 8.5 1.5 8.5
 1  1 8 1 9
 7 4
 2 1 8.5 «2: Text am Punkt, Schrift 4»
 7 5
 2 1 7.5 «Schrift 5»
 7 9
 13 0.5
 2 1 6.5 «13 0.5: Großbuchstaben 0.5 cm»
 13 0.25
 1  1.5 1 2.5 1
 1  2 0.5 2 1.5
 14 30.000000 0
 3 2 1 «3: 30 Grad»
 1  9.5 8 10.5 8
 1  10 7.5 10 8.5
 9 10 8 10 8 201 «201»
 9 10 8 10 8 228 «228»
 1  13.5 8 14.5 8
 1  14 7.5 14 8.5
 9 14 8 14 8 210 «210»
 1  9.5 6 10.5 6
 1  10 5.5 10 6.5
 9 10 6 10 6 226 «226»
 9 10 6 10 6 212 «212»
 1  13.5 6 14.5 6
 1  14 5.5 14 6.5
 9 14 6 14 6 202 «202»
 9 14 6 14 6 225 «225»
 1  9.5 3 10.5 3
 1  10 2.5 10 3.5
 9 10 3 10 3 466 «466 aufrecht»
 14 -45.000000 0
 1  12.5 3 13.5 3
 1  13 2.5 13 3.5
 10 13 3 13 3 210 «10: -45 Grad»
 14 0.000000 0
 13 0.3
 9 5 4 5 4 210 «M╬\Ed╬r ≤ ╬{C 1 230 0 0}M╬\Rd╬r╬{C 768} cm╬/2╬r»
 -1
)"_cp},
        {"grafik_flaechen", 1,
         R"(#CONTENTS
 Grafik: Flächen
#SHOWGRAFIC
 0 0 0
 0 0 0
-1
0.000000 17.000000 6.000000 0.000000
 30
 52
 4 1
50 40 140 255
 20  64
 24  0.5 5.5 3.5 3.5
 20  0
 24  4 5.5 7 3.5
 1  4 5.5 7 3.5
 20  34
 24  10.5 5.5 7.5 3.5
61
62 7
59
 20  26
60
50 230 0 0
51 0 0 255
 8 6
 16 0.05
 23 1 0
 18 5 12.5 5.5 13.1 3.5 11.5 4.8 13.5 4.8 11.9 3.5 
20 0
 18 3 14 3.5 16 3.5 15 5.5 
 1  14 3.5 16 3.5
 1  16 3.5 15 5.5
 1  15 5.5 14 3.5
 20  64
50 0 0 0
 18 32 2.500000 2.000000 2.480785 2.195090 2.423880 2.382683 2.331470 2.555570 2.207107 2.707107 2.055570 2.831470 1.882683 2.923880 1.695090 2.980785 1.500000 3.000000 1.304910 2.980785 1.117317 2.923880 0.944430 2.831470 0.792893 2.707107 0.668530 2.555570 0.576120 2.382683 0.519215 2.195090 0.500000 2.000000 0.519215 1.804910 0.576120 1.617317 0.668530 1.444430 0.792893 1.292893 0.944430 1.168530 1.117317 1.076120 1.304910 1.019215 1.500000 1.000000 1.695090 1.019215 1.882683 1.076120 2.055570 1.168530 2.207107 1.292893 2.331470 1.444430 2.423880 1.617317 2.480785 1.804910
 18 10 4 3 7 3 7 0.5 4 0.5 4 3 4.5 2.5 4.5 1 6.5 1 6.5 2.5 4.5 2.5 
 31
 53
 -1
)"_cp},
        {"grafik_symbole", 1,
         std::string(R"(#CONTENTS
 Grafik: Symbole und Bilder
#SHOWGRAFIC
 0 0 0
 0 0 0
-1
0.000000 17.000000 5.000000 0.000000
 27 0.5 4.0 %FONT%\DURCHM.OCM
 27 4.0 4.0 %FONT%\SYMBOL.OCM
75 4116 1 1 300 4 2 «.bmp»
)"_cp) + Picture_Dump() + "75 4112 7 1 20 «.bmp»\n"_cp + Picture_Dump() + R"(75 12 11 1 4 2 «C:\Bilder\Foto.jpg»
 1  0 0.5 17 0.5
 -1
)"_cp},
        {"grafik_ausrichtung", 1,
         R"(#CONTENTS
 Grafik: Ausrichtung und Beschriftung
#SHOWGRAFIC
 1 0 0
 Bild mit x nach links
 0 0 0
-1
8.000000 0.000000 2.000000 0.000000
 1  8 0 0 2
 13 0.3
 9 7.5 1.5 7.5 1.5 210 «x = 7.5, y = 1.5»
 -1
#SHOWGRAFIC
 0 0 0
 0 1 0
 Bild mit y nach unten
-1
0.000000 8.000000 0.000000 2.000000
 1  0 0 8 2
 13 0.3
 9 0.5 0.5 0.5 0.5 202 «x = 0.5, y = 0.5»
 -1
#LAYOUT reserveSpaceCM 3
#SHOWGRAFIC
 0 0 0
 0 0 0
-1
 0.000000 17.000000 0.000000 0.800000
 7 5
 2 0.000000 0.200000 «1.»
 2 0.630000 0.200000 «Überschrift der älteren Form»
 -1
#LAYOUT setBookmark 0 «╬@1. Überschrift der älteren Form»
#LAYOUT setBookmark 15 «»
#LAYOUT setYPositionCM 1 -0.6

#SHOWPARA
0x0
4
-1
 Text unter der Überschrift
#END_OF_TEXT
0x0
-1
)"_cp},
        {"grafik_bemassung", 1,
         R"(#CONTENTS
 Grafik: Bemaßung und Schnitt

#SHOWPARA
0x0
4
-1
 Skizze:
#END_OF_TEXT
0x0
-1
#SHOWGRAFIC
 0 0 0
 0 0 0
-1
-1.000000 13.146000 3.000000 -1.000000
 30
 52
 8 6
 7 9
 4 1
 38 0   0
50 0 0 0
 30
 52
 4 1
 38 0   0
 1  -0.100000 0.000000 12.146000 0.000000
 1  0.000000 0.400000 0.000000 -0.200000
 1  12.046000 0.400000 12.046000 -0.200000
 20  0
 13 0.210000
 8 6
 14 0.000000 0
 10 6.023000 0.160000 6.023000 0.160000 210 «120»
 13 0.157500
 14 0.000000 0
 3 6.275000 0.212500 «5»
 31
 53
 30
 52
 6 0.025000
 38 4 0.2 0.07 0.008 0.07 0
 1  1.000000 2.400000 1.000000 2.000000
 1  1.000000 2.000000 11.000000 2.000000
 1  11.000000 2.000000 11.000000 2.400000
 20  64
 38 0   0
 18 3 1.000000 2.400000 0.870000 2.174833 1.130000 2.174833 
 18 3 11.000000 2.400000 10.870000 2.174833 11.130000 2.174833 
 13 0.250000
 8 6
 14 0.000000 0
 10 1.000000 2.539000 1.000000 2.539000 210 «A»
 10 11.000000 2.539000 11.000000 2.539000 210 «A»
 31
 53
50 30 150 30
 9 -1.000000 -1.000000 -1.000000 -1.000000 201 «Maßstab 1:10.0»
50 0 0 0
 4 1
 31
 53
 -1
#LAYOUT setYPositionCM 1 -0.5

#SHOWPARA
0x0
4
-1
 Text nach der Skizze
#END_OF_TEXT
0x0
-1
)"_cp},
    };
}
