// Writes time_scale.csv: the apparent geocentric right ascension and
// declination (true equator and equinox of date) of the Sun and the Moon at
// instants from 1583 to 3000, computed by the astronomy-engine package (Don
// Cross) as an independent check that the program evaluates its theories at
// dynamical time. Each instant is given in Terrestrial Time, so the rows do
// not depend on the library's model of Delta T. See README.md.
'use strict';

const Astronomy = require('astronomy-engine');

// Instants, TT, as calendar dates.
const INSTANTS = [
    '1583-03-01T00:00:00Z', '1750-07-15T06:00:00Z', '1900-01-01T00:00:00Z',
    '1950-06-15T12:00:00Z', '2000-01-01T12:00:00Z', '2024-06-01T00:00:00Z',
    '2050-09-30T18:00:00Z', '2100-12-31T00:00:00Z', '3000-01-01T00:00:00Z',
];
const BODIES = [['Sun', Astronomy.Body.Sun], ['Moon', Astronomy.Body.Moon]];
const J2000_MS = Date.UTC(2000, 0, 1, 12);

const rows = ['tt_date,tt_hours,body,ra_degrees,dec_degrees'];
for (const instant of INSTANTS) {
    const ttDays = (new Date(instant).getTime() - J2000_MS) / 86400000;
    const time = Astronomy.AstroTime.FromTerrestrialTime(ttDays);
    for (const [name, body] of BODIES) {
        const vector = Astronomy.GeoVector(body, time, true);
        const ofDate = Astronomy.RotateVector(Astronomy.Rotation_EQJ_EQD(time), vector);
        const equator = Astronomy.EquatorFromVector(ofDate);
        rows.push([instant.substr(0, 10), Number(instant.substr(11, 2)).toFixed(1), name,
                   (equator.ra * 15).toFixed(6), equator.dec.toFixed(6)].join(','));
    }
}
console.log(rows.join('\n'));
