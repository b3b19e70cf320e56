// Whole bolted sections, input protocol and verification, as the reader sees their lines: a bolt in
// categories A/D at every detail level, in B/E under the revised rules and in C, a rivet, an
// injection bolt and an anchor bolt with anchor plate in concrete.
//
// Hand values (γM0 1.0, γM2 1.25, γM3,ser 1.1, γM4 1.25, γM7 1.1, γ_c 1.5; S235 plates of 10 mm):
// - M20 8.8, thread in the shear plane, e_1 40, e_2 30, p_1 = p_2 = 60, F_v,Ed 50 kN, F_t,Ed 40 kN:
//   F_v,Rd 94.00, F_b,Rd 73.94 (edition 0), F_t,Rd 141.00, B_p,Rd 170.87 kN; U 0.532, 0.676, 0.284,
//   0.234 and 50/94.0032 + 40/(1.4·141.0048) = 0.735.
// - M20 10.9 HV, shank, slip class A, edition 1, F_v,Ed 60, F_v,Ed,ser 40, F_t,Ed 30, F_t,Ed,ser 20 kN:
//   F_v,Rd = 0.6·1000·314.16/1.25 = 150.80 kN; α_b = 40/22, F_b,Rd = 1.818·360·200/1.25 = 104.73 kN;
//   F_s,Rd,ser = 0.5·(171.36 - 0.8·20)/1.1 = 70.62 kN; F_t,Rd = F_p,Cd = 171.36/1.1 = 155.78 kN;
//   d_m = (32 + 35.03)/2, B_p,Rd = 0.6·π·33.515·10·360/1.25 = 181.94 kN; 60/150.80 + 30/(1.4·155.78)
//   = 0.535. Category C, edition 0, ΣF_v,Ed 200 kN, A_net 1500 mm²: F_s,Rd = 0.5·171.36/1.25 = 68.54 kN,
//   N_net,Rd = 1500·235 = 352.50 kN.
// - Rivet d_0 21 of RSt 38: F_v,Rd = F_t,Rd = 61.51 kN, F_b,Rd = 88.32 kN; 50/61.51 + 40/(1.4·61.51)
//   = 1.277.
// - Injection bolt M20 10.9, t_1 = t_2: β 4/3, t_b,resin 10 mm, F_b,Rd,resin = 1.2·20·10·4/3·150/1.25
//   = 38.40 kN.
// - Anchors M20 5.6 with anchor plate, ℓ_e 150 in C25/30, p_1 = p_2 = 150, F_v,Ed 20, F_t,Ed 15 kN:
//   N⁰_Rk,c = 8.9·5·150^1.5 = 81.75 kN, A_c,N/(4 A⁰_c,N) = (600/900)² = 0.444, N_Rk,c = 36.33 kN,
//   V_Rd,cp = N_Rd,c = 24.22 kN; steel (20/44.06)² + (15/66.10)² = 0.258; concrete 0.8257^1.5 +
//   0.6193^1.5 = 1.238, (0.8257 + 0.6193)/1.2 = 1.204.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "checks/bolt_connection.h"
#include "checks/bolt_test_support.h"
#include "frame/code_edition.h"

namespace {

const std::string Bolt_Protocol =
    "╬HVerbindungsmittel\n"
    "Schraube: Festigkeitsklasse 8.8, Schraubengröße M20, normale Schlüsselweite\n"
    "╬HAnschlussbleche\n"
    "Blech 1 mit Dicke t╬\\1╬r = 10.0 mm,  Stahlgüte S235\n"
    "Blech 2 mit Dicke t╬\\2╬r = 10.0 mm,  Stahlgüte S235\n"
    "╬HNachweise\n"
    "einschnittiger Anschluss\n"
    "Scherverbindung Kategorie A (Abscheren, Lochleibungsversagen):\n"
    "Bemessungswert der einwirkenden Scherkraft je Schraube F╬\\v,Ed╬r = 50.0 kN\n"
    "Abscheren:  Gewinde der Schraube liegt in der Scherfuge\n"
    "Lochleibung in Kraftrichtung:\n"
    "Randabstand e╬\\1,1╬r = 40.0 mm, e╬\\1,2╬r = 40.0 mm,  Lochabstand p╬\\1╬r = 60.0 mm\n"
    "Lochleibung quer zur Kraftrichtung:\n"
    "e╬\\2,1╬r = 30.0 mm, e╬\\2,2╬r = 30.0 mm,  Lochabstand p╬\\2╬r = 60.0 mm\n"
    "Zugverbindung Kategorie D (Zug, Durchstanzen):\n"
    "Bemessungswert der einwirkenden Zugkraft je Schraube F╬\\t,Ed╬r = 40.0 kN\n"_cp;

const std::string Bolt_Distances =
    "Randabstand: ╬te╬\\1╬r = 40.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\1╬r = 40.0 mm < 4╬/.╬rt╬\\1╬r + 40 mm = 80.0 mm\n"
    "Randabstand: ╬te╬\\2╬r = 30.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\2╬r = 30.0 mm < 4╬/.╬rt╬\\min╬r + 40 mm = 80.0 mm\n"
    "Lochabstand: ╬tp╬\\1╬r = 60.0 mm > 2.2╬/.╬rd╬\\0╬r = 48.4 mm,  ╬tp╬\\1╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "Lochabstand: ╬tp╬\\2╬r = 60.0 mm > 2.4╬/.╬rd╬\\0╬r = 52.8 mm,  ╬tp╬\\2╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"_cp;

const std::string Bolt_Level_0 =
    "Abscheren: F╬\\v,Ed╬r = 50.0 kN  <  F╬\\v,Rd╬r = 94.00 kN  ê  U = 0.532  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Lochleibung: F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.676  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.676  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Zugversagen: F╬\\t,Ed╬r = 40.0 kN  <  F╬\\t,Rd╬r = 141.00 kN  ê  U = 0.284  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Durchstanzen: F╬\\t,Ed╬r = 40.0 kN  <  B╬\\p,Rd╬r = 170.87 kN  ê  U = 0.234  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Kombination von Abscheren und Zug: F╬\\v,Ed╬r/F╬\\v,Rd╬r + F╬\\t,Ed╬r/(1.4╬/.╬rF╬\\t,Rd╬r) = 0.735  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Maximale Ausnutzung U╬\\max╬r = 0.735  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"_cp;

const std::string Bolt_Level_1 =
    "╬_Abscheren╬r\n"
    "Abschertragfähigkeit F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 94.00 kN,  ║╬\\v╬r = 0.60\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\v,Rd╬r = 94.00 kN  ê  U = 0.532  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 1 und Schraube╬r\n"
    "Lochleibungstragfähigkeit F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 73.94 kN,  k╬\\m╬r = 2.12,  ║╬\\b╬r = 0.61\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.676  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 2 und Schraube╬r\n"
    "Lochleibungstragfähigkeit F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 73.94 kN,  k╬\\m╬r = 2.12,  ║╬\\b╬r = 0.61\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.676  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Zugversagen╬r\n"
    "Zugtragfähigkeit einer Schraube F╬\\t,Rd╬r = (k╬\\2╬r╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r) / └╬\\M2╬r = 141.00 kN,  k╬\\2╬r = 0.90\n"
    "F╬\\t,Ed╬r = 40.0 kN  <  F╬\\t,Rd╬r = 141.00 kN  ê  U = 0.284  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Durchstanzen╬r\n"
    "Durchstanztragfähigkeit einer Schraube B╬\\p,Rd╬r = (0.6╬/.╬r╔╬/.╬rd╬\\m╬r╬/.╬rt╬\\p╬r╬/.╬rf╬\\u╬r)) / └╬\\M2╬r = 170.87 kN,  t╬\\p╬r = 10.0 mm\n"
    "F╬\\t,Ed╬r = 40.0 kN  <  B╬\\p,Rd╬r = 170.87 kN  ê  U = 0.234  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Kombination von Abscheren und Zug╬r\n"
    "F╬\\v,Ed╬r/F╬\\v,Rd╬r + F╬\\t,Ed╬r/(1.4╬/.╬rF╬\\t,Rd╬r) = 0.735  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Maximale Ausnutzung U╬\\max╬r = 0.735  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n"_cp;

const std::string Bolt_Level_2 =
    "╬HScherverbindung Kategorie A:  Scher-/Lochleibungsverbindung\n"
    "╬_Abscheren╬r\n"
    "Gewinde in der Scherfuge: ║╬\\v╬r = 0.6 für FK 8.8,  A = 2.45 cm²\n"
    "Abschertragfähigkeit:  F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 94.00 kN,  f╬\\ub╬r = 800.0 N/mm²\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\v,Rd╬r = 94.00 kN  ê  U = 0.532  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 1 und Schraube╬r\n"
    "in Kraftrichtung wirkend:  ║╬\\d,i╬r = p╬\\1╬r/(3╬/.╬rd╬\\0╬r)-1/4 = 0.66  (innen liegende Schraube)\n"
    "in Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3╬/.╬rd╬\\0╬r) = 0.61  (am Rand liegende Schraube)\n"
    "  ê  ║╬\\b╬r = 0.61  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 2.22  oder  1.0)\n"
    "quer zur Kraftrichtung wirkend:  k╬\\m,i╬r = 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7 = 2.12  (innen liegende Schraube)\n"
    "quer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(2.8╬/.╬re╬\\2╬r/d╬\\0╬r-1.7, 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7) = 2.12  (am Rand liegende Schraube)\n"
    "  ê  k╬\\m╬r = 2.12  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"
    "Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 73.94 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 20.0 mm\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.676  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 2 und Schraube╬r\n"
    "in Kraftrichtung wirkend:  ║╬\\d,i╬r = p╬\\1╬r/(3╬/.╬rd╬\\0╬r)-1/4 = 0.66  (innen liegende Schraube)\n"
    "in Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3╬/.╬rd╬\\0╬r) = 0.61  (am Rand liegende Schraube)\n"
    "  ê  ║╬\\b╬r = 0.61  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 2.22  oder  1.0)\n"
    "quer zur Kraftrichtung wirkend:  k╬\\m,i╬r = 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7 = 2.12  (innen liegende Schraube)\n"
    "quer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(2.8╬/.╬re╬\\2╬r/d╬\\0╬r-1.7, 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7) = 2.12  (am Rand liegende Schraube)\n"
    "  ê  k╬\\m╬r = 2.12  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"
    "Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 73.94 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 20.0 mm\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.676  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬HZugverbindung Kategorie D:  Nicht vorgespannt\n"
    "╬_Zugversagen╬r\n"
    "Zugtragfähigkeit einer Schraube:  F╬\\t,Rd╬r = (k╬\\2╬r╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r) / └╬\\M2╬r = 141.00 kN,  k╬\\2╬r = 0.90,  f╬\\ub╬r = 800.0 N/mm²\n"
    "F╬\\t,Ed╬r = 40.0 kN  <  F╬\\t,Rd╬r = 141.00 kN  ê  U = 0.284  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Durchstanzen╬r\n"
    "Durchstanztragfähigkeit einer Schraube:  B╬\\p,Rd╬r = (0.6╬/.╬r╔╬/.╬rd╬\\m╬r╬/.╬rt╬\\p╬r╬/.╬rf╬\\u╬r)) / └╬\\M2╬r = 170.87 kN,  d╬\\m╬r = 31.5 mm,  t╬\\p╬r = 10.0 mm\n"
    "F╬\\t,Ed╬r = 40.0 kN  <  B╬\\p,Rd╬r = 170.87 kN  ê  U = 0.234  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬HKombination von Abscheren und Zug╬r\n"
    "F╬\\v,Ed╬r/F╬\\v,Rd╬r + F╬\\t,Ed╬r/(1.4╬/.╬rF╬\\t,Rd╬r) = 0.735  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬HMaximale Ausnutzung╬r U╬\\max╬r = 0.735  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n"_cp;

const std::string Slip_B_E_Revised_Level_1 =
    "╬HVerbindungsmittel\n"
    "Schraube: Festigkeitsklasse 10.9, Schraubengröße M20\n"
    "große Schlüsselweite (HV-Schraube), gleitfeste Verbindung (kontrolliert voll vorgespannt)\n"
    "Vorspannkraft F╬\\p,C╬r = 0.7╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r = 171.4 kN\n"
    "╬HAnschlussbleche\n"
    "Blech 1 mit Dicke t╬\\1╬r = 10.0 mm,  Stahlgüte S235\n"
    "Blech 2 mit Dicke t╬\\2╬r = 10.0 mm,  Stahlgüte S235\n"
    "╬HNachweise\n"
    "einschnittiger Anschluss\n"
    "Scherverbindung Kategorie B (Abscheren, Lochleibungsversagen, Gleiten):\n"
    "Bemessungswert der einwirkenden Scherkraft je Schraube F╬\\v,Ed╬r = 60.0 kN\n"
    "Bemessungswert der einwirkenden Scherkraft (GZG) je Schraube F╬\\v,Ed,ser╬r = 40.0 kN\n"
    "Abscheren:  Schaft der Schraube liegt in der Scherfuge\n"
    "Lochleibung in Kraftrichtung:\n"
    "Randabstand e╬\\1,1╬r = 40.0 mm, e╬\\1,2╬r = 40.0 mm,  Lochabstand p╬\\1╬r = 60.0 mm\n"
    "Lochleibung quer zur Kraftrichtung:\n"
    "e╬\\2,1╬r = 30.0 mm, e╬\\2,2╬r = 30.0 mm,  Lochabstand p╬\\2╬r = 60.0 mm\n"
    "Gleiten:  Gleitflächenklasse A (Reibungszahl ╞ = 0.50)\n"
    "Zugverbindung Kategorie E (Zug, Durchstanzen):\n"
    "Bemessungswert der einwirkenden Zugkraft je Schraube F╬\\t,Ed╬r = 30.0 kN\n"
    "Bemessungswert der einwirkenden Zugkraft (GZG) je Schraube F╬\\t,Ed,ser╬r = 20.0 kN\n"
    "Randabstand: ╬te╬\\1╬r = 40.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\1╬r = 40.0 mm < 4╬/.╬rt╬\\1╬r + 40 mm = 80.0 mm\n"
    "Randabstand: ╬te╬\\2╬r = 30.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\2╬r = 30.0 mm < 4╬/.╬rt╬\\min╬r + 40 mm = 80.0 mm\n"
    "Lochabstand: ╬tp╬\\1╬r = 60.0 mm > 2.2╬/.╬rd╬\\0╬r = 48.4 mm,  ╬tp╬\\1╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "Lochabstand: ╬tp╬\\2╬r = 60.0 mm > 2.4╬/.╬rd╬\\0╬r = 52.8 mm,  ╬tp╬\\2╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "╬_Abscheren╬r\n"
    "Abschertragfähigkeit F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 150.80 kN,  ║╬\\v╬r = 0.60\n"
    "F╬\\v,Ed╬r = 60.0 kN  <  F╬\\v,Rd╬r = 150.80 kN  ê  U = 0.398  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 1 und Schraube╬r\n"
    "Lochleibungstragfähigkeit F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 104.73 kN,  k╬\\m╬r = 1.00,  ║╬\\b╬r = 1.82\n"
    "F╬\\v,Ed╬r = 60.0 kN  <  F╬\\b,Rd╬r = 104.73 kN  ê  U = 0.573  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 2 und Schraube╬r\n"
    "Lochleibungstragfähigkeit F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 104.73 kN,  k╬\\m╬r = 1.00,  ║╬\\b╬r = 1.82\n"
    "F╬\\v,Ed╬r = 60.0 kN  <  F╬\\b,Rd╬r = 104.73 kN  ê  U = 0.573  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Gleiten╬r\n"
    "Vorspannkraft F╬\\p,C╬r = 0.7╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r = 171.4 kN,  Zugkraft F╬\\t,Ed╬r = 20.0 kN\n"
    "Gleitwiderstand im GZG (kombinierte Scher- und Zugbeanspr.)\n"
    "  F╬\\s,Rd,ser╬r = (k╬\\s╬r╬/.╬rn╬/.╬r╞╬/.╬r(F╬\\p,C╬r-0.8╬/.╬rF╬\\t,Ed,ser╬r)) / └╬\\M3,ser╬r = 70.62 kN,  k╬\\s╬r = 1.00,  n = 1\n"
    "F╬\\v,Ed,ser╬r = 40.0 kN  <  F╬\\s,Rd,ser╬r = 70.62 kN  ê  U = 0.566  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Zugversagen╬r\n"
    "Zugtragfähigkeit einer Schraube F╬\\t,Rd╬r = F╬\\p,Cd╬r = 0.7╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r / └╬\\M7╬r = 155.8 kN\n"
    "F╬\\t,Ed╬r = 30.0 kN  <  F╬\\t,Rd╬r = 155.78 kN  ê  U = 0.193  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Durchstanzen╬r\n"
    "Durchstanztragfähigkeit einer Schraube B╬\\p,Rd╬r = (0.6╬/.╬r╔╬/.╬rd╬\\m╬r╬/.╬rt╬\\p╬r╬/.╬rf╬\\u╬r)) / └╬\\M2╬r = 181.94 kN,  t╬\\p╬r = 10.0 mm\n"
    "F╬\\t,Ed╬r = 30.0 kN  <  B╬\\p,Rd╬r = 181.94 kN  ê  U = 0.165  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Kombination von Abscheren und Zug╬r\n"
    "F╬\\v,Ed╬r/F╬\\v,Rd╬r + F╬\\t,Ed╬r/(1.4╬/.╬rF╬\\t,Rd╬r) = 0.535  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Maximale Ausnutzung U╬\\max╬r = 0.573  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n"_cp;

const std::string Slip_C_Level_0 =
    "╬HVerbindungsmittel\n"
    "Schraube: Festigkeitsklasse 10.9, Schraubengröße M20\n"
    "große Schlüsselweite (HV-Schraube), gleitfeste Verbindung (kontrolliert voll vorgespannt)\n"
    "Vorspannkraft F╬\\p,C╬r = 0.7╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r = 171.4 kN\n"
    "╬HAnschlussbleche\n"
    "Blech 1 mit Dicke t╬\\1╬r = 10.0 mm,  Stahlgüte S235\n"
    "Blech 2 mit Dicke t╬\\2╬r = 10.0 mm,  Stahlgüte S235\n"
    "╬HNachweise\n"
    "einschnittiger Anschluss\n"
    "Scherverbindung Kategorie C (Abscheren, Lochleibungsversagen, Gleiten, Querschnittsversagen):\n"
    "Bemessungswert der einwirkenden Scherkraft je Schraube F╬\\v,Ed╬r = 60.0 kN\n"
    "Summe der einwirkenden Scherkräfte je Schraube ▓F╬\\v,Ed╬r = 200.0 kN\n"
    "Abscheren:  Schaft der Schraube liegt in der Scherfuge\n"
    "Lochleibung in Kraftrichtung:\n"
    "Randabstand e╬\\1,1╬r = 40.0 mm, e╬\\1,2╬r = 40.0 mm,  Lochabstand p╬\\1╬r = 60.0 mm\n"
    "Lochleibung quer zur Kraftrichtung:\n"
    "e╬\\2,1╬r = 30.0 mm, e╬\\2,2╬r = 30.0 mm,  Lochabstand p╬\\2╬r = 60.0 mm\n"
    "Gleiten:  Gleitflächenklasse A (Reibungszahl ╞ = 0.50)\n"
    "Gleiten:  Nettofläche längs der kritischen Risslinie durch die Löcher A╬\\net╬r = 15.000 cm²\n"
    "Randabstand: ╬te╬\\1╬r = 40.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\1╬r = 40.0 mm < 4╬/.╬rt╬\\1╬r + 40 mm = 80.0 mm\n"
    "Randabstand: ╬te╬\\2╬r = 30.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\2╬r = 30.0 mm < 4╬/.╬rt╬\\min╬r + 40 mm = 80.0 mm\n"
    "Lochabstand: ╬tp╬\\1╬r = 60.0 mm > 2.2╬/.╬rd╬\\0╬r = 48.4 mm,  ╬tp╬\\1╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "Lochabstand: ╬tp╬\\2╬r = 60.0 mm > 2.4╬/.╬rd╬\\0╬r = 52.8 mm,  ╬tp╬\\2╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "Gleiten: F╬\\v,Ed╬r = 60.0 kN  <  F╬\\s,Rd╬r = 68.54 kN  ê  U = 0.875  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Lochleibung: F╬\\v,Ed╬r = 60.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.811  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "F╬\\v,Ed╬r = 60.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.811  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Querschnittsversagen: ▓F╬\\v,Ed╬r = 200.0 kN  <  N╬\\net,Rd╬r = 352.50 kN  ê  U = 0.567  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Maximale Ausnutzung U╬\\max╬r = 0.875  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"_cp;

const std::string Rivet_Level_1 =
    "╬HVerbindungsmittel\n"
    "Niet: Nietwerkstoff: RSt 38\n"
    "Durchmesser des Nietlochs d╬\\0╬r = 21.0 mm\n"
    "╬HAnschlussbleche\n"
    "Blech 1 mit Dicke t╬\\1╬r = 10.0 mm,  Stahlgüte S235\n"
    "Blech 2 mit Dicke t╬\\2╬r = 10.0 mm,  Stahlgüte S235\n"
    "╬HNachweise\n"
    "einschnittiger Anschluss\n"
    "Scherverbindung Kategorie A (Abscheren, Lochleibungsversagen):\n"
    "Bemessungswert der einwirkenden Scherkraft je Niet F╬\\v,Ed╬r = 50.0 kN\n"
    "Lochleibung in Kraftrichtung:\n"
    "Randabstand e╬\\1,1╬r = 40.0 mm, e╬\\1,2╬r = 40.0 mm,  Lochabstand p╬\\1╬r = 60.0 mm\n"
    "Lochleibung quer zur Kraftrichtung:\n"
    "e╬\\2,1╬r = 30.0 mm, e╬\\2,2╬r = 30.0 mm,  Lochabstand p╬\\2╬r = 60.0 mm\n"
    "Zugverbindung Kategorie D (Zug, Durchstanzen):\n"
    "Bemessungswert der einwirkenden Zugkraft je Niet F╬\\t,Ed╬r = 40.0 kN\n"
    "Nietwerkstoff entsprechend ╬_deutschem╬r nationalen Anhang (NA-DE)\n"
    "Randabstand: ╬te╬\\1╬r = 40.0 mm > 1.2╬/.╬rd╬\\0╬r = 25.2 mm,  ╬te╬\\1╬r = 40.0 mm < 4╬/.╬rt╬\\1╬r + 40 mm = 80.0 mm\n"
    "Randabstand: ╬te╬\\2╬r = 30.0 mm > 1.2╬/.╬rd╬\\0╬r = 25.2 mm,  ╬te╬\\2╬r = 30.0 mm < 4╬/.╬rt╬\\min╬r + 40 mm = 80.0 mm\n"
    "Lochabstand: ╬tp╬\\1╬r = 60.0 mm > 2.2╬/.╬rd╬\\0╬r = 46.2 mm,  ╬tp╬\\1╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "Lochabstand: ╬tp╬\\2╬r = 60.0 mm > 2.4╬/.╬rd╬\\0╬r = 50.4 mm,  ╬tp╬\\2╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "╬_Abscheren╬r\n"
    "Abschertragfähigkeit je Scherfuge F╬\\v,Rd╬r = (0.6╬/.╬rf╬\\ur╬r╬/.╬rA╬\\0╬r) / └╬\\M2╬r = 61.51 kN\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\v,Rd╬r = 61.51 kN  ê  U = 0.813  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 1 und Niet╬r\n"
    "Lochleibungstragfähigkeit F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 88.32 kN,  k╬\\m╬r = 2.30,  ║╬\\b╬r = 0.63\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 88.32 kN  ê  U = 0.566  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 2 und Niet╬r\n"
    "Lochleibungstragfähigkeit F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 88.32 kN,  k╬\\m╬r = 2.30,  ║╬\\b╬r = 0.63\n"
    "F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 88.32 kN  ê  U = 0.566  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Zugtragfähigkeit eines Niets F╬\\t,Rd╬r = (0.6╬/.╬rf╬\\ur╬r╬/.╬rA╬\\0╬r) / └╬\\M2╬r = 61.51 kN\n"
    "F╬\\t,Ed╬r = 40.0 kN  <  F╬\\t,Rd╬r = 61.51 kN  ê  U = 0.650  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Kombination von Abscheren und Zug╬r\n"
    "F╬\\v,Ed╬r/F╬\\v,Rd╬r + F╬\\t,Ed╬r/(1.4╬/.╬rF╬\\t,Rd╬r) = 1.277  >  1  ╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}\n"
    "Maximale Ausnutzung U╬\\max╬r = 1.277  >  1  ╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}\n"
    "╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n"_cp;

const std::string Injection_Level_2 =
    "╬HVerbindungsmittel\n"
    "Injektionsschraube: Festigkeitsklasse 10.9, Schraubengröße M20\n"
    "große Schlüsselweite (HV-Schraube), vorgespannt (zur Info: Regelvorspannkraft F╬\\p,C╬r* = 0.7╬/.╬rf╬\\yb╬r╬/.╬rA╬\\s╬r = 154.2 kN)\n"
    "Festigkeit des Injektionsharzes f╬\\b,resin╬r = 150.0 N/mm²\n"
    "╬HAnschlussbleche\n"
    "Blech 1 mit Dicke t╬\\1╬r = 10.0 mm,  Stahlgüte S235\n"
    "Blech 2 mit Dicke t╬\\2╬r = 10.0 mm,  Stahlgüte S235\n"
    "╬HNachweise\n"
    "einschnittiger Anschluss\n"
    "Scherverbindung Kategorie A (Abscheren, Lochleibungsversagen):\n"
    "Bemessungswert der einwirkenden Scherkraft je Injektionsschraube F╬\\v,Ed╬r = 30.0 kN\n"
    "Lochleibung in Kraftrichtung:\n"
    "Randabstand e╬\\1,1╬r = 40.0 mm, e╬\\1,2╬r = 40.0 mm,  Lochabstand p╬\\1╬r = 60.0 mm\n"
    "Lochleibung quer zur Kraftrichtung:\n"
    "e╬\\2,1╬r = 30.0 mm, e╬\\2,2╬r = 30.0 mm,  Lochabstand p╬\\2╬r = 60.0 mm\n"
    "Randabstand: ╬te╬\\1╬r = 40.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\1╬r = 40.0 mm < 4╬/.╬rt╬\\1╬r + 40 mm = 80.0 mm\n"
    "Randabstand: ╬te╬\\2╬r = 30.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\2╬r = 30.0 mm < 4╬/.╬rt╬\\min╬r + 40 mm = 80.0 mm\n"
    "Lochabstand: ╬tp╬\\1╬r = 60.0 mm > 2.2╬/.╬rd╬\\0╬r = 48.4 mm,  ╬tp╬\\1╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "Lochabstand: ╬tp╬\\2╬r = 60.0 mm > 2.4╬/.╬rd╬\\0╬r = 52.8 mm,  ╬tp╬\\2╬r = 60.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    "╬HScherverbindung Kategorie A:  Scher-/Lochleibungsverbindung\n"
    "╬_Abscheren╬r\n"
    "Schaft in der Scherfuge:  ║╬\\v╬r = 0.6,  A = 3.14 cm²\n"
    "Abschertragfähigkeit:  F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 150.80 kN,  f╬\\ub╬r = 1000.0 N/mm²\n"
    "F╬\\v,Ed╬r = 30.0 kN  <  F╬\\v,Rd╬r = 150.80 kN  ê  U = 0.199  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 1 und Schraube╬r\n"
    "in Kraftrichtung wirkend:  ║╬\\d,i╬r = p╬\\1╬r/(3╬/.╬rd╬\\0╬r)-1/4 = 0.66  (innen liegende Schraube)\n"
    "in Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3╬/.╬rd╬\\0╬r) = 0.61  (am Rand liegende Schraube)\n"
    "  ê  ║╬\\b╬r = 0.61  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 2.78  oder  1.0)\n"
    "quer zur Kraftrichtung wirkend:  k╬\\m,i╬r = 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7 = 2.12  (innen liegende Schraube)\n"
    "quer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(2.8╬/.╬re╬\\2╬r/d╬\\0╬r-1.7, 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7) = 2.12  (am Rand liegende Schraube)\n"
    "  ê  k╬\\m╬r = 2.12  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"
    "Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 73.94 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 20.0 mm\n"
    "F╬\\v,Ed╬r = 30.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.406  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Blech 2 und Schraube╬r\n"
    "in Kraftrichtung wirkend:  ║╬\\d,i╬r = p╬\\1╬r/(3╬/.╬rd╬\\0╬r)-1/4 = 0.66  (innen liegende Schraube)\n"
    "in Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3╬/.╬rd╬\\0╬r) = 0.61  (am Rand liegende Schraube)\n"
    "  ê  ║╬\\b╬r = 0.61  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 2.78  oder  1.0)\n"
    "quer zur Kraftrichtung wirkend:  k╬\\m,i╬r = 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7 = 2.12  (innen liegende Schraube)\n"
    "quer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(2.8╬/.╬re╬\\2╬r/d╬\\0╬r-1.7, 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7) = 2.12  (am Rand liegende Schraube)\n"
    "  ê  k╬\\m╬r = 2.12  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"
    "Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 73.94 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 20.0 mm\n"
    "F╬\\v,Ed╬r = 30.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.406  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung des Injektionsharzes╬r\n"
    "normales Lochspiel  ê  Beiwert k╬\\s╬r = 1.0\n"
    "Beiwerte für t╬\\1╬r/t╬\\2╬r = 1.00:  ╗ = 1.333,  t╬\\b,resin╬r = 10.0 mm\n"
    "Lochleibungstragfähigkeit:  F╬\\b,Rd,resin╬r = (k╬\\t╬r╬/.╬rk╬\\s╬r╬/.╬rd╬/.╬rt╬\\b,resin╬r╬/.╬r╗╬/.╬rf╬\\b,resin╬r) / └╬\\M4╬r = 38.40 kN\n"
    "  mit k╬\\t╬r = 1.2  (GZT)\n"
    "F╬\\v,Ed╬r = 30.0 kN  <  F╬\\b,Rd,resin╬r = 38.40 kN  ê  U = 0.781  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬HMaximale Ausnutzung╬r U╬\\max╬r = 0.781  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n"_cp;

const std::string Anchor_Level_0 =
    "╬HVerbindungsmittel\n"
    "Ankerschraube: Ausführung mit Ankerplatte/Kopfbolzen, Durchmesser d╬\\h╬r = 60.0 mm, Dicke t╬\\h╬r = 15.0 mm\n"
    "Festigkeitsklasse 5.6, Schraubengröße M20, Einbindetiefe úe = 150.0 mm\n"
    "normale Schlüsselweite\n"
    "╬HAnschlusselemente\n"
    "Stahlplatte mit Dicke t╬\\p╬r = 20.0 mm,  Stahlgüte S235\n"
    "Mörtelschicht mit Dicke t╬\\m╬r = 5.0 mm,  Einspanngrad der Ankerschraube ║╬\\M╬r = 1.00\n"
    "Betonquerschnitt mit Dicke t╬\\f╬r = 300.0 mm,  Betongüte C25/30 char. Druckfestigkeit f╬\\ck╬r = 25.0 N/mm²\n"
    "Hinweis: Querschnittsbreite > 3╬/.╬rúe+p╬\\1╬r = 600.0 mm, Länge > 3╬/.╬rúe+p╬\\2╬r = 600.0 mm ╬{C 1 165 75 165}╬H!!╬{C 768}\n"
    "╬HNachweise\n"
    "einschnittiger Anschluss\n"
    "Scherverbindung Kategorie A (Abscheren, Lochleibungsversagen):\n"
    "Bemessungswert der einwirkenden Scherkraft je Ankerschraube F╬\\v,Ed╬r = 20.0 kN\n"
    "Lochleibung in Kraftrichtung:\n"
    "Randabstand e╬\\1,1╬r = 50.0 mm,  Lochabstand p╬\\1╬r = 150.0 mm\n"
    "Lochleibung quer zur Kraftrichtung:\n"
    "e╬\\2,1╬r = 50.0 mm,  Lochabstand p╬\\2╬r = 150.0 mm\n"
    "Zugverbindung Kategorie D (Zug, Durchstanzen):\n"
    "Bemessungswert der einwirkenden Zugkraft je Ankerschraube F╬\\t,Ed╬r = 15.0 kN\n"
    "Abscheren: F╬\\v,Ed╬r = 20.0 kN  <  F╬\\v,Rd╬r = 44.06 kN  ê  U = 0.454  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Lochleibung: F╬\\v,Ed╬r = 20.0 kN  <  F╬\\b,Rd╬r = 218.18 kN  ê  U = 0.092  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Betonausbruch auf der lastabgewandten Seite: V╬\\Rk,cp╬r = 36.33 kN,  F╬\\v,Ed╬r = 20.0 kN  <  V╬\\Rd,cp╬r = 24.22 kN  ê  U = 0.826  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Zugversagen: F╬\\t,Ed╬r = 15.0 kN  <  F╬\\t,Rd╬r = 66.10 kN  ê  U = 0.227  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "kegelförmiger Betonausbruch: F╬\\t,Ed╬r = 15.0 kN  <  N╬\\Rd,c╬r = 24.22 kN  ê  U = 0.619  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Kombination von Querlast mit Zug (Stahlbruch): (F╬\\v,Ed╬r/F╬\\v,Rd╬r)² + (F╬\\t,Ed╬r/F╬\\t,Rd╬r)² = 0.258  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "Kombination von Querlast mit Zug (Betonbruch): (F╬\\v,Ed╬r/V╬\\Rd,cp╬r)╬/1.5╬r + (F╬\\t,Ed╬r/N╬\\Rd,c╬r)╬/1.5╬r = 1.238  oder  (F╬\\v,Ed╬r/V╬\\Rd,cp╬r + F╬\\t,Ed╬r/N╬\\Rd,c╬r)/1.2 = 1.204\n"
    " ê  Ausnutzung U = 1.204  >  1  ╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}\n"
    "Maximale Ausnutzung U╬\\max╬r = 1.204  >  1  ╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}\n"
    "╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n"_cp;

const std::string Anchor_Level_1 =
    "╬HVerbindungsmittel\n"
    "Ankerschraube: Ausführung mit Ankerplatte/Kopfbolzen, Durchmesser d╬\\h╬r = 60.0 mm, Dicke t╬\\h╬r = 15.0 mm\n"
    "Festigkeitsklasse 5.6, Schraubengröße M20, Einbindetiefe úe = 150.0 mm\n"
    "normale Schlüsselweite\n"
    "╬HAnschlusselemente\n"
    "Stahlplatte mit Dicke t╬\\p╬r = 20.0 mm,  Stahlgüte S235\n"
    "Mörtelschicht mit Dicke t╬\\m╬r = 5.0 mm,  Einspanngrad der Ankerschraube ║╬\\M╬r = 1.00\n"
    "Betonquerschnitt mit Dicke t╬\\f╬r = 300.0 mm,  Betongüte C25/30 char. Druckfestigkeit f╬\\ck╬r = 25.0 N/mm²\n"
    "Hinweis: Querschnittsbreite > 3╬/.╬rúe+p╬\\1╬r = 600.0 mm, Länge > 3╬/.╬rúe+p╬\\2╬r = 600.0 mm ╬{C 1 165 75 165}╬H!!╬{C 768}\n"
    "╬HNachweise\n"
    "einschnittiger Anschluss\n"
    "Scherverbindung Kategorie A (Abscheren, Lochleibungsversagen):\n"
    "Bemessungswert der einwirkenden Scherkraft je Ankerschraube F╬\\v,Ed╬r = 20.0 kN\n"
    "Lochleibung in Kraftrichtung:\n"
    "Randabstand e╬\\1,1╬r = 50.0 mm,  Lochabstand p╬\\1╬r = 150.0 mm\n"
    "Lochleibung quer zur Kraftrichtung:\n"
    "e╬\\2,1╬r = 50.0 mm,  Lochabstand p╬\\2╬r = 150.0 mm\n"
    "Zugverbindung Kategorie D (Zug, Durchstanzen):\n"
    "Bemessungswert der einwirkenden Zugkraft je Ankerschraube F╬\\t,Ed╬r = 15.0 kN\n"
    "╬_Abscheren╬r\n"
    "Widerstand gegen Stahlbruch V╬\\Rk,s╬r = k╬\\7╬r╬/.╬rV╬\\Rk,s╬/0╬r = 73.44 kN,  k╬\\7╬r = 1.0,  V╬\\Rk,s╬/0╬r = 73.44 kN\n"
    "V╬\\Rd,s╬r = V╬\\Rk,s╬r/└╬\\Ms╬r = 44.06 kN,  └╬\\Ms╬r = max(f╬\\uk╬r/f╬\\yk╬r,1.25) = 1.67  für  f╬\\uk╬r ≤ 800 N/mm² und f╬\\yk╬r/f╬\\uk╬r ≤ 0.8\n"
    "Abschertragfähigkeit einer Ankerschraube F╬\\v,Rd╬r = V╬\\Rd,s╬r = 44.06 kN\n"
    "F╬\\v,Ed╬r = 20.0 kN  <  F╬\\v,Rd╬r = 44.06 kN  ê  U = 0.454  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Lochleibung von Stahlplatte und Schraube╬r\n"
    "Lochleibungstragfähigkeit F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 218.18 kN,  k╬\\m╬r = 2.50,  ║╬\\b╬r = 0.76\n"
    "F╬\\v,Ed╬r = 20.0 kN  <  F╬\\b,Rd╬r = 218.18 kN  ê  U = 0.092  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Betonausbruch auf der lastabgewandten Seite╬r\n"
    "Widerstand gegen Betonausbruch V╬\\Rk,cp╬r = k╬\\8╬r╬/.╬rN╬\\Rk,c╬r = 36.33 kN,  k╬\\8╬r = 1.0,  N╬\\Rk,c╬r = 36.33 kN\n"
    "  V╬\\Rd,cp╬r = V╬\\Rk,cp╬r/└╬\\Mc╬r = 24.22 kN,  └╬\\Mc╬r = 1.50\n"
    "F╬\\v,Ed╬r = 20.0 kN  <  V╬\\Rd,cp╬r = 24.22 kN  ê  U = 0.826  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Zugversagen╬r\n"
    "Widerstand gegen Stahlbruch N╬\\Rk,s╬r = 0.9╬/.╬rf╬\\uk╬r╬/.╬rA╬\\s╬r = 110.16 kN\n"
    "  N╬\\Rd,s╬r = N╬\\Rk,s╬r/└╬\\Ms╬r = 66.10 kN,  └╬\\Ms╬r = max(f╬\\uk╬r/f╬\\yk╬r,1.25) = 1.67  für  f╬\\uk╬r ≤ 800 N/mm² und f╬\\yk╬r/f╬\\uk╬r ≤ 0.8\n"
    "Zugtragfähigkeit einer Ankerschraube F╬\\t,Rd╬r = 66.10 kN\n"
    "Widerstand gegen Herausziehen N╬\\Rk,p╬r = k╬\\2╬r╬/.╬rA╬\\h╬r╬/.╬rf╬\\ck╬r = 471.24 kN,  k╬\\2╬r = 7.5,  A╬\\h╬r = 25.13 cm²\n"
    "Zugtragfähigkeit einer Ankerschraube für N╬\\Rd,p╬r > F╬\\t,Rd╬r: F╬\\t,Rd╬r = 66.10 kN\n"
    "F╬\\t,Ed╬r = 15.0 kN  <  F╬\\t,Rd╬r = 66.10 kN  ê  U = 0.227  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_kegelförmiger Betonausbruch╬r\n"
    "Widerstand gegen kegelförmigen Betonausbruch N╬\\Rk,c╬r = N╬\\Rk,c╬/0╬r╬/.╬rA╬\\c,N╬r/(4╬/.╬rA╬\\c,N╬/0╬r)╬/.╬r╥╬\\s,N╬r╬/.╬r╥╬\\re,N╬r╬/.╬r╥╬\\ec,N╬r╬/.╬r╥╬\\M,N╬r = 36.33 kN\n"
    "  ╥╬\\s,N╬r = 1.0,  ╥╬\\re,N╬r = 1.0,  ╥╬\\ec,N╬r = 1.0,  ╥╬\\M,N╬r = 1.0,  A╬\\c,N╬r/(4╬/.╬rA╬\\c,N╬/0╬r) = 0.444,  N╬\\Rk,c╬/0╬r = 81.75 kN\n"
    "  N╬\\Rd,c╬r = N╬\\Rk,c╬r/└╬\\Mc╬r = 24.22 kN,  └╬\\Mc╬r = 1.50\n"
    "F╬\\t,Ed╬r = 15.0 kN  <  N╬\\Rd,c╬r = 24.22 kN  ê  U = 0.619  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Kombination von Querlast mit Zug (Stahlbruch)╬r\n"
    "(F╬\\v,Ed╬r/F╬\\v,Rd╬r)² + (F╬\\t,Ed╬r/F╬\\t,Rd╬r)² = 0.258  <  1  ╬{C 1 40 140 255}╬Hok╬{C 768}\n"
    "╬_Kombination von Querlast mit Zug (Betonbruch)╬r\n"
    "(F╬\\v,Ed╬r/V╬\\Rd,cp╬r)╬/1.5╬r + (F╬\\t,Ed╬r/N╬\\Rd,c╬r)╬/1.5╬r = 1.238  oder  (F╬\\v,Ed╬r/V╬\\Rd,cp╬r + F╬\\t,Ed╬r/N╬\\Rd,c╬r)/1.2 = 1.204\n"
    " ê  Ausnutzung U = 1.204  >  1  ╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}\n"
    "Maximale Ausnutzung U╬\\max╬r = 1.204  >  1  ╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}\n"
    "╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n"_cp;

// The section as the report driver writes it: protocol, then verification.
std::string Section(Bolt_Connection C, int detail) {
    const Safety_Factors factors = Test_Safety_Factors();
    Prepare_Bolt_Check(&C, 0, 1, &factors);
    return Report_Text_Lines(Paragraph_Or_Empty([&](FILE* s) {
        Print_Bolt_Input(&C, s, 0);
        Verify_Bolt_Connection(&C, s, detail);
    }));
}

Bolt_Connection Bolt_A_D() {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.options = Bolt_Option_Thread_In_Shear_Plane;
    C.e_11 = C.e_12 = 40.0;
    C.e_21 = C.e_22 = 30.0;
    C.p_1 = C.p_2 = 60.0;
    C.F_v_Ed = 50000.0;
    C.F_t_Ed = 40000.0;
    return C;
}

Bolt_Connection Slip_Resistant_Bolt() {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_10_9, [](Fastener& f) {
        f.large_width = 1;
        f.slip_resistant = 1;
    });
    C.e_11 = C.e_12 = 40.0;
    C.e_21 = C.e_22 = 30.0;
    C.p_1 = C.p_2 = 60.0;
    C.Shear_Category = Shear_Category_B;
    C.Tension_Category = Tension_Category_E;
    C.F_v_Ed = 60000.0;
    C.F_v_Ed_ser = 40000.0;
    C.F_t_Ed = 30000.0;
    C.F_t_Ed_ser = 20000.0;
    return C;
}

Bolt_Connection Anchors() {
    Bolt_Connection C = Test_Anchor_Joint(8, [](Fastener& f) {
        f.material_index = Fastener_Material_Bolt_Class;
        f.class_index = Bolt_Class_5_6;
        f.anchorage = Anchorage_Anchor_Plate;
        f.l_e = 150.0;
    });
    C.options = Bolt_Option_Thread_In_Shear_Plane;
    C.e_11 = C.e_21 = 50.0;
    C.p_1 = C.p_2 = 150.0;
    C.F_v_Ed = 20000.0;
    C.F_t_Ed = 15000.0;
    C.packing = 1;
    C.t_p = 5.0;
    return C;
}

}  // namespace

TEST(Bolt_Section, BoltInCategoriesAAndDAtEveryLevel) {
    Use_Recommended_Rules(0);
    EXPECT_EQ(Section(Bolt_A_D(), 0), Bolt_Protocol + Bolt_Distances + Bolt_Level_0);
    EXPECT_EQ(Section(Bolt_A_D(), 1), Bolt_Protocol + Bolt_Distances + Bolt_Level_1);
    EXPECT_EQ(Section(Bolt_A_D(), 2), Bolt_Protocol + Bolt_Distances + Bolt_Level_2);
}

TEST(Bolt_Section, SlipResistantBoltInCategoriesBAndEAndInC) {
    Use_Recommended_Rules(1);
    EXPECT_EQ(Section(Slip_Resistant_Bolt(), 1), Slip_B_E_Revised_Level_1);
    Use_Recommended_Rules(0);
    Bolt_Connection C = Slip_Resistant_Bolt();
    C.Shear_Category = Shear_Category_C;
    C.Tension_Category = Tension_Category_None;
    C.A_net = 1500.0;
    C.Sum_F_v_Ed = 200000.0;
    C.F_t_Ed = 0.0;
    EXPECT_EQ(Section(C, 0), Slip_C_Level_0);
}

TEST(Bolt_Section, Rivet) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Bolt_A_D();
    C.fastener.type = Fastener_Rivet;
    C.fastener.material_index = Fastener_Material_Table_1;
    C.fastener.d_0 = 21.0;
    C.options = 0;
    EXPECT_EQ(Section(C, 1), Rivet_Level_1);
}

TEST(Bolt_Section, InjectionBolt) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_10_9, [](Fastener& f) {
        f.type = Fastener_Injection_Bolt;
        f.f_b_resin = 150.0;
    });
    C.e_11 = C.e_12 = 40.0;
    C.e_21 = C.e_22 = 30.0;
    C.p_1 = C.p_2 = 60.0;
    C.F_v_Ed = 30000.0;
    EXPECT_EQ(Section(C, 2), Injection_Level_2);
}

TEST(Bolt_Section, AnchorBoltsWithPlateInConcrete) {
    Use_Recommended_Rules(0);
    EXPECT_EQ(Section(Anchors(), 0), Anchor_Level_0);
    EXPECT_EQ(Section(Anchors(), 1), Anchor_Level_1);
}
