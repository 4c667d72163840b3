// The packed texts of the star names and the constellation figures.
#include "catalog/star_texts.h"

namespace corvinata {

namespace {

// Records "letter,constellation,name." in roughly alphabetical order of the
// names. Where several records name one star the last one wins, so the
// order is part of the data.
constexpr const Char kStarProperNames[] =
    TXT("The,Eri,Acamar.Alp,Eri,Achernar.Bet,Sco,Acrab.Alp,Cru,Acrux.Alp,Cnc,Acubens.")
    TXT("Eps,CMa,Adhara.Bet,Cen,Agena.Gam,And,Alamak.Eps,Aur,Alanz.Pi,Sgr,Al Baldah.")
    TXT("Bet,Cyg,Albireo.Alp,Crv,Alchiba.Eta,Tau,Alcyone.Alp,Tau,Aldebaran.Alp,Cep,Alderamin.")
    TXT("Zet,Leo,Aldhafera.Bet,Cep,Alfirk.Gam,Peg,Algenib.Gam,Leo,Algieba.Alp,Cap,Algiedi.")
    TXT("Bet,Per,Algol.Del,Crv,Algorab.Gam,Gem,Alhena.Eps,UMa,Alioth.Eta,UMa,Alkaid.")
    TXT("Mu,Boo,Alkalurops.Alp,Crt,Alkes.Gam,And,Almach.Alp,Gru,Alnair.Gam,Sgr,Alnasl.")
    TXT("Bet,Tau,Alnath.Sig,Sco,Al Niyat.Eps,Ori,Alnilam.Zet,Ori,Alnitak.Alp,Hya,Alphard.")
    TXT("Alp,CrB,Alphecca.Alp,And,Alpheratz.Bet,Cep,Alphirk.Gam,Cep,Alrai.Mu,Dra,Alrakis.")
    TXT("Alp,Sgr,Alrami.Alp,Psc,Alrescha.Bet,Aql,Alschain.Alp,Aql,Altair.Del,Dra,Altais.")
    TXT("Bet,Cnc,Altarf.Lam,Leo,Alterf.Eta,CMa,Aludra.Xi,UMa,Alula Australis.")
    TXT("Nu,UMa,Alula Borealis.Bet,Dra,Alwaid.The,Ser,Alya.Alp,Phe,Ankaa.Alp,Sco,Antares.")
    TXT("Alp,Boo,Arcturus.Bet,Sgr,Arkab.Alp,Lep,Arneb.Zet,Sgr,Ascella.")
    TXT("Del,Cnc,Asellus Australis.Gam,Cnc,Asellus Borealis.Xi,Pup,Aspidiske.")
    TXT("Zet,Per,Atik (Menkib).Alp,TrA,Atria.Eps,Car,Avoir.The,Peg,Baham.")
    TXT("Zet,Cet,Baten Kaitos.Gam,Ori,Bellatrix.Eta,UMa,Benetnasch (Alkaid).")
    TXT("Alp,Ori,Betelgeuse.Alp,Car,Canopus.Alp,Aur,Capella.Bet,Cas,Caph.Alp,Gem,Castor.")
    TXT("Bet,Oph,Cebalrai.Gam,Boo,Ceginus.Bet,CVn,Chara.Alp,CVn,Cor Caroli.The,Leo,Coxa.")
    TXT("Bet,Eri,Cursa.Alp,Cyg,Deneb.Del,Cap,Deneb Algiedi.Bet,Leo,Denebola.Alp,Com,Diadem.")
    TXT("Bet,Cet,Diphda (Deneb Kaitos).Del,Sco,Dschubba.Psi,Dra,Dsiban.Alp,UMa,Dubhe.")
    TXT("Iot,Dra,Edasich.Alp,Tri,Elmuthalleth.Bet,Tau,Elnath.Gam,Dra,Eltanin.Eps,Peg,Eniph.")
    TXT("Gam,Cep,Errai.Gam,Dra,Etamin.Alp,PsA,Fomalhaut.Zet,CMa,Furud.Gam,Cru,Gacrux.")
    TXT("Alp,CrB,Gemma (Alphecca).Lam,Dra,Giauzar.Alp,Cap,Giedi.Gam,Crv,Gienah (Crv).")
    TXT("Eps,Cyg,Gienah (Cyg).Bet,CMi,Gomeisa.Bet,Sco,Grafias.Xi,Dra,Grumium.")
    TXT("Bet,Cen,Hadar (Agena).Alp,Ari,Hamal.Iot,Aur,Hassaleh.Iot,Ori,Hatysa.Zet,Peg,Homam.")
    TXT("Eps,Boo,Izar.Alp,Psc,Kaitain (Alrescha).Eps,Sgr,Kaus Australis.")
    TXT("Lam,Sgr,Kaus Borealis.Del,Sgr,Kaus Medius.Bet,Oph,Kelb al Rai.Alp,Equ,Kitalphar.")
    TXT("Bet,UMi,Kochab.Bet,Her,Kornephoros (Rutilicus).Bet,Crv,Kraz.Nu,Dra,Kuma.")
    TXT("Xi,Cep,Kurhah.Ups,Sco,Lesath.Lam,Oph,Marfik.Alp,Peg,Markab.Kap,Her,Marsik.")
    TXT("Eta,Peg,Matar.Eps,Gem,Mebsuta.Del,UMa,Megrez.Lam,Ori,Meissa.Alp,Cet,Mekab (Menkar).")
    TXT("Zet,Gem,Mekbuda.Bet,Aur,Menkalinan.Alp,Cet,Menkar.Xi,Per,Menkib.Bet,UMa,Merak.")
    TXT("Gam,Ari,Mesartim.Bet,Car,Miaplacidus.Bet,Cru,Mimosa.Eps,Crv,Minkar.Del,Ori,Mintaka.")
    TXT("Omi,Cet,Mira.Bet,And,Mirach.Alp,Per,Mirfak.Bet,CMa,Mirzam.Zet,UMa,Mizar.")
    TXT("Alp,Tri,Mothallah.Gam,CMa,Muliphein.Eta,Boo,Muphrid.Zet,Pup,Naos.Gam,Sgr,Nash.")
    TXT("Gam,Cap,Nashira.Bet,Tau,Nath.Bet,Boo,Nekkar.Bet,Lep,Nihal.Sig,Sgr,Nunki.")
    TXT("Bet,CrB,Nusakan.Alp,Pav,Peacock.Alp,Col,Phakt.Gam,Uma,Phad.Gam,UMa,Phecda.")
    TXT("Gam,UMi,Pherkad.Zet,CMa,Phurud.Alp,UMi,Polaris.Bet,Gem,Pollux.Gam,Vir,Porrima.")
    TXT("Alp,CMi,Procyon.Eta,Gem,Propus.Eps,Boo,Pulcherrima.Alp,Her,Ras Algethi.")
    TXT("Alp,Oph,Ras Alhague.Eps,Leo,Ras Elased.Bet,Dra,Rastaban.Alp,Leo,Regulus.")
    TXT("Bet,Ori,Rigel.Alp,Cen,Rigil Kentaurus.Bet,Del,Rotanev.Del,Cas,Ruchbah (Ksora).")
    TXT("Alp,Sgr,Rukbat.Bet,Her,Kornephoros.Eta,Oph,Sabik.Gam,Aqr,Sadachbia.Mu,Peg,Sadalbari.")
    TXT("Alp,Aqr,Sadalmelik.Bet,Aqr,Sadalsud.Gam,Cyg,Sadir.The,Sco,Sargas.Kap,Ori,Saiph.")
    TXT("Alp,Cas,Schedar.Bet,Peg,Scheat.Gam,Boo,Seginus.Lam,Sco,Shaula.Bet,Lyr,Sheliak.")
    TXT("Bet,Ari,Sheratan.Alp,CMa,Sirius.Alp,And,Sirrah.Del,Aqr,Skat.Alp,Vir,Spica.")
    TXT("Gam,Vel,Suhail Al Muhlif.Lam,Vel,Suhail Al Wazn.Gam,Lyr,Sulaphat.Alp,Del,Svalocin.")
    TXT("Iot,UMa,Talitha.Mu,UMa,Tania Australis.Lam,UMa,Tania Borealis.Gam,Aql,Tarazed.")
    TXT("Mu,Gem,Tejat Posterior.Eta,Gem,Tejat Prior.Alp,Dra,Thuban.Alp,Cen,Toliman.")
    TXT("Alp,Ser,Unukalhay.Alp,Lyr,Vega.Eps,Vir,Vindemiatrix.Del,Gem,Wasat.Del,CMa,Wezen.")
    TXT("Eps,Oph,Yed Posterior.Del,Oph,Yed Prior.Del,UMi,Yildun.Eta,Vir,Zaniah.")
    TXT("Gam,Eri,Zaurak.Bet,Vir,Zawijah.Del,Leo,Zosma (Zozca).Del,Lib,Zuben el Akribi.")
    TXT("Bet,Lib,Zuben el Chamali.Alp,Lib,Zuben el Genubi.Gam,Lib,Zuben el Hakrabi.");

// Per constellation "abbreviation:" and polylines separated by ";", ended
// by ".". A star is a Greek letter by its full name or an HR number in four
// digits.
constexpr const Char kConstellationFigures[] =
    TXT("And: Alpha Beta Gamma.Ant: Epsilon Alpha Iota.Aps: Alpha Delta Gamma Beta.")
    TXT("Aql: Gamma Alpha Zeta Delta Theta Alpha; Delta Lambda.")
    TXT("Aqr: 8812 Delta 8679 Lambda Zeta Pi; Gamma Zeta; Eta Zeta Alpha Beta Mu Epsilon.")
    TXT("Ara: Delta Gamma Beta Alpha Epsilon Zeta Eta; Gamma Zeta.Ari: Alpha Beta Gamma.")
    TXT("Aur: Alpha Beta Theta 1791 Iota Epsilon Alpha.")
    TXT("Boo: Zeta Alpha Epsilon Delta Beta Gamma Rho Alpha Eta.Cae: Beta Alpha Delta.")
    TXT("Cam: Beta Alpha Gamma 1035.")
    TXT("Cap: Alpha Beta Theta Iota Gamma Delta Kappa 8213 Zeta 8080 8013 Omega Psi Beta.")
    TXT("Car: Alpha Epsilon Iota 4050 4140 Theta Omega Beta.")
    TXT("Cas: Beta Alpha Gamma Delta Epsilon.")
    TXT("Cen: Alpha Beta Epsilon Gamma Sigma Delta Lambda; Epsilon Zeta Mu Nu Iota; Nu Theta Psi 5471 5485; Psi 5378 Eta Kappa.")
    TXT("Cep: Alpha Beta Gamma Iota Zeta Alpha Eta.")
    TXT("Cet: Gamma Alpha Mu Xi Gamma Delta Omicron Zeta Theta Eta Iota Beta Tau Zeta.")
    TXT("Cha: Alpha Gamma Beta.Cir: Beta Alpha Gamma.")
    TXT("CMa: Beta Alpha 2571 Delta 2766 Eta; Delta Epsilon.CMi: Alpha Beta.")
    TXT("Cnc: Alpha Delta 3319 Beta; Delta Gamma Iota.Com: Alpha Beta Gamma.")
    TXT("Col: Epsilon Alpha Beta Gamma Kappa Delta; Beta Eta.")
    TXT("CrA: Epsilon Gamma Alpha Beta Delta Zeta.")
    TXT("CrB: Theta Beta Alpha Gamma Delta Epsilon Iota.")
    TXT("Crt: Alpha Delta Epsilon Theta; Beta Gamma Zeta Eta; Gamma Delta.")
    TXT("Cru: Alpha Gamma; Beta Delta.Crv: Beta Delta Gamma Epsilon Beta.CVn: Alpha Beta.")
    TXT("Cyg: Alpha Gamma Eta Beta; Kappa 7420 Delta Gamma Epsilon Zeta.")
    TXT("Del: Epsilon Beta Alpha Gamma Delta Beta.Dor: Gamma Alpha Zeta Beta Delta.")
    TXT("Dra: Lambda Kappa Alpha Iota Theta Eta Zeta Chi Tau Epsilon Delta Xi Beta Gamma Xi.")
    TXT("Equ: Alpha Delta Gamma.")
    TXT("Eri: Alpha Chi Phi Kappa 0789 Iota Theta 1008 1190 1195 1347 1393 1464 1240 1173 1088 1003 0919 0850 0818 0811 Eta Zeta Epsilon Delta Pi Gamma 1298 Nu Mu Omega Beta.")
    TXT("For: Alpha Beta.Gem: Xi Gamma Beta Alpha Epsilon Mu Eta 2134.")
    TXT("Gru: Alpha 8560; Beta 8560 8488 8486 Lambda Gamma.")
    TXT("Her: Iota Theta Pi Eta Sigma Tau Phi; Xi Mu Lambda Delta Epsilon Zeta Beta Gamma; Epsilon Pi; Zeta Eta.")
    TXT("Hor: Alpha Iota.")
    TXT("Hya: Zeta Epsilon Delta Sigma Eta Zeta Theta Iota Alpha 3903 Lambda Mu Nu Xi Beta Gamma 5080 Pi.")
    TXT("Hyi: Alpha Delta Epsilon Gamma Beta.Ind: Alpha Eta Beta.")
    TXT("Lac: Beta Alpha 8541 8572 8523 8579 8485 8498.")
    TXT("Leo: Gamma Delta Beta Theta Alpha Eta Gamma Zeta Mu Epsilon.")
    TXT("Lep: Delta Gamma Beta Alpha Zeta Eta; Beta Epsilon; Alpha Mu.")
    TXT("Lib: Gamma Beta Alpha Sigma.LMi: 4247 Beta 3974.")
    TXT("Lup: Theta Eta Gamma Epsilon Kappa Zeta Alpha Beta Delta Phi Chi; Gamma Delta.")
    TXT("Lyn: Alpha 3690 3275 2560 2238.Lyr: Alpha Zeta Beta Gamma Delta Zeta.")
    TXT("Men: Delta Eta Gamma Alpha Theta.Mic: Alpha Gamma Epsilon 8151.")
    TXT("Mon: Gamma Beta Delta Alpha Zeta; Delta 2503.")
    TXT("Mus: Lambda Epsilon Alpha Beta Delta Gamma Alpha.Nor: 6072 Epsilon.")
    TXT("Oct: Delta Beta Nu.Oph: Nu Gamma Beta Alpha Kappa Lambda Delta.")
    TXT("Ori: Beta Delta Gamma Lambda Alpha Zeta Kappa; Zeta Epsilon Delta; Alpha Xi 2135 2047; Gamma 1543; 1570 1544 1543 1552 1567 1601.")
    TXT("Pav: Alpha Beta Delta Lambda Xi Pi Eta Zeta Epsilon Upsilon Beta Gamma.")
    TXT("Peg: 0015 Beta Alpha Gamma 0015; Beta Eta; Alpha Zeta Theta Epsilon.")
    TXT("Per: Eta Gamma Alpha Delta Epsilon Xi Zeta; Alpha Beta.")
    TXT("Phe: Epsilon Alpha Beta Gamma Delta Zeta Eta.Pic: Alpha Gamma Beta.")
    TXT("PsA: Epsilon Alpha Delta Gamma Beta Tau.")
    TXT("Psc: Iota Theta 8878 Gamma Kappa Lambda Iota Omega Delta Epsilon Zeta Mu Nu Alpha Omicron Eta Phi Upsilon Tau.")
    TXT("Pup: Rho 3102 Xi 2948 Pi Zeta Sigma Tau Nu Pi.Pyx: Beta Alpha Gamma.")
    TXT("Ret: Alpha Beta Delta Iota Epsilon Alpha.Scl: Alpha Iota Delta.")
    TXT("Sco: Lambda Kappa 6615 Theta Eta 6271 6247 Epsilon Tau Alpha Beta; Alpha Delta; Alpha Pi.")
    TXT("Sct: Beta Alpha Gamma.")
    TXT("Ser: Theta Eta Xi 6378 6175 6075 6056 Mu Omega Epsilon Alpha Delta Beta Gamma Kappa Beta.")
    TXT("Sex: Beta Alpha Gamma.Sge: Alpha Delta Beta; Delta Gamma Eta.")
    TXT("Sgr: Delta 6746   Eta Epsilon Delta Lambda Phi Zeta Tau Sigma Phi.")
    TXT("Tau: Zeta Alpha 1427 1412 Gamma Delta Epsilon 1791.Tel: Zeta Alpha Epsilon.")
    TXT("TrA: Alpha Beta Gamma Alpha.Tri: Alpha Beta Gamma Alpha.")
    TXT("Tuc: Alpha Gamma Beta Zeta Epsilon.")
    TXT("UMa: Eta Zeta Epsilon Delta Gamma Chi Nu Xi; Chi Psi Mu Lambda; Gamma Beta Alpha Delta; Alpha 3757 Omicron Upsilon Beta; Upsilon Theta Iota Kappa.")
    TXT("UMi: Alpha Delta Epsilon Zeta Beta Gamma Eta Zeta.")
    TXT("Vel: Delta Gamma Lambda Delta Kappa Lambda.")
    TXT("Vir: Mu Iota Kappa Alpha; 5511 Tau Zeta Alpha Theta Gamma Delta Epsilon; Gamma Eta Beta Nu.")
    TXT("Vol: Alpha Beta Delta Gamma Zeta.Vul: 7592 Alpha 7306.");

static_assert(sizeof(kConstellationFigures) / sizeof(Char) == 4242 + 1, "the figure text");

}  // namespace

const Char* StarProperNamesText() noexcept { return kStarProperNames; }

const Char* ConstellationFiguresText() noexcept { return kConstellationFigures; }

}  // namespace corvinata
