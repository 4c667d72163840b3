// Writes planet_places.csv and planet_events.csv: the apparent geocentric
// places of the planets and Pluto (true equator and equinox of date, with
// light time and annual aberration) at instants from 1900 to 2100, and the
// instants of oppositions and of the outer contacts of Mercury's transits,
// computed by the astronomy-engine package (Don Cross) as an independent check
// of the program's apparent places. See README.md.
'use strict';

const Astronomy = require('astronomy-engine');

const PLANETS = [
    ['Mercury', Astronomy.Body.Mercury], ['Venus', Astronomy.Body.Venus],
    ['Mars', Astronomy.Body.Mars], ['Jupiter', Astronomy.Body.Jupiter],
    ['Saturn', Astronomy.Body.Saturn], ['Uranus', Astronomy.Body.Uranus],
    ['Neptune', Astronomy.Body.Neptune], ['Pluto', Astronomy.Body.Pluto],
];
const J2000_MS = Date.UTC(2000, 0, 1, 12);
const SECOND = 1 / 86400;

// The program's Sun and Mercury: semidiameters at 1 AU, arcseconds.
const SUN_SEMIDIAMETER = 959.63;
const MERCURY_SEMIDIAMETER = 6.72 / 2;

function ttTime(days) {
    return Astronomy.AstroTime.FromTerrestrialTime(days);
}

// Apparent geocentric vector, true equator and equinox of date.
function apparent(body, time) {
    const vector = Astronomy.GeoVector(body, time, true);
    return Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), vector);
}

function ttColumns(time) {
    const date = new Date(J2000_MS + time.tt * 86400000);
    const midnight = Date.UTC(date.getUTCFullYear(), date.getUTCMonth(), date.getUTCDate());
    return [date.toISOString().substr(0, 10),
            ((date.getTime() - midnight) / 3600000).toFixed(6)];
}

// The root of f within [a, b] (TT days), to a tenth of a second.
function bisect(f, a, b) {
    let fa = f(a);
    while (b - a > 0.1 * SECOND) {
        const m = 0.5 * (a + b);
        const fm = f(m);
        if ((fm < 0) === (fa < 0)) {
            a = m;
            fa = fm;
        } else {
            b = m;
        }
    }
    return 0.5 * (a + b);
}

function writePlaces() {
    const rows = ['tt_date,tt_hours,body,ra_degrees,dec_degrees'];
    // Every four years, each instant at another month, day and hour.
    for (let k = 0; k <= 50; ++k) {
        const year = 1900 + 4 * k;
        const instant = Date.UTC(year, (5 * k) % 12, 1 + (7 * k) % 28, (5 * k) % 24);
        const time = ttTime((instant - J2000_MS) / 86400000);
        for (const [name, body] of PLANETS) {
            const equator = Astronomy.EquatorFromVector(apparent(body, time));
            rows.push([...ttColumns(time), name, (equator.ra * 15).toFixed(6),
                       equator.dec.toFixed(6)].join(','));
        }
    }
    return rows.join('\n');
}

// Right ascension of the body less that of the Sun, less 180, within -180..180.
function oppositionOffset(body, days) {
    const time = ttTime(days);
    const planet = Astronomy.EquatorFromVector(apparent(body, time));
    const sun = Astronomy.EquatorFromVector(apparent(Astronomy.Body.Sun, time));
    let d = (planet.ra - sun.ra) * 15 - 180;
    while (d > 180) d -= 360;
    while (d < -180) d += 360;
    return d;
}

// The oppositions in right ascension of each outer planet within a year
// after each start.
const OPPOSITION_STARTS = ['1909-01-01', '1956-01-01', '2003-01-01', '2020-06-01', '2022-06-01',
                           '2050-01-01', '2095-01-01'];

function outerContactOffset(days) {
    const time = ttTime(days);
    const mercury = apparent(Astronomy.Body.Mercury, time);
    const sun = apparent(Astronomy.Body.Sun, time);
    const limit = (SUN_SEMIDIAMETER / sun.Length() + MERCURY_SEMIDIAMETER / mercury.Length()) / 3600;
    return Astronomy.AngleBetween(mercury, sun) - limit;
}

function writeEvents() {
    const rows = ['event,body,tt_date,tt_hours'];
    for (const start of OPPOSITION_STARTS) {
        const from = (Date.parse(start) - J2000_MS) / 86400000;
        for (const [name, body] of PLANETS.slice(2)) {
            let previous = oppositionOffset(body, from);
            for (let day = from + 1; day <= from + 366; ++day) {
                const now = oppositionOffset(body, day);
                // The Sun overtakes the planet: the offset falls through 0.
                if (previous > 0 && now <= 0 && previous - now < 90) {
                    const found = bisect((d) => oppositionOffset(body, d), day - 1, day);
                    rows.push(['opposition', name, ...ttColumns(ttTime(found))].join(','));
                }
                previous = now;
            }
        }
    }
    // Every transit of Mercury 1950-2100 as the package finds it; its contacts
    // are found again with the program's semidiameters of the Sun and Mercury.
    let transit = Astronomy.SearchTransit(Astronomy.Body.Mercury, ttTime(-18262));
    while (transit.peak.tt < 36525) {
        const peak = transit.peak.tt;
        if (outerContactOffset(peak) < 0) {
            const begins = bisect(outerContactOffset, peak - 0.5, peak);
            const ends = bisect(outerContactOffset, peak, peak + 0.5);
            rows.push(['transit_begins', 'Mercury', ...ttColumns(ttTime(begins))].join(','));
            rows.push(['transit_ends', 'Mercury', ...ttColumns(ttTime(ends))].join(','));
        }
        transit = Astronomy.NextTransit(Astronomy.Body.Mercury, transit.finish);
    }
    return rows.join('\n');
}

const which = process.argv[2];
console.log(which === 'events' ? writeEvents() : writePlaces());
