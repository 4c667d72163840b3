// Writes aberration.csv: the geometric and the apparent ecliptic places of
// the planets and Pluto (light time applied to both, the annual aberration to
// the second only) and the Sun's geometric longitude, at instants from 1900
// to 2100, computed by the astronomy-engine package (Don Cross), whose
// aberration comes from the Earth's velocity vector rather than from the
// formula of Meeus' chapter 23. See README.md.
'use strict';

const Astronomy = require('astronomy-engine');

const BODIES = ['Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Uranus', 'Neptune', 'Pluto'];
const J2000_MS = Date.UTC(2000, 0, 1, 12);

// Longitude and latitude on the true ecliptic of date, degrees.
function ecliptic(body, time, aberration) {
    const place = Astronomy.Ecliptic(Astronomy.GeoVector(body, time, aberration));
    return [place.elon, place.elat];
}

const rows = ['tt_date,tt_hours,body,sun_longitude,geometric_longitude,geometric_latitude,' +
              'apparent_longitude,apparent_latitude'];
// Every eight years, each instant at another month, day and hour.
for (let k = 0; k <= 25; ++k) {
    const instant = Date.UTC(1900 + 8 * k, (7 * k) % 12, 1 + (11 * k) % 28, (7 * k) % 24);
    const time = Astronomy.AstroTime.FromTerrestrialTime((instant - J2000_MS) / 86400000);
    const [sun] = ecliptic(Astronomy.Body.Sun, time, false);
    for (const name of BODIES) {
        const body = Astronomy.Body[name];
        rows.push([new Date(instant).toISOString().substr(0, 10),
                   new Date(instant).getUTCHours().toFixed(1), name, sun.toFixed(8),
                   ...ecliptic(body, time, false).map((x) => x.toFixed(8)),
                   ...ecliptic(body, time, true).map((x) => x.toFixed(8))].join(','));
    }
}
console.log(rows.join('\n'));
