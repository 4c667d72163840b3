// Writes events.csv (times rounded to the minute): the moments of the events the event-search acceptance
// tests look for (moon phases, the 2024 equinox, the 2020 great conjunction,
// the solar eclipses of 2024 and the Mercury transit of 2019), computed by
// the astronomy-engine package (Don Cross) as an independent check of the
// program's event search. See README.md.
'use strict';

const Astronomy = require('astronomy-engine');

const rows = ['event,begin_ut,end_ut'];
const iso = (time) => new Date(time.date.getTime() + 30000).toISOString().slice(0, 16).replace('T', ' ');
const add = (event, begin, end) => rows.push(`${event},${iso(begin)},${end ? iso(end) : ''}`);

// The four quarters of January 2024 (0 new moon, 90 first quarter ...).
const QUARTERS = ['new moon', 'first quarter', 'full moon', 'last quarter'];
let quarter = Astronomy.SearchMoonQuarter(new Date('2024-01-01T00:00:00Z'));
while (quarter.time.date < new Date('2024-02-01T00:00:00Z')) {
    add(QUARTERS[quarter.quarter], quarter.time);
    quarter = Astronomy.NextMoonQuarter(quarter);
}

add('vernal equinox', Astronomy.Seasons(2024).mar_equinox);

// Jupiter and Saturn at equal apparent geocentric right ascension (of date).
function raDifference(time) {
    const ra = (body) => Astronomy.Equator(body, time, new Astronomy.Observer(0, 0, 0), true, true).ra;
    let d = (ra(Astronomy.Body.Jupiter) - ra(Astronomy.Body.Saturn)) * 15;
    while (d > 180) d -= 360;
    while (d < -180) d += 360;
    return d;
}
add('Jupiter-Saturn conjunction in right ascension',
    Astronomy.Search(raDifference, Astronomy.MakeTime(new Date('2020-12-15T00:00:00Z')),
                     Astronomy.MakeTime(new Date('2020-12-28T00:00:00Z'))));

// Every solar eclipse that begins in 2024 (peak as the begin).
let eclipse = Astronomy.SearchGlobalSolarEclipse(new Date('2024-01-01T00:00:00Z'));
while (eclipse.peak.date < new Date('2025-01-01T00:00:00Z')) {
    add(`solar eclipse (${eclipse.kind})`, eclipse.peak);
    eclipse = Astronomy.NextGlobalSolarEclipse(eclipse.peak);
}

// Transits of Mercury and Venus from 2019 to 2024.
for (const body of [Astronomy.Body.Mercury, Astronomy.Body.Venus]) {
    let transit = Astronomy.SearchTransit(body, new Date('2019-01-01T00:00:00Z'));
    while (transit.start.date < new Date('2025-01-01T00:00:00Z')) {
        add(`${body} transit`, transit.start, transit.finish);
        transit = Astronomy.NextTransit(body, transit.finish);
    }
}

process.stdout.write(rows.join('\n') + '\n');
