// The table of abbreviations, indexed by identifier.
#include "catalog/dreyer_keywords.h"

namespace corvinata {

namespace {

constexpr const Char* kKeywords[kDreyerKeywordCount] = {
    TXT("alm"), TXT("am"), TXT("deg"), TXT("'"), TXT("\""),
    TXT("s"), TXT("around"), TXT("att"), TXT("bet"), TXT("bM"),
    // 10
    TXT("cbM"), TXT("esbM"), TXT("gbM"), TXT("glbM"), TXT("gmbM"),
    TXT("gpmbM"), TXT("gpslbM"), TXT("gpsmbM"), TXT("gsbM"), TXT("gsmbM"),
    // 20
    TXT("gsvmbM"), TXT("gvlbM"), TXT("gvmbM"), TXT("lbM"), TXT("mbM"),
    TXT("pbM"), TXT("pgbM"), TXT("pglbM"), TXT("pgmbM"), TXT("pgpmbM"),
    // 30
    TXT("pgvlbM"), TXT("pgvmbM"), TXT("pmbM"), TXT("psbM"), TXT("pslbM"),
    TXT("psmbM"), TXT("pspmbM"), TXT("psvlbM"), TXT("psvmbM"), TXT("sbM"),
    // 40
    TXT("slbM"), TXT("smbM"), TXT("spmbM"), TXT("svlbM"), TXT("svmbM"),
    TXT("vbM"), TXT("vgbM"), TXT("vglbM"), TXT("vgmbM"), TXT("vgpsmbM"),
    // 50
    TXT("vgpmbM"), TXT("vgvlbM"), TXT("vgvmbM"), TXT("vgvsbM"), TXT("vgvsmbM"),
    TXT("vlbM"), TXT("vmbM"), TXT("vsbM"), TXT("vsmbM"), TXT("vsvmbM"),
    // 60
    TXT("vsvvbM"), TXT("vvlbM"), TXT("vvmbM"), TXT("CM"), TXT("eCM"),
    TXT("eiCM"), TXT("geCM"), TXT("gmCM"), TXT("gmpCM"), TXT("gvmCM"),
    // 70
    TXT("lCM"), TXT("mCM"), TXT("pCM"), TXT("pmCM"), TXT("vCM"),
    TXT("vgeCM"), TXT("vlCM"), TXT("vmCM"), TXT("com"), TXT("cometic"),
    // 80
    TXT("cometary"), TXT(","), TXT(";"), TXT("C"), TXT("diffic"),
    TXT("dif"), TXT("diff"), TXT("ns"), TXT("D"), TXT(".."),
    // 90
    TXT("..."), TXT(""), TXT("="), TXT("nonexistent"), TXT("susp"),
    TXT("suspected"), TXT("E"), TXT("cE"), TXT("lE"), TXT("iE"),
    // 100
    TXT("ilE"), TXT("vlE"), TXT("vmiE"), TXT("mE"), TXT("vmE"),
    TXT("eE"), TXT("vvmE"), TXT("vE"), TXT("viE"), TXT("pE"),
    // 110
    TXT("pmE"), TXT("FN"), TXT("-"), TXT("in"), TXT("in LMC"),
    TXT("inv"), TXT("iF"), TXT("last"), TXT("l"), TXT("long"),
    // 120
    TXT("mag"), TXT("m"), TXT("F"), TXT("B"), TXT("close"),
    TXT("nr"), TXT("f"), TXT("p"), TXT("pf"), TXT("nf"),
    // 130
    TXT("np"), TXT("sf"), TXT("sp"), TXT("n"), TXT("s"),
    TXT("npsf"), TXT("spnf"), TXT("nebs"), TXT("no descr"), TXT("no descrip"),
    // 140
    TXT("no description"), TXT("1st"), TXT("2nd"), TXT("3rd"), TXT("4th"),
    TXT("5th"), TXT("6th"), TXT("7th"), TXT("8th"), TXT("9th"),
    // 150
    TXT("biN"), TXT("triN"), TXT("N"), TXT("Nucl"), TXT("n/a"),
    TXT("n/a"), TXT("Cl"), TXT("glob. cl."), TXT("PN"), TXT("neb"),
    // 160
    TXT("nebula"), TXT("Dneb"), TXT("D neb"), TXT("*"), TXT("**"),
    TXT("***"), TXT("of"), TXT("("), TXT(")"), TXT("."),
    // 170
    TXT("+/-"), TXT("P"), TXT("l"), TXT("p"), TXT("m"),
    TXT("pm"), TXT("c"), TXT("v"), TXT("vm"), TXT("vv"),
    // 180
    TXT("e"), TXT("ee"), TXT("eee"), TXT("i"), TXT("irr"),
    TXT("!"), TXT("!!"), TXT("!!!"), TXT("er"), TXT("r"),
    // 190
    TXT("rr"), TXT("rrr"), TXT("Ri"), TXT("R"), TXT("sc"),
    TXT("sev"), TXT("several"), TXT("S"), TXT("L"), TXT("spir"),
    // 200
    TXT("spiral"), TXT("st"), TXT("stell"), TXT("stellar"), TXT("?"),
};

}  // namespace

const Char* DreyerKeywordText(int id) noexcept {
    return id >= 0 && id < kDreyerKeywordCount ? kKeywords[id] : TXT("");
}

}  // namespace corvinata
